#include "app/browser/BrowserWindow.h"

#include <QWebEngineView>

#include "app/browser/ClientHandler.h"
#include "app/browser/EngineSetup.h"

QWebEngineView* CreateBrowserInWindow(QWidget* parent, ClientHandler* handler, const QUrl& url) {
    auto* browser = new QWebEngineView(parent);
    browser->setContextMenuPolicy(Qt::NoContextMenu);
    browser->setFocusPolicy(Qt::StrongFocus);
    browser->setPage(handler);
    BROWSER_SETTINGS settings;
    BuildBrowserSettings(EngineCommandLine(), settings);
    ApplyBrowserSettings(handler->settings(), settings);
    if (parent) browser->setGeometry(parent->contentsRect());
    browser->show();
    handler->OnAfterCreated(browser);
    handler->load(url);
    return browser;
}
