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
#include "core/generation/ExportCommands.h"
#include "core/generation/Sitemap.h"
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

}  // namespace

void (*openWithDefaultHandler)(const QString& path) = OpenWithSystem;

QString ExportDirectoryOfView(CTesseraView* view) { return Q(ExportDirectoryOf(view->Document()->site)); }

QString PreviewDirectoryPath() { return Q(::PreviewDirectory()); }

void ExportSiteCommand(CTesseraView* view) {
    if (!view) return;
    SyncSharedFromShownPage(view);
    CTesseraDoc* document = view->Document();
    const QString proposal = ExportDirectoryOfView(view);
    MakeDirectory(proposal);
    CChooseDirDlg dialog(view);
    dialog.caption = "Set Export Directory";
    dialog.directory = proposal;
    if (dialog.exec() != QDialog::Accepted) return;
    const QString directory = dialog.directory;
    // The old export goes to the trash, not out of existence.
    if (QDir(directory).exists() && !QFile::moveToTrash(directory)) QDir(directory).removeRecursively();
    MakeDirectory(directory);
    if (ExportToDirectory(document->site, directory.toStdString(), document->GetDocumentDirectory()))
        openWithDefaultHandler(directory);
}

void PreviewSiteCommand(CTesseraView* view) {
    if (!view) return;
    SyncSharedFromShownPage(view);
    CTesseraDoc* document = view->Document();
    const std::string pageName = view->CurrentPage() ? view->CurrentPage()->GetName() : std::string();
    std::string pageToOpen;
    if (PreviewSite(document->site, document->GetDocumentDirectory(), pageName, pageToOpen))
        openWithDefaultHandler(Q(pageToOpen));
}

void SetExportDirectoryCommand(CTesseraView* view) {
    if (!view) return;
    const QString chosen = QFileDialog::getExistingDirectory(view, "Please choose the directory to export the site:",
                                                             ExportDirectoryOfView(view));
    if (!chosen.isEmpty()) StoreExportDirectory(view->Document()->site, chosen.toStdString());
}

void GenerateSitemapCommand(CTesseraView* view) {
    if (!view) return;
    CTsObject& site = view->Document()->site;
    if (site.OwnValue("domain").empty()) {
        ShowMessage("Please set domain name first.");
        return;
    }
    QFileDialog dialog(view, QString(), "sitemap.xml", "Xml Files(*.xml);;All Files(*.*)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("xml");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    WriteSitemap(site, path.toStdString());
    openWithDefaultHandler(QFileInfo(path).absolutePath());
}

void DumpSharedObjects(CTesseraView* view) {
    if (view) DumpShared(view->Document()->site.sharedGroups);
}
