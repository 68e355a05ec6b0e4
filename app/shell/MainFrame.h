#pragma once
#include <QMainWindow>
#include <QMap>
#include <QPointer>

class CDocManager;
class CObjectView;
class CSiteView;
class CTesseraView;
class QActionGroup;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMenu;
class QMimeData;
class QSlider;
class QToolBar;

// The main window of Quillora: tabbed documents, menus, accelerators, the
// standard toolbar, the status bar with its zoom slider and position pane, and
// the three docking panes. Every command is a QAction found by its command id.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* Command(int id) const { return commands_.value(id); }
    QAction* exitAction() const { return Command(57665); }
    QAction* aboutAction() const { return Command(57664); }
    QMdiArea* MdiArea() const { return mdiArea_; }
    CDocManager* Documents() const { return documents_; }
    CSiteView* SiteView() const { return siteView_; }
    CObjectView* ObjectView() const { return objectView_; }
    QDockWidget* SiteViewPane() const { return siteDock_; }
    QDockWidget* PageViewPane() const { return pageDock_; }
    QDockWidget* PropertiesPane() const { return propertiesDock_; }
    QSlider* ZoomSlider() const { return zoomSlider_; }
    QLabel* PositionPane() const { return positionPane_; }
    QLabel* ZoomPane() const { return zoomPane_; }
    // The design view of the active document window, or null.
    CTesseraView* ActiveView() const;

    void SetZoom(int percent);
    void ShowPosition(int x, int y);
    bool ShowAdvanced() const { return showAdvanced_; }
    int CurrentLook() const { return currentLook_; }
    void OnApplicationLook(int id);
    void OnShowAdvancedProperty();
    // Adds the debug commands to the Help menu ("/DEBUG" on the command line).
    void EnableDebugCommands();
    // Switches the keyboard accelerators off while the page edits text, and back.
    void DisableAccelerators();
    void RestoreAccelerators();
    // Shows the site-dependent menus only while a site is open.
    void UpdateMenusForDocuments();
    void OnAppAbout();
    // Files dropped on the window open as site files; false when none was a file.
    bool OpenDroppedFiles(const QMimeData& data);

signals:
    void filesDropped(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* AddCommand(int id, const QString& text, const QKeySequence& shortcut = {});
    void CreateCommands();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreatePanes();
    void ConnectCommands();
    void UpdateCommandStates();
    void EnableCheckedCommands();
    void CyclePane(int step);
    void OpenHelpAddress(const char* address);

    QMap<int, QAction*> commands_;
    QMap<QAction*, QKeySequence> savedShortcuts_;
    bool acceleratorsOff_ = false;
    QMdiArea* mdiArea_ = nullptr;
    CDocManager* documents_ = nullptr;
    CSiteView* siteView_ = nullptr;
    CObjectView* objectView_ = nullptr;
    QDockWidget* siteDock_ = nullptr;
    QDockWidget* pageDock_ = nullptr;
    QDockWidget* propertiesDock_ = nullptr;
    QToolBar* standardToolBar_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QList<QMenu*> siteMenus_;
    QActionGroup* looks_ = nullptr;
    QSlider* zoomSlider_ = nullptr;
    QLabel* zoomPane_ = nullptr;
    QLabel* positionPane_ = nullptr;
    bool showAdvanced_ = false;
    bool debugCommands_ = false;
    int currentLook_ = 210;
};
