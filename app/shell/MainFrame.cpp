#include "app/shell/MainFrame.h"

#include <QApplication>
#include <QMenuBar>

#include "app/shell/AboutBox.h"

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Quillora");
    resize(1280, 800);
    CreateMenus();
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    exitAction_ = file->addAction(tr("E&xit"), this, &QWidget::close);
    exitAction_->setObjectName("ID_APP_EXIT");

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    aboutAction_ = help->addAction(tr("&About Quillora..."), this, &CMainFrame::OnAppAbout);
    aboutAction_->setObjectName("ID_APP_ABOUT");
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}
