#include "core/generation/StyleSheet.h"

#include <json/json.h>

#include <cstdlib>
#include <unordered_map>

#include "core/generation/LibraryPath.h"
#include "core/generation/TextUtil.h"
#include "core/model/ModelHooks.h"
#include "core/model/PropertyVariant.h"
#include "core/model/TsObject.h"
#include "core/model/Viewport.h"

namespace {

// Objects placed this close to the top are moved down while edited in place, so
// the editor's toolbar above them stays on the page.
constexpr int kInPlaceEditTop = 180;

struct Declaration {
    const char* key;
    const char* format;
};

// An object's declarations. Objects carry dozens of style properties of which
// few have a value; the keys that can yield a declaration (an "Int" above 0 or a
// non-empty "String", as in effect for the viewport shown) are collected once, so
// the many keys without one cost no property lookups.
class CDeclarer {
public:
    explicit CDeclarer(CTsObject& object) : object_(object) {
        object.properties.IterateEffective([this](const std::string& name, CTsProperty& property) {
            const CPropertyDefinition& definition = property.Definition();
            if ((definition.IsInt() && property.value.integer > 0) || (definition.IsString() && !property.value.text.empty()))
                declared_.push_back(name);
        });
    }
    std::string Declare(const std::string& key, const char* format) const {
        for (const std::string& name : declared_)
            if (name == key) return object_.Declare(key, format);
        return std::string();
    }
    const CTsObject& Object() const { return object_; }

private:
    CTsObject& object_;
    std::vector<std::string> declared_;
};

void AppendDeclarations(std::string& out, const CDeclarer& object, const Declaration* begin, const Declaration* end) {
    for (const Declaration* d = begin; d != end; ++d) out += object.Declare(d->key, d->format);
}

template <size_t N>
void AppendDeclarations(std::string& out, const CDeclarer& object, const Declaration (&table)[N]) {
    AppendDeclarations(out, object, table, table + N);
}

// Several lines for one key (vendor-prefixed forms).
void AppendForms(std::string& out, const CDeclarer& object, const std::string& key, std::initializer_list<const char*> formats) {
    for (const char* format : formats) out += object.Declare(key, format);
}

const std::initializer_list<const char*> kBackgroundSize = {
    "background-size: %s;\n", "-moz-background-size: %s;\n", "-webkit-background-size: %s;\n"};
const std::initializer_list<const char*> kBackgroundOrigin = {
    "background-origin: %s;\n", "-moz-background-origin: %s;\n", "-webkit-background-origin: %s;\n"};

// ---- page rules --------------------------------------------------------------------

std::string SiteOrPageDeclare(const CTsObject& page, const std::string& key, const char* format) {
    return page.DeclareOrSite(key, format);
}

std::string SideOrMainDeclarations(const CTsObject& page, const std::string& prefix) {
    std::string out;
    const Declaration simple[] = {
        {"background-color", "background-color: %s;\n"},
        {"background-image", "background-image: %s;\n"},
        {"background-repeat", "background-repeat: %s;\n"},
        {"background-position", "background-position: %s;\n"},
        {"background-attachment", "background-attachment: %s;\n"},
    };
    for (const Declaration& d : simple) out += SiteOrPageDeclare(page, prefix + d.key, d.format);
    out += Gradient(page.ValueOrSite(prefix + "background-gradient"), page.ValueOrSite(prefix + "background-gradient-color1"),
                    page.ValueOrSite(prefix + "background-gradient-color2"));
    for (const char* format : kBackgroundSize) out += SiteOrPageDeclare(page, prefix + "background-size", format);
    for (const char* format : kBackgroundOrigin) out += SiteOrPageDeclare(page, prefix + "background-origin", format);
    out += SiteOrPageDeclare(page, prefix + "opacity", "opacity: %s;\n");
    out += OpacityFilter(page.ValueOrSite(prefix + "opacity"));
    return out;
}

std::string FontFaces(const CTsObject& page) {
    const CTsObject* site = page.root ? page.root : &page;
    const std::string text = site->OwnValue("external-font");
    if (text.empty()) return std::string();
    Json::Value fonts;
    Json::Reader reader;
    if (!reader.parse(text, fonts, false) || !fonts.isArray()) return std::string();
    std::vector<std::string> files, names;
    for (const Json::Value& font : fonts) {
        if (!font.isObject()) continue;
        if (font["file"].isString()) AddDistinctNoCase(files, font["file"].asString());
        if (font["name"].isString()) AddDistinctNoCase(names, font["name"].asString());
    }
    std::string out;
    for (size_t i = 0; i < files.size() && i < names.size(); ++i)
        out += "@font-face {font-family: " + names[i] + "; src: url(" + ResolveLibraryPath(files[i]) + ");}\n";
    return out;
}

std::string AutoShrinkRule(const CTsObject& page) {
    if (!EqualsNoCase(page.ValueOrSite("auto-shrink"), "yes")) return std::string();
    const std::string width = TrimWhiteSpace(page.ValueOrSite("page-width"));
    if (width.empty() || width == "auto" || width.find('%') != std::string::npos) return std::string();
    return "@media (max-width: " + width + ") { #Page1 {width: 100%;} }\n";
}

std::string PageRules(const CTsObject& page, PageForm form) {
    std::string out = FontFaces(page);
    out += "body { padding:0; margin:0; border: 0; ";
    out += SideOrMainDeclarations(page, "side-");
    out += "}\n";
    out += "p { margin: 0px; }\n";
    out += "#" + page.GetName() + " {\n";
    out += "position: relative; width: " + page.ValueOrSite("page-width") + "; margin: 0 auto;\n";
    out += "min-width: " + page.ValueOrSite("min-width") + ";\n";
    if (form == PageForm::Design) out += "height: 8192px;\n";
    out += SideOrMainDeclarations(page, "main-");
    out += "}\n";
    out += AutoShrinkRule(page);
    return out;
}

// ---- container rules ---------------------------------------------------------------

bool IsContainer(const CTsObject& object) {
    return EqualsNoCase(object.type, "Container") || EqualsNoCase(object.baseKind, "Container");
}

bool HasOwnPositioning(const CTsObject& object) {
    const std::string position = object.OwnValue("position");
    return EqualsNoCase(position, "fixed") || EqualsNoCase(position, "absolute") || EqualsNoCase(position, "relative");
}

std::string VerticalPlacement(const CDeclarer& declarer, PageForm form) {
    const CTsObject& object = declarer.Object();
    if (form == PageForm::Export || !object.editing)
        return object.socketed ? std::string() : declarer.Declare("top", "top: %s;\n");
    const bool nearTop = object.rect.top < kInPlaceEditTop || NumberOf(object, "top") < kInPlaceEditTop;
    if (!nearTop) return declarer.Declare("top", "top: %s;\n");
    if (HasOwnPositioning(object)) return "top: 180px;\n";
    return "position: fixed;\nleft: " + std::to_string(object.rect.left) + "px;\ntop: 180px;\n";
}

std::string SizeAndPlacement(const CDeclarer& declarer) {
    const CTsObject& object = declarer.Object();
    if (object.socketed) {
        std::string out = object.socketOwner ? object.socketOwner->Declare("height", "height: %s;\n") : std::string();
        return out + "width: 100%;\n";
    }
    std::string out = declarer.Declare("display", "display: %s;\n");
    out += declarer.Declare("position", "position: %s;\n");
    out += declarer.Declare("left", "left: %s;\n");
    if (EqualsNoCase(object.OwnValue("width"), "fullpagewidth")) out += "width: 100%;\n";
    else out += declarer.Declare("width", "width: %s;\n");
    static const Declaration rest[] = {
        {"min-width", "min-width: %s;\n"}, {"height", "height: %s;\n"},
        {"right", "right: %s;\n"},         {"bottom", "bottom: %s;\n"},
    };
    AppendDeclarations(out, declarer, rest);
    return out;
}

const Declaration kBox[] = {
    {"border-left-width", "border-left-width: %s;\n"},
    {"border-right-width", "border-right-width: %s;\n"},
    {"border-top-width", "border-top-width: %s;\n"},
    {"border-bottom-width", "border-bottom-width: %s;\n"},
    {"border-style", "border-style: %s;\n"},
    {"border-color", "border-color: %s;\n"},
    {"padding-left", "padding-left: %s;\n"},
    {"padding-top", "padding-top: %s;\n"},
    {"padding-right", "padding-right: %s;\n"},
    {"padding-bottom", "padding-bottom: %s;\n"},
    {"margin-left", "margin-left: %s;\n"},
    {"margin-top", "margin-top: %s;\n"},
    {"margin-right", "margin-right: %s;\n"},
    {"margin-bottom", "margin-bottom: %s;\n"},
};

const Declaration kBackground[] = {
    {"background-color", "background-color: %s;\n"},
    {"background-image", "background-image: %s;\n"},
    {"background-repeat", "background-repeat: %s;\n"},
    {"background-position", "background-position: %s;\n"},
    {"background-attachment", "background-attachment: %s;\n"},
};

const Declaration kText[] = {
    {"font-family", "font-family: %s;\n"},
    {"font-size", "font-size: %s;\n"},
    {"font-style", "font-style: %s;\n"},
    {"font-variant", "font-variant: %s;\n"},
    {"font-weight", "font-weight: %s;\n"},
    {"color", "color: %s;\n"},
    {"text-align", "text-align: %s;\n"},
    {"text-decoration", "text-decoration: %s;\n"},
    {"text-indent", "text-indent: %s;\n"},
    {"line-height", "line-height: %s;\n"},
    {"letter-spacing", "letter-spacing: %s;\n"},
    {"overflow", "overflow: %s;\n"},
};

std::string TextAndEffects(const CDeclarer& object) {
    std::string out;
    AppendDeclarations(out, object, kText);
    AppendForms(out, object, "border-radius", {"border-radius: %s;\n", "-moz-border-radius: %s;\n", "-webkit-border-radius: %s;\n"});
    AppendForms(out, object, "box-shadow", {"box-shadow: %s;\n", "-moz-box-shadow: %s;\n", "-webkit-box-shadow: %s;\n"});
    AppendForms(out, object, "background-size", kBackgroundSize);
    AppendForms(out, object, "background-origin", kBackgroundOrigin);
    AppendForms(out, object, "text-shadow", {"text-shadow: %s;\n", "-webkit-text-shadow: %s;\n", "-moz-text-shadow: %s;\n"});
    out += object.Declare("word-wrap", "word-wrap: %s;\n");
    AppendForms(out, object, "transform",
                {"transform: %s;\n", "-ms-transform: %s;\n", "-moz-transform: %s;\n", "-webkit-transform: %s;\n", "-o-transform: %s;\n"});
    return out;
}

std::string HoverRule(const CDeclarer& object, const std::string& id) {
    static const Declaration hover[] = {
        {"hover-background-color", "background-color: %s;\n"},
        {"hover-background-image", "background-image: %s;\n"},
        {"hover-background-repeat", "background-repeat: %s;\n"},
        {"hover-background-position", "background-position: %s;\n"},
        {"hover-background-attachment", "background-attachment: %s;\n"},
    };
    std::string out = "#" + id + ":hover {\n";
    AppendDeclarations(out, object, hover);
    const CTsObject& own = object.Object();
    out += Gradient(own.OwnValue("hover-background-gradient"), own.OwnValue("hover-background-gradient-color1"),
                    own.OwnValue("hover-background-gradient-color2"));
    AppendForms(out, object, "hover-background-size", kBackgroundSize);
    AppendForms(out, object, "hover-background-origin", kBackgroundOrigin);
    out += object.Declare("hover-opacity", "opacity: %s;\n");
    out += "}\n";
    return out;
}

std::string LinkRules(const CDeclarer& object, const std::string& id) {
    static const Declaration link[] = {
        {"link-font-family", "font-family: %s;\n"},   {"link-font-size", "font-size: %s;\n"},
        {"link-font-style", "font-style: %s;\n"},     {"link-font-variant", "font-variant: %s;\n"},
        {"link-font-weight", "font-weight: %s;\n"},   {"link-text-decoration", "text-decoration: %s;\n"},
        {"link-color", "color: %s;\n"},
    };
    std::string out = "#" + id + " a {\n";
    AppendDeclarations(out, object, link);
    out += "}\n";
    struct LinkState {
        const char* key;
        const char* selector;
        const char* format;
    };
    static const LinkState states[] = {
        {"visited-link-color", " a:visited { ", "color: %s;"},
        {"hover-link-color", " a:hover { ", "color: %s;"},
        {"hover-link-backgroundcolor", " a:hover { ", "background: %s;"},
        {"active-link-color", " a:active { ", "color: %s;"},
    };
    for (const LinkState& state : states) {
        if (object.Object().OwnValue(state.key).empty()) continue;
        out += "#" + id + state.selector + object.Declare(state.key, state.format) + " }\n";
    }
    return out;
}

std::string ContainerRules(CTsObject& object, PageForm form) {
    const CDeclarer declarer(object);
    const std::string id = object.GetName();
    std::string out = "#" + id + " {\n";
    out += VerticalPlacement(declarer, form);
    out += SizeAndPlacement(declarer);
    AppendDeclarations(out, declarer, kBox);
    if (form == PageForm::Design && object.editing) out += "z-index: 9999;\n";
    else out += declarer.Declare("z-index", "z-index: %s;\n");
    AppendDeclarations(out, declarer, kBackground);
    out += Gradient(object.OwnValue("background-gradient"), object.OwnValue("background-gradient-color1"),
                    object.OwnValue("background-gradient-color2"));
    out += declarer.Declare("opacity", "opacity: %s;\n");
    out += OpacityFilter(object.OwnValue("opacity"));
    out += TextAndEffects(declarer);
    out += "}\n";
    out += HoverRule(declarer, id);
    out += LinkRules(declarer, id);
    return out;
}

// ---- the walk ----------------------------------------------------------------------

// The export form's text for an object does not depend on the viewport shown when
// it is asked for (it starts from the base values itself), so an ancestor's
// "@media" blocks reuse it instead of building it again.
struct StyleSheetCache {
    std::unordered_map<const CTsObject*, std::string> texts;
    // The site's viewports, read once per style sheet.
    bool viewportsRead = false;
    VIEWPORTARRAY viewports;
};

std::string BuildStyleSheetCached(CTsObject& object, PageForm form, StyleSheetCache* cache);

std::string BuildRulesCached(CTsObject& object, PageForm form, StyleSheetCache* cache) {
    std::string own;
    if (EqualsNoCase(object.type, "Page")) own += PageRules(object, form);
    if (IsContainer(object)) own += ContainerRules(object, form);
    if (form == PageForm::Design) RewriteExternalFiles(own, object.externalFiles);
    for (CTsObject* child : object.children) own += BuildStyleSheetCached(*child, form, cache);
    return own;
}

std::string BuildExportStyleSheet(CTsObject& object, StyleSheetCache* cache) {
    CViewportScope base(0);
    if (!cache->viewportsRead) {
        const CTsObject* site = object.root ? object.root : &object;
        cache->viewports = ParseViewports(site->OwnValue("viewport"));
        cache->viewportsRead = true;
    }
    const VIEWPORTARRAY& viewports = cache->viewports;
    std::string out = BuildRulesCached(object, PageForm::Export, cache);
    for (size_t i = 0; i < viewports.size(); ++i) {
        if (!EqualsNoCase(viewports[i].enable, "yes")) continue;
        CViewportScope shown(static_cast<int>(i + 1));
        out += "@media (min-width: " + viewports[i].mediaMinWidth + ") and (max-width: " + viewports[i].mediaMaxWidth + ") {\n";
        out += BuildRulesCached(object, PageForm::Export, cache);
        out += "}\n";
    }
    return out;
}

std::string BuildStyleSheetCached(CTsObject& object, PageForm form, StyleSheetCache* cache) {
    if (form == PageForm::Design) return BuildRulesCached(object, form, cache);
    if (const auto found = cache->texts.find(&object); found != cache->texts.end()) return found->second;
    std::string text = BuildExportStyleSheet(object, cache);
    cache->texts.emplace(&object, text);
    return text;
}

}  // namespace

int NumberOf(const CTsObject& object, const std::string& key) {
    const CTsProperty* property = object.properties.Find(key);
    if (!property) return 0;
    if (property->Definition().IsInt()) return property->value.integer;
    if (property->Definition().IsString()) return ReadDecimalInt(property->value.text);
    return 0;
}

std::string Gradient(const std::string& direction, const std::string& color1, const std::string& color2) {
    if (direction.empty() || color1.empty() || color2.empty()) return std::string();
    const std::string arguments = "(" + direction + ", " + color1 + ", " + color2 + ");\n";
    return "background-image:-webkit-linear-gradient" + arguments + "background-image:-moz-linear-gradient" + arguments +
           "background-image:-o-linear-gradient" + arguments + "background-image:-ms-linear-gradient" + arguments +
           "background-image:linear-gradient" + arguments;
}

std::string OpacityFilter(const std::string& opacity) {
    if (opacity.empty()) return std::string();
    const int percent = static_cast<int>(std::strtod(opacity.c_str(), nullptr) * 100);
    return "filter:Alpha(opacity=" + std::to_string(percent) + ");\n";
}

std::string BuildStyleSheet(CTsObject& object, PageForm form) {
    StyleSheetCache cache;
    return BuildStyleSheetCached(object, form, &cache);
}

std::string BuildRules(CTsObject& object, PageForm form) {
    StyleSheetCache cache;
    return BuildRulesCached(object, form, &cache);
}
