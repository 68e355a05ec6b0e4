#pragma once
#include <QUrl>

class ClientHandler;
class QWebEngineView;
class QWidget;

// Creates a browser as a child of `parent`, filling its client area, showing the
// handler's page with the browser settings of the command line, and loads `url`.
// The handler receives the browser through OnAfterCreated. No built-in context
// menu is shown in any browser.
QWebEngineView* CreateBrowserInWindow(QWidget* parent, ClientHandler* handler, const QUrl& url);
