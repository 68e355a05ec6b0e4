#include "core/generation/ExportSite.h"

#include "core/generation/FileCollection.h"
#include "core/generation/LibraryPath.h"
#include "core/generation/OutputFile.h"
#include "core/generation/PageRender.h"
#include "core/generation/TextUtil.h"
#include "core/model/TsObject.h"
#include "core/services/Paths.h"
#include "core/services/Prompt.h"

namespace {

// Every page name must make a plain file name inside the export directory.
bool CheckPageNames(const CTsObject& site) {
    for (const CTsObject* page : site.children) {
        const std::string name = page->GetName();
        if (IsValidName(name)) continue;
        ShowMessage("Can't export page \"" + name +
                    "\": a page name can only contain letters, digits, \"-\" and \"_\", and can't begin with a digit.");
        return false;
    }
    return true;
}

bool WritePage(CTsObject& page, const std::string& directory, CopyList& copies) {
    const std::string path = PathJoin(directory, page.GetName() + ".htm");
    std::string document = RenderPage(page, PageForm::Export);
    // Only a text that names a local file has anything to rewrite.
    if (document.find("file://") != std::string::npos) document = RewriteFileUrls(document, directory, copies);
    if (WriteTextWithCrLf(path, document)) return true;
    ShowMessage("Can't write to file " + path + ".");
    return false;
}

void RegisterExternalFiles(const CTsObject& object, const std::string& directory, CopyList& copies) {
    for (const std::string& entry : SplitNonEmpty(object.externalFiles, ';'))
        RegisterCopy(ResolveLibraryPath(entry), directory, copies);
    for (const CTsObject* child : object.children) RegisterExternalFiles(*child, directory, copies);
}

void RegisterFilesFolder(const std::string& directory, const std::string& documentDirectory, CopyList& copies) {
    if (documentDirectory.empty()) return;
    const std::string target = PathJoin(directory, "files");
    const std::string source = PathJoin(documentDirectory, "files");
    if (!DirectoryExists(source) || EqualsNoCase(source, target)) return;
    copies.sources.push_back(source);
    copies.destinations.push_back(target);
}

}  // namespace

bool ExportSite(CTsObject& site, const std::string& directory, const std::string& documentDirectory) {
    if (!EqualsNoCase(site.type, "Site")) {
        ShowMessage("Must export from site object.");
        return false;
    }
    if (!CheckPageNames(site)) return false;
    MakeDirectories(directory);
    CopyList copies;
    for (CTsObject* page : site.children)
        if (!WritePage(*page, directory, copies)) return false;
    RegisterExternalFiles(site, directory, copies);
    RegisterFilesFolder(directory, documentDirectory, copies);
    return CopyFiles(copies);
}
