#include "app/design/ViewClientHandler.h"

#include <QWebEngineUrlRequestInterceptor>

#include "app/design/TesseraView.h"
#include "core/document/AppEventHub.h"

namespace {

constexpr const char* kConsoleReloadMessage = "Uncaught TypeError: Object #<Object> has no method 'getParent'";

bool SameText(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Watches every request of the design page for the two editing requests.
class CSubmitInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    explicit CSubmitInterceptor(CViewClientHandler* handler) : QWebEngineUrlRequestInterceptor(handler), handler_(handler) {}
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (handler_->OnBeforeResourceLoad(info.requestUrl())) info.block(true);
    }

private:
    CViewClientHandler* handler_;
};

}  // namespace

bool DesignNavigationAllowed(const QString& target, const QString& current, const QString& editingFileUrl) {
    if (target == "about:blank" && !current.isEmpty() && current != "about:blank") return false;
    if (target.startsWith(kDevToolsUrlPrefix)) return true;
    if (!editingFileUrl.isEmpty() && SameText(target, editingFileUrl)) return true;
    for (const char* allowed : {"file:///C:/a.htm", "about:blank", "http://submit/", "http://cancel/"})
        if (SameText(target, allowed)) return true;
    return false;
}

CViewClientHandler::CViewClientHandler(CTesseraView* view) : ClientHandler(view), view_(view) {
    setUrlRequestInterceptor(new CSubmitInterceptor(this));
}

void CViewClientHandler::OnAfterCreated(QWebEngineView* browser) {
    ClientHandler::OnAfterCreated(browser);
    view_->ApplyZoom(view_->ZoomPercent());
}

bool CViewClientHandler::OnBeforeBrowse(const QUrl& url, bool isMainFrame) {
    if (!isMainFrame) return true;
    // The view's own loads from memory arrive as data addresses under the base URL.
    if (ownLoadPending_ && url.scheme() == "data") {
        ownLoadPending_ = false;
        return true;
    }
    const QString target = url.toString();
    if (OnBeforeResourceLoad(url)) return false;
    return DesignNavigationAllowed(target, this->url().toString(), view_->EditingFileUrl());
}

bool CViewClientHandler::OnBeforeResourceLoad(const QUrl& url) {
    const QString text = url.toString();
    const bool submit = SameText(text, "http://submit/");
    if (!submit && !SameText(text, "http://cancel/")) return false;
    AppEventHub::Instance().Post(EndEdit, submit ? 1 : 0);
    return true;
}

void CViewClientHandler::OnConsoleMessage(const QString& message, const QString& source, int line) {
    if (message == kConsoleReloadMessage) load(QUrl(view_->EditingFileUrl()));
    ClientHandler::OnConsoleMessage(message, source, line);
}

void CViewClientHandler::OnLoadEnd(bool ok) {
    if (!ok) return;
    if (url().toString() != "about:blank") {
        view_->AfterPageLoaded(true);
        return;
    }
    if (windowNotYetHooked) {
        windowNotYetHooked = false;
        view_->InstallInputHook();
    }
    view_->LoadPage(false);
}
