#pragma once
#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <string>

class QWebEngineLoadingInfo;

// The prefix of the developer tools' own page: the one popup any browser may open.
inline constexpr const char* kDevToolsUrlPrefix = "chrome-devtools://devtools/devtools.html";

// The page a load error shows: the expired-form page for a cache miss (-400),
// otherwise "Load Failed" naming the address and the code.
std::string LoadErrorText(int errorCode, const std::string& failedUrl);

// The engine's callbacks for one browser: what every browser of the program does
// with navigations, popups, console messages, load errors and downloads. Views
// and dialogs derive from it to add their own filters.
class ClientHandler : public QWebEnginePage {
    Q_OBJECT
public:
    explicit ClientHandler(QObject* parent = nullptr);

    // The browser created with this handler; null before creation and after close.
    QWebEngineView* Browser() const { return browser_; }
    // After created: the first browser to show this page is kept.
    virtual void OnAfterCreated(QWebEngineView* browser);
    // Opens the developer tools of this page in their own window.
    void ShowDevTools();
    QWebEngineView* DevToolsWindow() const { return devTools_; }

    // Popup about to open: true lets it open. Only the developer tools may.
    virtual bool OnBeforePopup(const QUrl& url);
    // Before browse: true lets the navigation happen.
    virtual bool OnBeforeBrowse(const QUrl& url, bool isMainFrame);
    // Console message: logged.
    virtual void OnConsoleMessage(const QString& message, const QString& source, int line);
    // Load end of the main frame (not for refused or aborted navigations).
    virtual void OnLoadEnd(bool ok);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override;

private:
    void OnLoadingChanged(const QWebEngineLoadingInfo& info);

    QPointer<QWebEngineView> browser_;
    QPointer<QWebEngineView> devTools_;
};
