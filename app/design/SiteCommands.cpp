#include "app/design/SiteCommands.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QUrl>

#include "app/browser/ChooseDirDlg.h"
#include "app/design/TesseraView.h"
#include "core/document/TesseraDoc.h"
#if __has_include("core/generation/SiteExport.h")
#include "core/generation/SiteExport.h"
#else
// Until the exporter lands every export reports failure.
static bool ExportSite(CTsObject&, const std::string&) { return false; }
#endif
#include "core/generation/SitemapText.h"
#include "core/model/SharedObjects.h"
#include "core/model/TsObject.h"
#include "core/services/Prompt.h"
#include "core/services/TextFile.h"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

void OpenWithSystem(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

// Brings the shared copies up to date from the page shown.
void SyncSharedFromShownPage(CTesseraView* view) {
    CTsObject* page = view->CurrentPage();
    if (!page) return;
    if (!page->root || !page->root->IsSite()) ShowMessage("only site object can link two object");
    else SyncShared(page->root->sharedGroups, *page);
}

bool MakeDirectory(const QString& path) {
    if (QDir(path).exists() || QDir().mkpath(path)) return true;
    ShowMessage(QString("SHCreateDirectoryEx returns %1").arg(errno).toStdString());
    return false;
}

// Text with every line feed written as CR LF.
std::string WithCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

void (*openWithDefaultHandler)(const QString& path) = OpenWithSystem;

QString ExportDirectoryOf(CTesseraView* view) {
    CTsObject& site = view->Document()->site;
    const QString stored = Q(site.OwnValue("export-directory"));
    if (!stored.isEmpty()) return stored;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).filePath(Q(site.GetName()));
}

QString PreviewDirectory() { return QDir(QDir::tempPath()).filePath("Quillora"); }

void ExportSiteCommand(CTesseraView* view) {
    if (!view) return;
    SyncSharedFromShownPage(view);
    CTsObject& site = view->Document()->site;
    const QString proposal = ExportDirectoryOf(view);
    MakeDirectory(proposal);
    CChooseDirDlg dialog(view);
    dialog.caption = "Set Export Directory";
    dialog.directory = proposal;
    if (dialog.exec() != QDialog::Accepted) return;
    const QString directory = dialog.directory;
    // The old export goes to the trash, not out of existence.
    if (QDir(directory).exists()) {
        QString trashed = directory;
        if (!QFile::moveToTrash(directory, &trashed)) QDir(directory).removeRecursively();
    }
    MakeDirectory(directory);
    site.SetProperty("export-directory", directory.toStdString());
    if (ExportSite(site, directory.toStdString())) openWithDefaultHandler(directory);
    else ShowMessage("Export failed.");
}

void PreviewSiteCommand(CTesseraView* view) {
    if (!view) return;
    SyncSharedFromShownPage(view);
    const QString directory = PreviewDirectory();
    QDir(directory).removeRecursively();
    MakeDirectory(directory);
    if (!ExportSite(view->Document()->site, directory.toStdString())) {
        ShowMessage("Export failed.");
        return;
    }
    const QString page = view->CurrentPage() ? Q(view->CurrentPage()->GetFileName()) : QString("index.htm");
    openWithDefaultHandler(QDir(directory).filePath(page));
}

void SetExportDirectoryCommand(CTesseraView* view) {
    if (!view) return;
    CTsObject& site = view->Document()->site;
    const QString start = ExportDirectoryOf(view);
    const QString chosen =
        QFileDialog::getExistingDirectory(view, "Please choose the directory to export the site:", start);
    if (chosen.isEmpty() || chosen.compare(Q(site.OwnValue("export-directory")), Qt::CaseInsensitive) == 0) return;
    site.SetProperty("export-directory", chosen.toStdString());
}

void GenerateSitemapCommand(CTesseraView* view) {
    if (!view) return;
    CTsObject& site = view->Document()->site;
    const std::string domain = site.OwnValue("domain");
    if (domain.empty()) {
        ShowMessage("Please set domain name first.");
        return;
    }
    QFileDialog dialog(view, QString(), "sitemap.xml", "Xml Files(*.xml);;All Files(*.*)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("xml");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    std::vector<std::string> pages;
    for (CTsObject* page : site.children) pages.push_back(page->GetName());
    WriteTextFile(path.toStdString(), WithCrLf(BuildSitemapText(domain, pages, LocalDate())));
    openWithDefaultHandler(QFileInfo(path).absolutePath());
}

void DumpSharedObjects(CTesseraView* view) {
    if (view) DumpShared(view->Document()->site.sharedGroups);
}
