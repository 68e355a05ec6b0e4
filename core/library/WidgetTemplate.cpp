#include "core/library/WidgetTemplate.h"

namespace {

TemplateParser& InstalledParser() {
    static TemplateParser parser;
    return parser;
}

}  // namespace

void SetTemplateParser(TemplateParser parser) {
    InstalledParser() = std::move(parser);
}

const TemplateParser& CurrentTemplateParser() {
    return InstalledParser();
}
