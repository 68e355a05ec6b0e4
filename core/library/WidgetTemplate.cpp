#include "core/library/WidgetTemplate.h"

#include "core/library/TemplateParser.h"

namespace {

TemplateParser& InstalledParser() {
    static TemplateParser parser = ParseTemplateForLibrary;
    return parser;
}

}  // namespace

void SetTemplateParser(TemplateParser parser) {
    // Null puts the template language's own parser back.
    InstalledParser() = parser ? std::move(parser) : TemplateParser(ParseTemplateForLibrary);
}

const TemplateParser& CurrentTemplateParser() {
    return InstalledParser();
}
