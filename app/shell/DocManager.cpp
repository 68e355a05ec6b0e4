#include "app/shell/DocManager.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <set>

#include "app/browser/ChildFrame.h"
#include "app/browser/ChooseDirDlg.h"
#include "app/design/TesseraView.h"
#include "app/shell/MainFrame.h"
#include "core/document/AppEventHub.h"
#include "core/document/TesseraDoc.h"

namespace {

constexpr int kRecentFileCount = 8;
const char* const kFileFilter = "Quillora Files (*.quillora)";

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The save-site question of a first save, answered by the directory chooser.
class CDialogDirectoryChooser : public IDirectoryChooser {
public:
    bool ChooseDirectory(const std::string& title, std::string& directory, std::string& siteName) override {
        CChooseDirDlg dialog(QApplication::activeWindow());
        dialog.caption = Q(title);
        dialog.directory = Q(directory);
        dialog.siteName = Q(siteName);
        if (dialog.exec() != QDialog::Accepted) return false;
        directory = dialog.directory.toStdString();
        siteName = dialog.siteName.toStdString();
        return true;
    }
};

int AskSaveChangesWithMessageBox(const QString& title) {
    return QMessageBox::question(QApplication::activeWindow(), "Quillora", QString("Save changes to %1?").arg(title),
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

QSettings Profile() { return QSettings("Quillora Inc", "Quillora"); }

}  // namespace

std::function<int(const QString&)> CDocManager::askSaveChanges = AskSaveChangesWithMessageBox;

CDocManager::CDocManager(CMainFrame* frame) : QObject(frame), frame_(frame) {
    static CDialogDirectoryChooser chooser;
    SetDirectoryChooser(&chooser);
}

CDocManager::~CDocManager() = default;

CTesseraDoc* CDocManager::OnFileNew() {
    auto document = std::make_unique<CTesseraDoc>();
    creating_ = true;
    const bool created = document->OnNewDocument();
    creating_ = false;
    if (!created) return nullptr;
    document->modified = false;
    document->title = "Quillora" + std::to_string(++untitledCount_);
    CTesseraDoc* result = document.get();
    OpenFrame(std::move(document));
    return result;
}

void CDocManager::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(frame_, QString(), QString(), kFileFilter);
    if (!path.isEmpty()) OpenDocumentFile(path);
}

CTesseraDoc* CDocManager::OpenDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CTesseraDoc* open : Documents()) {
        if (Q(open->path) == absolute) {
            frame_->MdiArea()->setActiveSubWindow(FrameOf(open));
            return open;
        }
    }
    auto document = std::make_unique<CTesseraDoc>();
    creating_ = true;
    const bool opened = document->OnOpenDocument(absolute.toStdString());
    creating_ = false;
    if (!opened) return nullptr;
    document->path = absolute.toStdString();
    document->title = QFileInfo(absolute).fileName().toStdString();
    document->modified = false;
    AddToRecentFiles(absolute);
    CTesseraDoc* result = document.get();
    OpenFrame(std::move(document));
    return result;
}

CChildFrame* CDocManager::OpenFrame(std::unique_ptr<CTesseraDoc> document) {
    CTesseraDoc* raw = document.get();
    documents_.push_back(std::move(document));
    auto* view = new CTesseraView(raw);
    auto* frame = new CChildFrame(view, this);
    connect(frame, &QObject::destroyed, this, [this, raw] {
        std::erase_if(documents_, [raw](const auto& owned) { return owned.get() == raw; });
        QTimer::singleShot(0, frame_, &CMainFrame::UpdateMenusForDocuments);
    });
    frame_->MdiArea()->addSubWindow(frame);
    frame->showMaximized();
    frame_->MdiArea()->setActiveSubWindow(frame);
    OnFrameActivated();
    return frame;
}

void CDocManager::OnFrameActivated() {
    AppEventHub& hub = AppEventHub::Instance();
    hub.Dispatch(ActiveDocumentChanged);
    hub.Dispatch(ActiveViewChanged);
    hub.Dispatch(SyncAccelerators);
    CTesseraDoc* document = ActiveDocument();
    frame_->setWindowTitle(document ? TitleOf(document) + " - Quillora" : QString("Quillora"));
    frame_->UpdateMenusForDocuments();
}

void CDocManager::OnFileClose() {
    if (CTesseraDoc* document = ActiveDocument()) CloseDocument(document);
}

bool CDocManager::OnFileSave() {
    CTesseraDoc* document = ActiveDocument();
    return document && DoSave(document, false);
}

bool CDocManager::OnFileSaveAs() {
    CTesseraDoc* document = ActiveDocument();
    return document && DoSave(document, true);
}

bool CDocManager::DoSave(CTesseraDoc* document, bool saveAs) {
    const std::string path = document->path;
    const bool saved = (saveAs || path.empty()) ? document->DoSave(nullptr, true) : document->DoSave(&path, true);
    if (!saved) return false;
    document->title = QFileInfo(Q(document->path)).fileName().toStdString();
    AddToRecentFiles(Q(document->path));
    UpdateTitle(document);
    return true;
}

void CDocManager::OnLoadTemplate() {
    const QString path = QFileDialog::getOpenFileName(frame_, QString(), QString(),
                                                      "Template Files(*.quillora);;All Files(*.*)");
    if (path.isEmpty()) return;
    PendingTemplatePath() = path.toStdString();
    OnFileNew();
}

void CDocManager::OnEditUndo() {
    if (CTesseraDoc* document = ActiveDocument()) document->history.Undo();
}

void CDocManager::OnEditRedo() {
    if (CTesseraDoc* document = ActiveDocument()) document->history.Redo();
}

bool CDocManager::SaveModified(CTesseraDoc* document) {
    if (!document->modified) return true;
    switch (askSaveChanges(TitleOf(document))) {
    case QMessageBox::Yes: return DoSave(document, false);
    case QMessageBox::No: return true;
    default: return false;
    }
}

bool CDocManager::CloseDocument(CTesseraDoc* document, bool ask) {
    CChildFrame* frame = FrameOf(document);
    if (ask && !SaveModified(document)) return false;
    document->OnCloseDocument();
    if (frame) {
        closingWithoutQuestion_ = true;
        frame->close();
        closingWithoutQuestion_ = false;
    }
    return true;
}

bool CDocManager::CloseAllDocuments() {
    for (CTesseraDoc* document : Documents())
        if (!CloseDocument(document)) return false;
    return true;
}

bool CDocManager::CanCloseFrame(CChildFrame* frame) {
    if (closingWithoutQuestion_) return true;
    CTesseraDoc* document = frame->View()->Document();
    if (!SaveModified(document)) return false;
    document->OnCloseDocument();
    return true;
}

CTesseraDoc* CDocManager::ActiveDocument() const {
    CTesseraView* view = frame_->ActiveView();
    return view ? view->Document() : nullptr;
}

CChildFrame* CDocManager::FrameOf(const CTesseraDoc* document) const {
    for (QMdiSubWindow* window : frame_->MdiArea()->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && frame->View()->Document() == document) return frame;
    }
    return nullptr;
}

CTesseraView* CDocManager::ViewOf(const CTesseraDoc* document) const {
    CChildFrame* frame = FrameOf(document);
    return frame ? frame->View() : nullptr;
}

std::vector<CTesseraDoc*> CDocManager::Documents() const {
    std::vector<CTesseraDoc*> list;
    for (QMdiSubWindow* window : frame_->MdiArea()->subWindowList())
        if (auto* frame = qobject_cast<CChildFrame*>(window)) list.push_back(frame->View()->Document());
    return list;
}

QString CDocManager::TitleOf(const CTesseraDoc* document) const { return Q(document->title); }

void CDocManager::UpdateTitle(CTesseraDoc* document) {
    if (CChildFrame* frame = FrameOf(document)) frame->UpdateFrameText();
    if (document == ActiveDocument()) frame_->setWindowTitle(TitleOf(document) + " - Quillora");
}

void CDocManager::AttachRecentMenu(QMenu* menu) {
    recentMenu_ = menu;
    connect(menu, &QMenu::aboutToShow, this, &CDocManager::FillRecentMenu);
    connect(frame_->MdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (window) OnFrameActivated();
    });
    FillRecentMenu();
}

QStringList CDocManager::RecentFiles() const {
    QSettings settings = Profile();
    QStringList files;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString file = settings.value(QString("Recent File List/File%1").arg(i)).toString();
        if (!file.isEmpty()) files << file;
    }
    return files;
}

void CDocManager::AddToRecentFiles(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    QSettings settings = Profile();
    for (int i = 1; i <= kRecentFileCount; ++i)
        settings.setValue(QString("Recent File List/File%1").arg(i), i <= files.size() ? files[i - 1] : QString());
}

void CDocManager::FillRecentMenu() {
    if (!recentMenu_) return;
    recentMenu_->clear();
    const QStringList files = RecentFiles();
    int number = 0;
    for (const QString& file : files) {
        QAction* action = recentMenu_->addAction(QString("&%1 %2").arg(++number).arg(file));
        action->setObjectName(QString("ID_%1").arg(57616 + number - 1));
        connect(action, &QAction::triggered, this, [this, file] { OpenDocumentFile(file); });
    }
    recentMenu_->setEnabled(!files.isEmpty());
}
