#include "app/browser/BrowserDlg.h"

#include <QCheckBox>
#include <QWebEngineView>

#include "app/browser/BrowserWindow.h"
#include "app/browser/ClientHandler.h"

CBrowserDlg::CBrowserDlg(ClientHandler* handler, bool showStartupCheckBox, QWidget* parent)
    : QDialog(parent), handler_(handler), showStartupCheckBox_(showStartupCheckBox) {
    setWindowTitle("Load Template ...");
    setSizeGripEnabled(true);
    resize(806, 440);
    startupCheck_ = new QCheckBox("Show this dialog after program started", this);
    startupCheck_->setObjectName("1072");
    startupCheck_->resize(332, 16);
    startupCheck_->setVisible(showStartupCheckBox_);
}

CBrowserDlg::~CBrowserDlg() {
    // The page must go before its view; a handler owned by the dialog goes with it.
    if (browser_) browser_->setPage(nullptr);
}

void CBrowserDlg::showEvent(QShowEvent* event) {
    if (!browser_) CreateBrowser();
    QDialog::showEvent(event);
}

void CBrowserDlg::CreateBrowser() {
    if (!handler_) handler_ = new ClientHandler(this);
    else if (!handler_->parent()) handler_->setParent(this);
    browser_ = CreateBrowserInWindow(this, handler_, StartUrl());
    LayoutControls();
}

void CBrowserDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayoutControls();
}

void CBrowserDlg::LayoutControls() {
    const QRect client = rect();
    if (browser_) {
        const int height = showStartupCheckBox_ ? client.height() - 20 : client.height();
        browser_->setGeometry(client.left(), client.top(), client.width(), height);
    }
    startupCheck_->move(client.left() + 5, client.bottom() + 1 - 16);
}
