#pragma once
#include <QMainWindow>

// The main window of Quillora: menus, toolbars, panes and the document area.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    QAction* exitAction() const { return exitAction_; }
    QAction* aboutAction() const { return aboutAction_; }

public slots:
    void OnAppAbout();

private:
    void CreateMenus();

    QAction* exitAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
};
