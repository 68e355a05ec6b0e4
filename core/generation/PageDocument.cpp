#include "core/generation/PageDocument.h"

#include <json/json.h>

#include "core/document/TesseraDoc.h"
#include "core/generation/LibraryPath.h"
#include "core/generation/PageRender.h"
#include "core/generation/TextUtil.h"
#include "core/model/TsObject.h"
#include "core/services/Paths.h"

const char* const kGeneratorDomain = "www.quillora.com";

namespace {

DocumentDirectoryAccessor& InstalledAccessor() {
    static DocumentDirectoryAccessor accessor;
    return accessor;
}

// The "file" members of a JSON array of {file, name} objects.
void AddFileMembers(std::vector<std::string>& list, const std::string& text) {
    if (text.empty()) return;
    Json::Value entries;
    Json::Reader reader;
    if (!reader.parse(text, entries, false) || !entries.isArray()) return;
    for (const Json::Value& entry : entries)
        if (entry.isObject() && entry["file"].isString()) AddDistinctNoCase(list, entry["file"].asString());
}

// The ExternalCSS or ExternalJS entries of an object and its descendants, pre-order.
void AddWidgetFiles(std::vector<std::string>& list, const CTsObject& object, std::string CTsObject::*field) {
    for (const std::string& entry : SplitNonEmpty(object.*field, ';')) AddDistinctNoCase(list, entry);
    for (const CTsObject* child : object.children) AddWidgetFiles(list, *child, field);
}

std::vector<std::string> SupportFiles(const CTsObject& page, const std::string& key, std::string CTsObject::*field) {
    std::vector<std::string> list;
    if (page.root && page.root != &page) AddFileMembers(list, page.root->OwnValue(key));
    AddFileMembers(list, page.OwnValue(key));
    AddWidgetFiles(list, page, field);
    return list;
}

std::string ViewportMeta(const CTsObject& page) {
    const std::string content = page.Declare("viewport-width", "width=%s,") + page.Declare("viewport-height", "height=%s,") +
                                page.Declare("initial-scale", "initial-scale=%s,") +
                                page.Declare("maximum-scale", "maximum-scale=%s,") +
                                page.Declare("minimum-scale", "minimum-scale=%s,") +
                                page.Declare("user-scalable", "user-scalable=%s");
    return "<meta name=\"viewport\" content=\"" + content + "\"/>\n";
}

// The installed accessor, else the active document's directory.
bool DocumentDirectory(std::string& directory) {
    if (InstalledAccessor()) return InstalledAccessor()(directory);
    const CTesseraDoc* document = ActiveDocument();
    if (!document) return false;
    directory = document->GetDocumentDirectory();
    return true;
}

bool IsEditedInPlace(CTsObject& page) { return page.editing || page.FindEditing() != nullptr; }

std::string Head(CTsObject& page, PageForm form, const std::string& styleSheet) {
    const bool design = form == PageForm::Design;
    const bool editing = design && IsEditedInPlace(page);
    std::string head;
    if (editing) head += "<!-- saved from url=(0014)about:internet -->\n";
    head += "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" \"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\n";
    head += "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n";
    head += "<head>\n";
    std::string directory;
    if (design && DocumentDirectory(directory))
        head += "<base href=\"" + FileUrlFromPath(directory) + "\" />\n";
    head += page.DeclareOrSite("title", "<title>%s</title>\n");
    head += "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\" />\n";
    head += page.DeclareOrSite("robots", "<meta name=\"robots\" content=\"%s\" />\n");
    head += page.DeclareOrSite("keywords", "<meta name=\"keywords\" content=\"%s\" />\n");
    head += page.DeclareOrSite("description", "<meta name=\"description\" content=\"%s\" />\n");
    head += std::string("<meta name=\"generator\" content=\"") + kGeneratorDomain + "\" />\n";
    head += ViewportMeta(page);
    for (const std::string& file : SupportFiles(page, "external-stylesheet", &CTsObject::externalCSS))
        head += "<link rel=\"stylesheet\" href=\"" + ResolveLibraryPath(file) + "\" type=\"text/css\" />\n";
    for (const std::string& file : SupportFiles(page, "external-javascript", &CTsObject::externalJS))
        head += "<script type=\"text/javascript\" src=\"" + ResolveLibraryPath(file) + "\"></script>\n";
    head += "<style type=\"text/css\">\n<!--\n" + styleSheet + page.ValueOrSite("inpage-stylesheet") + "-->\n</style>\n";
    head += page.DeclareOrSite("inpage-javascript", "<script type=\"text/javascript\">%s</script>\n");
    if (editing) head += "<script src=\"" + ProgramFileUrl("ckeditor/ckeditor.js") + "\"></script>\n";
    head += "</head>\n";
    return head;
}

}  // namespace

void SetDocumentDirectoryAccessor(DocumentDirectoryAccessor accessor) { InstalledAccessor() = std::move(accessor); }

std::string AssemblePageDocument(CTsObject& page, PageForm form, const std::string& styleSheet, const std::string& body,
                                 bool socketPass, bool noWrapper) {
    std::string document = Head(page, form, styleSheet);
    document += "<body>\n";
    for (CTsObject* child : page.children) document += Render(*child, form, socketPass, &page, noWrapper, true);
    document += body;
    document += "</div>\n";
    if (form == PageForm::Export) {
        const std::string id = page.GetName();
        document += page.ValueOrSite("tracking-javascript");
        document += "<script type=\"text/javascript\">$(document).ready(function() {\t$(\"#" + id +
                    "\").height($(document).height());});</script>\n";
    }
    document += "</body>\n</html>";
    if (form == PageForm::Design) RewriteExternalFiles(document, page.externalFiles);
    return document;
}
