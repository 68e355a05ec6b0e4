#include "core/generation/PageRender.h"

#include "core/generation/LibraryPath.h"
#include "core/generation/PageDocument.h"
#include "core/generation/StyleSheet.h"
#include "core/generation/TextUtil.h"
#include "core/library/ConfigLoader.h"
#include "core/library/TemplateEvaluator.h"
#include "core/model/TsObject.h"

namespace {

const char* const kEditorButtonStyle =
    "<style type=\"text/css\">\t\t\t\t\t   .cke_button__submit_label {display: inline;}\t\t\t\t\t   "
    ".cke_button__submit_icon {display: none;}\t\t\t\t\t   .cke_button__cancel_label {display: inline;\t}"
    "\t\t\t\t\t   .cke_button__cancel_icon {display: none;}</style>\n";

bool IsContainer(const CTsObject& object) {
    return EqualsNoCase(object.type, "Container") || EqualsNoCase(object.baseKind, "Container");
}

bool IsSkipped(const CTsObject& object, bool socketPass) {
    if (object.IsSiteOrPage()) return socketPass && object.editing;
    return socketPass ? object.editing : object.socketed;
}

std::string InlineEditorScript(const std::string& id) {
    return "<script>CKEDITOR.disableAutoInline = true;var editor = CKEDITOR.inline( '" + id +
           "' );\teditor.on('blur',function( e ){return false;});</script>\n";
}

std::string OpeningDiv(const CTsObject& object, PageForm form) {
    const std::string editable = form == PageForm::Design && object.editing ? "contenteditable=\"true\"" : "";
    return "<div id=\"" + object.GetName() + "\" " + editable + " " + object.GetClassAttribute() + ">\n";
}

}  // namespace

std::string Render(CTsObject& object, PageForm form, bool socketPass, CTsObject* page, bool noWrapper,
                   bool fullWidthPass) {
    if (IsSkipped(object, socketPass)) return std::string();
    const bool isPage = object.IsPage();
    const bool container = !isPage && IsContainer(object);
    const bool inPass = IsFullPageWidth(object) == fullWidthPass;
    const bool wrapped = container && inPass && !object.noDiv && !noWrapper;

    std::string out;
    std::string styleSheet;
    if (isPage) {
        UnlinkSockets(object);
        LinkSockets(object);
        if (form == PageForm::Design) out += "<div id=\"shadow_objects\"></div>\n";
        out += "<div id=\"" + object.GetName() + "\">\n";
        if (form == PageForm::Design) out += kEditorButtonStyle;
        styleSheet = BuildStyleSheet(object, form);
        page = &object;
    } else if (wrapped) {
        out += OpeningDiv(object, form);
    }

    if (inPass) {
        if (!isPage) {
            if (ConfigLoader().HasWidget(object.type)) out += RenderWidget(object, page, form);
            else out += object.OwnValue("innerHTML");
        }
        if (isPage || form == PageForm::Export || !object.editing)
            for (CTsObject* child : object.children) out += Render(*child, form, socketPass, page, noWrapper, false);
        if (isPage) {
            out += object.OwnValue("innerHTML");
            if (object.root && object.root != &object) out += object.root->OwnValue("innerHTML");
        }
    }

    if (isPage) return AssemblePageDocument(object, form, styleSheet, out, socketPass, noWrapper);
    if (container && inPass) {
        if (wrapped) out += "</div>\n";
        if (object.editing && form == PageForm::Design) out += InlineEditorScript(object.GetName());
    }
    if (form == PageForm::Design) RewriteExternalFiles(out, object.externalFiles);
    return out;
}

std::string RenderPage(CTsObject& page, PageForm form) { return Render(page, form, false, nullptr, false, false); }
