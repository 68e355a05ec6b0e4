#include "app/design/OverlayMarkup.h"

#include <cstdio>

#include "core/model/TsObject.h"
#include "core/model/ValueSyntax.h"

namespace {

std::string Frame(const char* position, int left, int top, int width, int height, const char* border,
                  const char* tail) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "<div style=\"position: %s; left: %dpx; top: %dpx; width: %dpx; height: %dpx; border: %s; "
                  "z-index: 9999;%s\"></div>",
                  position, left, top, width, height, border, tail);
    return text;
}

}  // namespace

std::string OverlayMarkup(const CTsObject& object) {
    if (object.socketed || object.editing) return {};
    const TSRECT& r = object.rect;
    const bool fixed = EqualsNoCase(object.OwnValue("position"), "fixed");
    const int inset = object.selected ? 4 : 2;
    std::string markup = Frame(fixed ? "fixed" : "absolute", r.left, r.top, r.right - r.left - inset,
                               r.bottom - r.top - inset, object.selected ? "2px solid red" : "1px dotted #B7B7B7", " ");
    for (const CTsObject* child : object.children) markup += OverlayMarkup(*child);
    return markup;
}

std::string FeedbackMarkup(const CTsObject& page, int scrollX, int scrollY) {
    if (!page.hasDragRect) return {};
    const TSRECT& r = page.dragRect;
    return Frame("fixed", r.left - scrollX, r.top - scrollY, r.right - r.left, r.bottom - r.top, "1px dashed blue", "");
}

std::string OverlayScript(const std::string& markup) {
    if (markup.empty()) return {};
    return "shadow_objects.innerHTML = '" + markup + "';";
}
