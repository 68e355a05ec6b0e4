#include "app/shell/MainFrame.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

#include "app/design/SiteCommands.h"
#include "app/design/TesseraView.h"
#include "app/shell/AboutBox.h"
#include "app/shell/DocumentListButton.h"
#include "app/shell/CommandIds.h"
#include "app/shell/DocManager.h"
#include "app/shell/Looks.h"
#include "app/shell/ObjectView.h"
#include "app/shell/SiteView.h"
#include "app/shell/UserSettings.h"
#include "core/document/AppEventHub.h"
#include "core/document/TesseraDoc.h"

namespace {

// The maker's pages opened by the help commands.
constexpr const char* kManualAddress = "https://quillora.app/manual";
constexpr const char* kHomeAddress = "https://quillora.app/";
constexpr const char* kForumAddress = "https://quillora.app/forum";

struct COMMAND {
    int id;
    const char* text;
    const char* shortcut;
};

// The commands of the menus (text with the mnemonic, accelerator).
const COMMAND kCommands[] = {
    {ID_FILE_NEW, "&New Site", "Ctrl+N"},
    {ID_FILE_OPEN, "&Open Site...", "Ctrl+O"},
    {ID_FILE_CLOSE, "&Close Site", ""},
    {ID_FILE_SAVE, "&Save Site", "Ctrl+S"},
    {ID_FILE_SAVE_AS, "Save Site &As...", ""},
    {ID_LOAD_TEMPLATE, "&Load Template...", ""},
    {ID_APP_EXIT, "E&xit", ""},
    {ID_EDIT_UNDO, "&Undo", "Ctrl+Z"},
    {ID_EDIT_REDO, "&Redo", "Ctrl+Y"},
    {ID_MOVE_LEFT, "Move &Left", ""},
    {ID_MOVE_RIGHT, "Move &Right", ""},
    {ID_MOVE_UP, "Move &Up", ""},
    {ID_MOVE_DOWN, "Move &Down", ""},
    {ID_PREVIEW_SITE, "P&review Site", "F5"},
    {ID_SHOW_SITE_PROPERTY, "Show Site &Property", ""},
    {ID_SHOW_SITE_VIEW, "Show Site &View", ""},
    {ID_SET_EXPORT_DIRECTORY, "&Set Export Directory...", ""},
    {ID_EXPORT_SITE, "&Export Site...", "F7"},
    {ID_GENERATE_SITEMAP, "&Generate Sitemap...", ""},
    {ID_SHOW_PAGE_PROPERTY, "Sho&w Page Property", ""},
    {ID_SHOW_PAGE_VIEW, "Show &Page View", ""},
    {ID_ADD_PAGE, "&Add Page", ""},
    {ID_DELETE_PAGE, "&Delete Page", ""},
    {ID_CLONE_PAGE, "&Clone Page", ""},
    {ID_CUT_PAGE, "Cut Page", ""},
    {ID_COPY_PAGE, "Copy Page", ""},
    {ID_PASTE_PAGE, "Paste Page", ""},
    {ID_VIEW_TOOLBAR, "&Toolbars and Docking Windows", ""},
    {ID_VIEW_STATUS_BAR, "&Status Bar", ""},
    {ID_SHOW_ADVANCED_PROPERTY, "Show Advanced &Property", ""},
    {ID_SHOW_MANUAL, "Show Manual", ""},
    {ID_GO_HOMEPAGE, "Go homepage...", ""},
    {ID_GO_FORUM, "Go forum...", ""},
    {ID_APP_ABOUT, "&About Quillora...", ""},
    {ID_NEXT_PANE, "Next Pane", "F6"},
    {ID_PREV_PANE, "Previous Pane", "Shift+F6"},
};

// The standard toolbar, in order (0 = separator), of the commands that exist.
const int kStandardToolBar[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_UNDO, ID_EDIT_REDO, 0,
                                ID_PREVIEW_SITE, ID_EXPORT_SITE, ID_SET_EXPORT_DIRECTORY};

QIcon StandardIcon(int id) {
    QStyle* style = QApplication::style();
    switch (id) {
    case ID_FILE_NEW: return style->standardIcon(QStyle::SP_FileIcon);
    case ID_FILE_OPEN: return style->standardIcon(QStyle::SP_DialogOpenButton);
    case ID_FILE_SAVE: return style->standardIcon(QStyle::SP_DialogSaveButton);
    case ID_EDIT_UNDO: return style->standardIcon(QStyle::SP_ArrowBack);
    case ID_EDIT_REDO: return style->standardIcon(QStyle::SP_ArrowForward);
    case ID_PREVIEW_SITE: return style->standardIcon(QStyle::SP_MediaPlay);
    case ID_EXPORT_SITE: return style->standardIcon(QStyle::SP_DriveNetIcon);
    case ID_SET_EXPORT_DIRECTORY: return style->standardIcon(QStyle::SP_DirIcon);
    default: return {};
    }
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Quillora");
    setObjectName("MainFrame");
    resize(1280, 800);
    setAcceptDrops(true);
    OnApplicationLook(ReadApplicationLook());

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setViewMode(QMdiArea::TabbedView);
    mdiArea_->setTabPosition(QTabWidget::North);
    mdiArea_->setTabShape(QTabWidget::Rounded);
    mdiArea_->setTabsClosable(true);
    mdiArea_->setTabsMovable(true);
    mdiArea_->setDocumentMode(true);
    setCentralWidget(mdiArea_);
    new CDocumentListButton(mdiArea_);
    documents_ = new CDocManager(this);

    CreateCommands();
    CreatePanes();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    ConnectCommands();
    AppEventHub::Instance().mainFrame = this;
    showAdvanced_ = ReadShowAdvanced();
    Command(ID_SHOW_ADVANCED_PROPERTY)->setChecked(showAdvanced_);
    SetZoom(100);
    UpdateMenusForDocuments();
}

CMainFrame::~CMainFrame() {
    AppEventHub& hub = AppEventHub::Instance();
    if (hub.mainFrame == this) hub.mainFrame = nullptr;
    if (hub.siteTree == siteView_) hub.siteTree = nullptr;
    if (hub.widgetTree == objectView_) hub.widgetTree = nullptr;
}

QAction* CMainFrame::AddCommand(int id, const QString& text, const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString("ID_%1").arg(id));
    action->setData(id);
    action->setIcon(StandardIcon(id));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    addAction(action);
    commands_.insert(id, action);
    return action;
}

void CMainFrame::CreateCommands() {
    for (const COMMAND& command : kCommands)
        AddCommand(command.id, command.text, QKeySequence(QString::fromLatin1(command.shortcut)));
    Command(ID_SHOW_ADVANCED_PROPERTY)->setCheckable(true);
    Command(ID_VIEW_STATUS_BAR)->setCheckable(true);
    Command(ID_VIEW_STATUS_BAR)->setChecked(true);

    looks_ = new QActionGroup(this);
    looks_->setExclusive(true);
    for (int id = ID_VIEW_APPLOOK_FIRST; id <= ID_VIEW_APPLOOK_LAST; ++id) {
        const APPLOOK* look = FindLook(id);
        QAction* action = AddCommand(id, look->menuText);
        action->setCheckable(true);
        action->setChecked(id == currentLook_);
        looks_->addAction(action);
        connect(action, &QAction::triggered, this, [this, id] { OnApplicationLook(id); });
    }
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction(Command(ID_FILE_NEW));
    file->addAction(Command(ID_ADD_PAGE));
    file->addAction(Command(ID_FILE_OPEN));
    file->addAction(Command(ID_FILE_CLOSE));
    file->addAction(Command(ID_FILE_SAVE));
    file->addAction(Command(ID_FILE_SAVE_AS));
    file->addSeparator();
    file->addAction(Command(ID_LOAD_TEMPLATE));
    file->addSeparator();
    recentMenu_ = file->addMenu("Recent Site");
    recentMenu_->setObjectName("RecentSite");
    documents_->AttachRecentMenu(recentMenu_);
    file->addSeparator();
    file->addAction(Command(ID_APP_EXIT));

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->addAction(Command(ID_EDIT_UNDO));
    edit->addAction(Command(ID_EDIT_REDO));
    edit->addSeparator();
    QMenu* tree = edit->addMenu("Widget Tree Manage");
    for (int id : {ID_MOVE_LEFT, ID_MOVE_RIGHT, ID_MOVE_UP, ID_MOVE_DOWN}) tree->addAction(Command(id));
    for (QMenu* menu : {edit, tree}) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
        connect(menu, &QMenu::aboutToHide, this, &CMainFrame::EnableCheckedCommands);
    }

    QMenu* site = menuBar()->addMenu("&Site");
    for (int id : {ID_PREVIEW_SITE, ID_SHOW_SITE_PROPERTY, ID_SHOW_SITE_VIEW}) site->addAction(Command(id));
    site->addSeparator();
    for (int id : {ID_SET_EXPORT_DIRECTORY, ID_EXPORT_SITE, ID_GENERATE_SITEMAP}) site->addAction(Command(id));

    QMenu* page = menuBar()->addMenu("&Page");
    for (int id : {ID_SHOW_PAGE_PROPERTY, ID_SHOW_PAGE_VIEW}) page->addAction(Command(id));
    page->addSeparator();
    for (int id : {ID_ADD_PAGE, ID_DELETE_PAGE, ID_CLONE_PAGE}) page->addAction(Command(id));
    page->addSeparator();
    for (int id : {ID_CUT_PAGE, ID_COPY_PAGE, ID_PASTE_PAGE}) page->addAction(Command(id));
    connect(page, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    connect(page, &QMenu::aboutToHide, this, &CMainFrame::EnableCheckedCommands);
    siteMenus_ = {edit, site, page};

    QMenu* view = menuBar()->addMenu("&View");
    QMenu* panes = view->addMenu(Command(ID_VIEW_TOOLBAR)->text());
    panes->setObjectName("ID_59392");
    connect(panes, &QMenu::aboutToShow, this, [this, panes] {
        panes->clear();
        // The pane and toolbar list of the main window, with the visibility toggles.
        for (QDockWidget* dock : {siteDock_, pageDock_, propertiesDock_}) panes->addAction(dock->toggleViewAction());
        panes->addAction(standardToolBar_->toggleViewAction());
    });
    view->addAction(Command(ID_VIEW_STATUS_BAR));
    QMenu* looks = view->addMenu("Application Look");
    for (int id : {205, 206, 207, 208, 209, 210}) looks->addAction(Command(id));
    QMenu* office = looks->addMenu("Office 200&7");
    for (int id : {215, 216, 217, 218}) office->addAction(Command(id));
    view->addSeparator();
    view->addAction(Command(ID_SHOW_ADVANCED_PROPERTY));

    helpMenu_ = menuBar()->addMenu("&Help");
    for (int id : {ID_SHOW_MANUAL, ID_GO_HOMEPAGE, ID_GO_FORUM}) helpMenu_->addAction(Command(id));
    helpMenu_->addSeparator();
    helpMenu_->addAction(Command(ID_APP_ABOUT));
}

void CMainFrame::CreateToolBar() {
    standardToolBar_ = addToolBar("Standard");
    standardToolBar_->setObjectName("Standard");
    for (int id : kStandardToolBar) {
        if (id == 0) standardToolBar_->addSeparator();
        else standardToolBar_->addAction(Command(id));
    }
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    zoomPane_ = new QLabel("100%", bar);
    zoomPane_->setObjectName(QString::number(ID_INDICATOR_ZOOM));
    zoomSlider_ = new QSlider(Qt::Horizontal, bar);
    zoomSlider_->setObjectName(QString::number(ID_INDICATOR_ZOOM_SLIDER));
    zoomSlider_->setRange(50, 200);
    zoomSlider_->setFixedWidth(fontMetrics().horizontalAdvance("Zoom                              Level"));
    positionPane_ = new QLabel(bar);
    positionPane_->setObjectName(QString::number(ID_INDICATOR_POSITION));
    positionPane_->setMinimumWidth(fontMetrics().horizontalAdvance("100 x 100") + 8);
    bar->addPermanentWidget(zoomPane_);
    bar->addPermanentWidget(zoomSlider_);
    bar->addPermanentWidget(positionPane_);
    connect(zoomSlider_, &QSlider::valueChanged, this, &CMainFrame::SetZoom);
}

void CMainFrame::CreatePanes() {
    siteView_ = new CSiteView(this);
    objectView_ = new CObjectView(this);
    siteDock_ = new QDockWidget("Site View", this);
    siteDock_->setObjectName("133");
    siteDock_->setWidget(siteView_);
    pageDock_ = new QDockWidget("Page View", this);
    pageDock_->setObjectName("134");
    pageDock_->setWidget(objectView_);
    propertiesDock_ = new QDockWidget("Properties", this);
    propertiesDock_->setObjectName("150");
    propertiesDock_->setWidget(new QWidget(propertiesDock_));
    addDockWidget(Qt::LeftDockWidgetArea, siteDock_);
    addDockWidget(Qt::LeftDockWidgetArea, pageDock_);
    tabifyDockWidget(siteDock_, pageDock_);
    siteDock_->raise();
    addDockWidget(Qt::RightDockWidgetArea, propertiesDock_);
    resizeDocks({siteDock_, propertiesDock_}, {240, 260}, Qt::Horizontal);
    AppEventHub& hub = AppEventHub::Instance();
    hub.siteTree = siteView_;
    hub.widgetTree = objectView_;
}

void CMainFrame::ConnectCommands() {
    auto on = [this](int id, auto slot) { connect(Command(id), &QAction::triggered, this, slot); };
    on(ID_FILE_NEW, [this] { documents_->OnFileNew(); });
    on(ID_FILE_OPEN, [this] { documents_->OnFileOpen(); });
    on(ID_FILE_CLOSE, [this] { documents_->OnFileClose(); });
    on(ID_FILE_SAVE, [this] { documents_->OnFileSave(); });
    on(ID_FILE_SAVE_AS, [this] { documents_->OnFileSaveAs(); });
    on(ID_LOAD_TEMPLATE, [this] { documents_->OnLoadTemplate(); });
    on(ID_APP_EXIT, [this] { close(); });
    on(ID_EDIT_UNDO, [this] { documents_->OnEditUndo(); });
    on(ID_EDIT_REDO, [this] { documents_->OnEditRedo(); });
    on(ID_MOVE_LEFT, [this] { objectView_->OnMoveLeft(); });
    on(ID_MOVE_RIGHT, [this] { objectView_->OnMoveRight(); });
    on(ID_MOVE_UP, [this] { objectView_->OnMoveUp(); });
    on(ID_MOVE_DOWN, [this] { objectView_->OnMoveDown(); });
    on(ID_PREVIEW_SITE, [this] { PreviewSiteCommand(ActiveView()); });
    on(ID_EXPORT_SITE, [this] { ExportSiteCommand(ActiveView()); });
    on(ID_SET_EXPORT_DIRECTORY, [this] { SetExportDirectoryCommand(ActiveView()); });
    on(ID_GENERATE_SITEMAP, [this] { GenerateSitemapCommand(ActiveView()); });
    on(ID_SHOW_SITE_PROPERTY, [this] {
        if (CTesseraView* view = ActiveView()) AppEventHub::Instance().Dispatch(RefreshProperties, intptr_t(&view->Document()->site));
    });
    on(ID_SHOW_PAGE_PROPERTY, [this] {
        if (CTesseraView* view = ActiveView()) AppEventHub::Instance().Dispatch(RefreshProperties, intptr_t(view->CurrentPage()));
    });
    on(ID_SHOW_SITE_VIEW, [this] { siteDock_->show(); siteDock_->raise(); });
    on(ID_SHOW_PAGE_VIEW, [this] { pageDock_->show(); pageDock_->raise(); });
    auto withSiteTree = [this](void (CSiteView::*command)()) {
        return [this, command] {
            siteDock_->show();
            siteDock_->raise();
            (siteView_->*command)();
        };
    };
    on(ID_ADD_PAGE, withSiteTree(&CSiteView::OnAddPage));
    on(ID_DELETE_PAGE, withSiteTree(&CSiteView::OnDeletePage));
    on(ID_CLONE_PAGE, withSiteTree(&CSiteView::OnClonePage));
    // The page clipboard commands of the menu act on the page shown.
    auto onShownPage = [this](int event) {
        return [this, event] {
            if (CTesseraView* view = ActiveView())
                AppEventHub::Instance().Dispatch(event, reinterpret_cast<intptr_t>(view->CurrentPage()));
        };
    };
    on(ID_CUT_PAGE, onShownPage(CutPage));
    on(ID_COPY_PAGE, onShownPage(CopyPage));
    on(ID_PASTE_PAGE, [this] { siteView_->OnPastePage(); });
    on(ID_VIEW_STATUS_BAR, [this](bool on) { statusBar()->setVisible(on); });
    on(ID_SHOW_ADVANCED_PROPERTY, [this] { OnShowAdvancedProperty(); });
    on(ID_SHOW_MANUAL, [this] { OpenHelpAddress(kManualAddress); });
    on(ID_GO_HOMEPAGE, [this] { OpenHelpAddress(kHomeAddress); });
    on(ID_GO_FORUM, [this] { OpenHelpAddress(kForumAddress); });
    on(ID_APP_ABOUT, [this] { OnAppAbout(); });
    on(ID_NEXT_PANE, [this] { CyclePane(1); });
    on(ID_PREV_PANE, [this] { CyclePane(-1); });
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] { UpdateMenusForDocuments(); });
}

CTesseraView* CMainFrame::ActiveView() const {
    // While the program is not the active application the area remembers no
    // active window: the last one activated stands in.
    QMdiSubWindow* window = mdiArea_->activeSubWindow();
    if (!window) window = mdiArea_->currentSubWindow();
    if (!window && !mdiArea_->subWindowList().isEmpty())
        window = mdiArea_->subWindowList(QMdiArea::ActivationHistoryOrder).last();
    return window ? qobject_cast<CTesseraView*>(window->widget()) : nullptr;
}

void CMainFrame::SetZoom(int percent) {
    percent = std::clamp(percent, 50, 200);
    if (zoomSlider_->value() != percent) {
        zoomSlider_->setValue(percent);  // comes back here through valueChanged
        return;
    }
    zoomPane_->setText(QString("%1%").arg(percent));
    if (CTesseraView* view = ActiveView()) view->ApplyZoom(percent);
}

void CMainFrame::ShowPosition(int x, int y) { positionPane_->setText(QString("%1 x %2").arg(x).arg(y)); }

void CMainFrame::OnApplicationLook(int id) {
    if (!FindLook(id)) id = ID_VIEW_APPLOOK_DEFAULT;
    currentLook_ = id;
    ApplyLook(id);
    if (QAction* action = Command(id)) action->setChecked(true);
    WriteApplicationLook(id);
}

void CMainFrame::OnShowAdvancedProperty() {
    showAdvanced_ = !showAdvanced_;
    Command(ID_SHOW_ADVANCED_PROPERTY)->setChecked(showAdvanced_);
    WriteShowAdvanced(showAdvanced_);
    AppEventHub::Instance().Dispatch(RefreshProperties);
}

void CMainFrame::EnableDebugCommands() {
    if (debugCommands_) return;
    debugCommands_ = true;
    helpMenu_->addSeparator();
    helpMenu_->addAction(AddCommand(ID_SHOW_DEVTOOLS, "&Show DevTools"));
    helpMenu_->addAction(AddCommand(ID_DUMP_UNDO_REDO, "Dump Undo Redo"));
    helpMenu_->addAction(AddCommand(ID_DUMP_SHARED_OBJECTS, "Dump Shared Objects"));
    connect(Command(ID_SHOW_DEVTOOLS), &QAction::triggered, this, [this] {
        if (CTesseraView* view = ActiveView()) view->ShowDevTools();
    });
    connect(Command(ID_DUMP_UNDO_REDO), &QAction::triggered, this, [this] {
        if (CTesseraView* view = ActiveView()) view->Document()->history.Dump();
    });
    connect(Command(ID_DUMP_SHARED_OBJECTS), &QAction::triggered, this, [this] {
        if (CTesseraView* view = ActiveView()) DumpSharedObjects(view);
    });
}

void CMainFrame::DisableAccelerators() {
    if (acceleratorsOff_) return;
    acceleratorsOff_ = true;
    for (QAction* action : commands_) {
        if (action->shortcut().isEmpty()) continue;
        savedShortcuts_.insert(action, action->shortcut());
        action->setShortcut({});
    }
}

void CMainFrame::RestoreAccelerators() {
    if (!acceleratorsOff_) return;
    acceleratorsOff_ = false;
    for (auto it = savedShortcuts_.begin(); it != savedShortcuts_.end(); ++it) it.key()->setShortcut(it.value());
    savedShortcuts_.clear();
}

void CMainFrame::UpdateMenusForDocuments() {
    const bool open = !mdiArea_->subWindowList().isEmpty();
    for (QMenu* menu : siteMenus_) menu->menuAction()->setVisible(open);
    for (int id : {ID_ADD_PAGE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_CLOSE, ID_PREVIEW_SITE, ID_EXPORT_SITE,
                   ID_SET_EXPORT_DIRECTORY, ID_GENERATE_SITEMAP, ID_EDIT_UNDO, ID_EDIT_REDO})
        Command(id)->setEnabled(open);
    EnableCheckedCommands();
}

// Outside an open menu the commands whose handlers check their own rule stay
// enabled, so their accelerators and toolbar buttons always reach them.
void CMainFrame::EnableCheckedCommands() {
    const bool open = !mdiArea_->subWindowList().isEmpty();
    for (int id : {ID_EDIT_UNDO, ID_EDIT_REDO, ID_MOVE_LEFT, ID_MOVE_RIGHT, ID_MOVE_UP, ID_MOVE_DOWN})
        Command(id)->setEnabled(open);
}

void CMainFrame::UpdateCommandStates() {
    CTesseraView* view = ActiveView();
    Command(ID_EDIT_UNDO)->setEnabled(view && view->Document()->history.CanUndo());
    Command(ID_EDIT_REDO)->setEnabled(view && view->Document()->history.CanRedo());
    objectView_->UpdateCommandStates();
    Command(ID_MOVE_LEFT)->setEnabled(objectView_->CanMoveLeft());
    Command(ID_MOVE_RIGHT)->setEnabled(objectView_->CanMoveRight());
    Command(ID_MOVE_UP)->setEnabled(objectView_->CanMoveUp());
    Command(ID_MOVE_DOWN)->setEnabled(objectView_->CanMoveDown());
}

void CMainFrame::CyclePane(int step) {
    QList<QWidget*> panes;
    if (CTesseraView* view = ActiveView()) panes << view;
    for (QDockWidget* dock : {siteDock_, pageDock_, propertiesDock_})
        if (dock->isVisible()) panes << dock->widget();
    if (panes.isEmpty()) return;
    int current = 0;
    for (int i = 0; i < panes.size(); ++i)
        if (panes[i]->isAncestorOf(focusWidget()) || panes[i] == focusWidget()) current = i;
    panes[(current + step + panes.size()) % panes.size()]->setFocus();
}

void CMainFrame::OpenHelpAddress(const char* address) { QDesktopServices::openUrl(QUrl(address)); }

void CMainFrame::OnAppAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!documents_->CloseAllDocuments()) {
        event->ignore();
        return;
    }
    WriteShowDemoSiteAfterStarted(ReadShowDemoSiteAfterStarted());
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (OpenDroppedFiles(*event->mimeData())) event->acceptProposedAction();
}

bool CMainFrame::OpenDroppedFiles(const QMimeData& data) {
    QStringList paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    for (const QString& path : paths) documents_->OpenDocumentFile(path);
    if (!paths.isEmpty()) emit filesDropped(paths);
    return !paths.isEmpty();
}
