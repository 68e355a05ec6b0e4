// Parses the input as a widget template and evaluates it for a widget that has a
// data list, a link and a socket, in both forms.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/generation/PageRender.h"
#include "core/library/TemplateEvaluator.h"
#include "core/library/TemplateParser.h"
#include "core/library/WidgetTemplate.h"
#include "core/model/TsObject.h"

namespace {

void SetText(CTsObject& object, const std::string& name, const std::string& value, const std::string& subtype = "") {
    CPropertyDefinition definition;
    definition.name = name;
    definition.type = "String";
    definition.subtype = subtype;
    definition.defaultValue = value;
    object.properties.SetOwn(name, CTsProperty::FromDefinition(definition));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    TemplateParseResult result = ParseTemplateText(text, "fuzz.htm");
    if (!result.ok) return 0;

    CTsObject site;
    auto* page = new CTsObject(&site, "Page");
    site.AppendChild(page);
    auto* widget = new CTsObject(page, "_Fuzz");
    page->AppendChild(widget);
    SetText(*widget, "data", R"([{"t":"a","children":[{"t":"b"}]},{"t":"c","link":"{\"link\":\"x.htm\"}"}])", "DataTree");
    SetText(*widget, "link", R"({"link":"Page1.htm","target":"_blank"})", "Link");
    SetText(*widget, "size", "10");
    SetText(*widget, "content", "Fuzz1", "Socket");

    CWidgetTemplate widgetTemplate;
    auto nodes = std::make_shared<const TemplateList>(std::move(result.nodes));
    widgetTemplate.templates["fuzz.htm"] = TEMPLATEFILE{"fuzz.htm", nodes};
    for (unsigned char mode : {0, 1}) {
        widgetTemplate.renderMode = mode;
        TemplateContext context;
        context.object = widget;
        context.widget = widget;
        context.page = page;
        Evaluate(*nodes, 0, false, widgetTemplate, context);
    }
    return 0;
}
