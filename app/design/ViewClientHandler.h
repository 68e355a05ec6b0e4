#pragma once
#include "app/browser/ClientHandler.h"

class CTesseraView;

// The design view's browser callbacks: which navigations the design page may
// make, the submit and cancel requests of in-place editing, and the page load
// cycle (about:blank first, then the generated page).
class CViewClientHandler : public ClientHandler {
    Q_OBJECT
public:
    explicit CViewClientHandler(CTesseraView* view);

    void OnAfterCreated(QWebEngineView* browser) override;
    bool OnBeforeBrowse(const QUrl& url, bool isMainFrame) override;
    void OnConsoleMessage(const QString& message, const QString& source, int line) override;
    void OnLoadEnd(bool ok) override;
    // A sub-resource or navigation request: "http://submit/" and "http://cancel/"
    // queue the end of in-place editing and are cancelled. True when handled.
    bool OnBeforeResourceLoad(const QUrl& url);
    // The next main-frame navigation is the view's own load from memory.
    void ExpectOwnLoad() { ownLoadPending_ = true; }

    bool windowNotYetHooked = true;

private:
    CTesseraView* view_;
    bool ownLoadPending_ = false;
};

// The navigation rule of the design page: target and current main-frame URL.
bool DesignNavigationAllowed(const QString& target, const QString& current, const QString& editingFileUrl);
