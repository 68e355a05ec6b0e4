#include "core/document/TesseraDoc.h"

#include <strings.h>

#include <cerrno>
#include <filesystem>

#include "core/document/AppEventHub.h"
#include "core/document/AtomicFile.h"
#include "core/document/TreeEdits.h"
#include "core/generation/FileCollection.h"
#include "core/model/ModelHooks.h"
#include "core/model/SharedObjects.h"
#include "core/model/SiteArchive.h"
#include "core/services/Paths.h"
#include "core/services/Prompt.h"
#include "core/services/TextFile.h"

const char* const kDefaultBlockText =
    "<p>This is a block, like a brick to a house, you can use it to build your web page, single click to "
    "select it, hold mouse left button and move to drag it, on the right side is the properties you can "
    "change to customize it, and double click it to change it's content.</p>";

namespace {

const char* const kOpenFailed = "Failed to open document.";
const char* const kUntitledBase = "Quillora";

IDirectoryChooser* g_chooser = nullptr;
CTesseraDoc* g_activeDocument = nullptr;
int g_untitledCount = 0;

// The viewport the active document shows redirects every property access; the
// destroyed members of a site leave their shared groups.
void InstallDocumentHooks() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    SetCurrentViewportAccessor([] { return g_activeDocument ? g_activeDocument->currentViewport : 0; });
    InstallSharedObjectHooks();
}

// The folder part of a path, up to and including its last "/"; empty without one.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

void Raise(int event) { AppEventHub::Instance().Dispatch(event); }

}  // namespace

void SetDirectoryChooser(IDirectoryChooser* chooser) { g_chooser = chooser; }

std::string& PendingTemplatePath() {
    static std::string path;
    return path;
}

CTesseraDoc* ActiveDocument() { return g_activeDocument; }
void SetActiveDocument(CTesseraDoc* document) { g_activeDocument = document; }

CTesseraDoc::CTesseraDoc() { InstallDocumentHooks(); }

CTesseraDoc::~CTesseraDoc() {
    HandClipboardPagesOver(site);
    if (g_activeDocument == this) g_activeDocument = nullptr;
    // The history goes first (member order): what only it held is destroyed while
    // the site still stands.
}

bool CTesseraDoc::OnNewDocument() {
    title = kUntitledBase + std::to_string(++g_untitledCount);
    std::string& pending = PendingTemplatePath();
    if (!pending.empty() && FileExists(pending)) {
        std::string text;
        if (!ReadTextFile(pending, text)) {
            ShowMessage("Can't create file, " + std::to_string(errno) + ".");
            pending.clear();
            return false;
        }
        CJsonArchive archive(text);
        Serialize(archive);
        templatePath = pending;
        pending.clear();
        return true;
    }
    CTsObject* page = site.children[static_cast<size_t>(site.CreatePage())];
    auto* block = new CTsObject(page, "Block");
    page->AppendChild(block);
    block->SetInnerHTML(kDefaultBlockText);
    if (site.children.size() == 1) page->SetProperty("name", PropertyVariant("index"));
    return true;
}

bool CTesseraDoc::OnOpenDocument(const std::string& filePath) {
    std::string text;
    if (!ReadTextFile(filePath, text)) {
        ShowMessage(kOpenFailed);
        return false;
    }
    modified = true;
    CJsonArchive archive(text);
    if (!archive.parsed) {
        ShowMessage(kOpenFailed);
        return false;
    }
    Serialize(archive);
    path = filePath;
    title = FileNameOf(filePath);
    modified = false;
    return true;
}

bool CTesseraDoc::OnSaveDocument(const std::string& filePath) {
    if (shownPage) SyncSharedFromPage(*shownPage);
    CJsonArchive archive;
    Serialize(archive);
    switch (WriteFileAtomically(filePath, archive.StyledText())) {
        case AtomicWriteResult::CannotCreate:
            ShowMessage("Incorrect filename.");
            return false;
        case AtomicWriteResult::WriteFailed:
            ShowMessage("Failed to save document.");
            return false;
        case AtomicWriteResult::Written:
            break;
    }
    modified = false;
    return true;
}

bool CTesseraDoc::DoSave(const std::string* filePath, bool replace) {
    std::string target = filePath ? *filePath : std::string();
    if (target.empty()) {
        std::string directory;
        std::string siteName = site.GetName();
        if (!g_chooser || !g_chooser->ChooseDirectory("Save Site to Directory", directory, siteName)) return false;
        if (strcasecmp(siteName.c_str(), site.GetName().c_str()) != 0)
            site.SetProperty("name", PropertyVariant(siteName));
        std::error_code error;
        std::filesystem::create_directories(directory, error);
        if (error) ShowMessage("SHCreateDirectoryEx returns " + std::to_string(error.value()));
        target = PathJoin(directory, site.GetName() + ".quillora");
    }
    if (replace) CollectSiteFiles(site, target, path.empty() ? templatePath : path);
    if (!OnSaveDocument(target)) return false;
    if (replace) {
        path = target;
        title = FileNameOf(target);
    }
    return true;
}

void CTesseraDoc::OnCloseDocument() {
    Raise(ClearPanes);
    HandClipboardPagesOver(site);
    shownPage = nullptr;
}

void CTesseraDoc::Serialize(CJsonArchive& archive) { SerializeSite(site, archive); }

std::string CTesseraDoc::GetDocumentDirectory() const {
    if (!path.empty()) return FolderOf(path);
    if (!templatePath.empty()) return FolderOf(templatePath);
    return ProgramDirectory();
}

int CTesseraDoc::AddPageCommand() {
    const int index = site.CreatePage();
    Raise(RefreshSiteTree);
    Raise(SetModified);
    return index;
}

int CTesseraDoc::DuplicatePage(CTsObject& page) {
    const int index = site.AppendChild(page.Clone());
    Raise(RefreshSiteTree);
    Raise(SetModified);
    return index;
}
