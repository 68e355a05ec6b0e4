#include "core/library/TemplateEvaluator.h"

#include <strings.h>

#include <algorithm>
#include <vector>

#include "core/generation/LinkMarkup.h"
#include "core/generation/PageRender.h"
#include "core/generation/TextUtil.h"
#include "core/library/ConfigLoader.h"
#include "core/library/TypeNames.h"
#include "core/library/WidgetTemplate.h"
#include "core/model/TsObject.h"

namespace {

// The widgets whose templates are being evaluated, outermost first. A socket that
// names one of them would render it inside itself without end.
std::vector<const CTsObject*>& WidgetsInProgress() {
    static std::vector<const CTsObject*> widgets;
    return widgets;
}

bool IsInProgress(const CTsObject* object) {
    const std::vector<const CTsObject*>& widgets = WidgetsInProgress();
    return std::find(widgets.begin(), widgets.end(), object) != widgets.end();
}

// ---- variables -----------------------------------------------------------------------

const CTsProperty* FieldOf(const CPropertyMap* format, const std::string& name) {
    return format ? format->FindOwn(name) : nullptr;
}

std::string MemberText(const Json::Value& member) {
    if (member.isNull()) return std::string();
    if (member.isConvertibleTo(Json::stringValue)) return member.asString();
    Json::StreamWriterBuilder writer;
    writer["indentation"] = "";
    return Json::writeString(writer, member);
}

bool VariableExists(const TemplateContext& context, const std::string& name) {
    if (context.object) return context.object->HasProperty(name);
    return context.record && context.record->isObject() && context.record->isMember(name);
}

// The variable's stored text (no link expansion) and the subtype behind it.
std::string RawValue(const TemplateContext& context, const std::string& name, std::string* subtype = nullptr) {
    if (context.object) {
        const CTsProperty* property = context.object->properties.Find(name);
        if (!property) return std::string();
        if (subtype) *subtype = property->Subtype();
        return property->GetValue().AsText();
    }
    if (!context.record || !context.record->isObject()) return std::string();
    if (subtype) {
        const CTsProperty* field = FieldOf(context.recordFormat, name);
        *subtype = field ? field->Subtype() : std::string();
    }
    return MemberText((*context.record)[name]);
}

std::string Value(const TemplateContext& context, const std::string& name) {
    std::string subtype;
    const std::string raw = RawValue(context, name, &subtype);
    return LinkMarkup(raw, subtype);
}

// ---- text nodes ----------------------------------------------------------------------

// The replacement of placeholder "[#name]", or false when it does not apply.
bool PlaceholderValue(const std::string& name, int index, const TemplateContext& context, std::string& value) {
    switch (name[0]) {
    case '@': value = std::to_string(index); return true;
    case '%': value = std::to_string(index + 1); return true;
    case '!': {
        const std::string property = name.substr(1);
        if (!context.widget || !context.widget->HasProperty(property)) return false;
        TemplateContext widgetContext;
        widgetContext.object = context.widget;
        value = Value(widgetContext, property);
        return true;
    }
    case '$':
        if (!context.page) return false;
        value = context.page->ValueOrSite(name.substr(1));
        return !value.empty();
    default:
        if (!VariableExists(context, name)) return false;
        value = Value(context, name);
        return true;
    }
}

// Replaces every placeholder "[#name]" that applies; the others stay as written.
std::string ExpandText(const std::string& text, int index, const TemplateContext& context) {
    std::string out;
    size_t start = 0;
    size_t open = text.find("[#");
    while (open != std::string::npos) {
        const size_t close = text.find(']', open + 2);
        if (close == std::string::npos) break;
        if (close == open + 2) {  // "[#]" names nothing
            open = text.find("[#", open + 1);
            continue;
        }
        std::string value;
        if (PlaceholderValue(text.substr(open + 2, close - open - 2), index, context, value)) {
            out.append(text, start, open - start);
            out += value;
            start = close + 1;
        }
        open = text.find("[#", close + 1);
    }
    out.append(text, start, std::string::npos);
    return out;
}

// ---- tags ----------------------------------------------------------------------------

std::string EvaluateForeach(const CTemplateNode& node, CWidgetTemplate& widgetTemplate, const TemplateContext& context) {
    if (node.parts.size() != 3) return std::string();
    const std::string& data = node.parts[1];
    const TEMPLATEFILE* file = widgetTemplate.Find(node.parts[2]);
    if (!VariableExists(context, data) || !file || !file->nodes) return std::string();

    Json::Value parsedRecords;
    const Json::Value* records = nullptr;
    const CPropertyMap* format = context.recordFormat;
    if (context.object) {
        Json::Reader reader;
        if (!reader.parse(RawValue(context, data), parsedRecords, false)) return std::string();
        records = &parsedRecords;
        const CTsProperty* property = context.object->properties.Find(data);
        format = property ? &property->DataFormat() : nullptr;
    } else {
        records = &(*context.record)[data];
    }
    if (!records->isArray()) return std::string();

    std::string out;
    for (Json::ArrayIndex i = 0; i < records->size(); ++i) {
        TemplateContext inner;
        inner.record = &(*records)[i];
        inner.page = context.page;
        inner.widget = context.widget;
        inner.recordFormat = format;
        out += Evaluate(*file->nodes, static_cast<int>(i), i == 0, widgetTemplate, inner);
    }
    return out;
}

std::string EvaluateSocket(const CTemplateNode& node, CWidgetTemplate& widgetTemplate, const TemplateContext& context) {
    if (node.parts.size() != 3) return std::string();
    const std::string& property = node.parts[1];
    const PageForm form = widgetTemplate.renderMode ? PageForm::Export : PageForm::Design;
    if (context.page) {
        const std::string name = Value(context, property);
        CTsObject* target = name.empty() ? nullptr : context.page->FindObjectByName(name);
        if (target && IsInProgress(target)) return std::string();  // a cycle of sockets
        if (target) return Render(*target, form, true, context.page, EqualsNoCase(node.parts[2], "NoDiv"), false);
    }
    if (form == PageForm::Export) return std::string();
    return "<div style=\"border: 1px dotted #B7B7B7;height:100%;\">set " + property + " property to connect other object.</div>";
}

bool Compare(const std::string& left, const std::string& op, const std::string& right) {
    const int order = strcasecmp(left.c_str(), right.c_str());
    if (op == "==") return order == 0;
    if (op == "!=") return order != 0;
    if (op == ">") return order > 0;
    if (op == ">=") return order >= 0;
    if (op == "<") return order < 0;
    return order <= 0;  // "<="
}

bool IfHolds(const CTemplateNode& node, const TemplateContext& context) {
    const std::string& variable = node.parts[1];
    std::string left;
    if (VariableExists(context, variable)) left = Value(context, variable);
    else if (const CTsProperty* field = FieldOf(context.recordFormat, variable)) left = field->DefaultValue();
    std::string right = node.parts[3];
    if (right.size() > 1 && right.front() == '"' && right.back() == '"') right = right.substr(1, right.size() - 2);
    return Compare(left, node.parts[2], right);
}

bool IsLinkToSelf(const CTemplateNode& node, const TemplateContext& context) {
    if (!context.page) return false;
    const std::string link = LinkAddress(RawValue(context, node.parts[1]));
    return EqualsNoCase(link, context.page->GetName() + ".htm");
}

std::string EvaluateBlock(bool holds, const CTemplateNode& node, int index, CWidgetTemplate& widgetTemplate,
                          const TemplateContext& context) {
    const TemplateList& branch = holds ? node.thenList : node.elseList;
    return branch.empty() ? std::string() : Evaluate(branch, index, false, widgetTemplate, context);
}

std::string EvaluateNode(const CTemplateNode& node, int index, bool first, CWidgetTemplate& widgetTemplate,
                         const TemplateContext& context) {
    switch (node.kind) {
    case TemplateNodeKind::Text: return ExpandText(node.text, index, context);
    case TemplateNodeKind::Foreach: return EvaluateForeach(node, widgetTemplate, context);
    case TemplateNodeKind::Socket: return EvaluateSocket(node, widgetTemplate, context);
    case TemplateNodeKind::If:
        if (node.parts.size() != 4) return std::string();
        return EvaluateBlock(IfHolds(node, context), node, index, widgetTemplate, context);
    case TemplateNodeKind::IfExist:
        if (node.parts.size() != 2) return std::string();
        return EvaluateBlock(VariableExists(context, node.parts[1]), node, index, widgetTemplate, context);
    case TemplateNodeKind::IsLinkToSelf:
        if (node.parts.size() != 2) return std::string();
        return EvaluateBlock(IsLinkToSelf(node, context), node, index, widgetTemplate, context);
    case TemplateNodeKind::First: return EvaluateBlock(first, node, index, widgetTemplate, context);
    }
    return std::string();
}

}  // namespace

std::string Evaluate(const TemplateList& list, int index, bool first, CWidgetTemplate& widgetTemplate,
                     const TemplateContext& context) {
    std::string out;
    for (const CTemplateNode& node : list) out += EvaluateNode(node, index, first, widgetTemplate, context);
    return out;
}

std::string RenderWidget(CTsObject& object, CTsObject* page, PageForm form) {
    CWidgetTemplate* widgetTemplate = ConfigLoader().FindWidgetTemplate(object.type);
    if (!widgetTemplate) return std::string();
    const TEMPLATEFILE* file = widgetTemplate->Find(ShortTypeName(object.type) + ".htm");
    if (!file || !file->nodes) return std::string();
    widgetTemplate->renderMode = form == PageForm::Export ? 1 : 0;
    TemplateContext context;
    context.object = &object;
    context.widget = &object;
    context.page = page;
    WidgetsInProgress().push_back(&object);
    std::string text = Evaluate(*file->nodes, 0, false, *widgetTemplate, context);
    WidgetsInProgress().pop_back();
    return text;
}
