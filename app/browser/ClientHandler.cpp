#include "app/browser/ClientHandler.h"

#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>

#include "app/browser/EngineSetup.h"
#include "core/services/Log.h"

namespace {

// Chromium's "aborted": what a refused or superseded navigation ends with.
constexpr int kAbortedError = -3;

bool IsNetworkError(const QWebEngineLoadingInfo& info) {
    switch (info.errorDomain()) {
    case QWebEngineLoadingInfo::InternalErrorDomain:
    case QWebEngineLoadingInfo::ConnectionErrorDomain:
    case QWebEngineLoadingInfo::CertificateErrorDomain:
    case QWebEngineLoadingInfo::DnsErrorDomain:
        return info.errorCode() != kAbortedError;
    default:
        return false;
    }
}

// A window asked for by page script. The address is known only at its first
// navigation, so the popup filter is asked then: an allowed popup gets a window,
// any other is dropped without ever showing.
class PopupProbe : public QWebEnginePage {
public:
    PopupProbe(ClientHandler* opener) : QWebEnginePage(opener->profile(), opener), opener_(opener) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (!isMainFrame || decided_) return true;
        decided_ = true;
        if (opener_ && opener_->OnBeforePopup(url)) {
            auto* window = new QWebEngineView;
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->setPage(this);
            setParent(window);
            window->resize(900, 600);
            window->show();
            return true;
        }
        deleteLater();
        return false;
    }

private:
    QPointer<ClientHandler> opener_;
    bool decided_ = false;
};

}  // namespace

std::string LoadErrorText(int errorCode, const std::string& failedUrl) {
    if (errorCode == -400)
        return "<html><head><title>Expired Form Data</title></head><body><h1>Expired Form Data</h1><h2>Your form "
               "request has expired. Click reload to re-submit the form data.</h2></body></html>";
    return "<html><head><title>Load Failed</title></head><body><h1>Load Failed</h1><h2>Load of URL " + failedUrl +
           " failed with error code " + std::to_string(errorCode) + ".</h2></body></html>";
}

ClientHandler::ClientHandler(QObject* parent) : QWebEnginePage(parent) {
    RefuseDownloads(profile());
    connect(this, &QWebEnginePage::loadingChanged, this, &ClientHandler::OnLoadingChanged);
}

void ClientHandler::OnAfterCreated(QWebEngineView* browser) {
    if (!browser_) browser_ = browser;
}

void ClientHandler::ShowDevTools() {
    if (!devTools_) {
        devTools_ = new QWebEngineView;
        devTools_->setAttribute(Qt::WA_DeleteOnClose);
        devTools_->setWindowTitle("Developer Tools");
        devTools_->resize(900, 600);
        setDevToolsPage(devTools_->page());
    }
    devTools_->show();
    devTools_->raise();
}

bool ClientHandler::OnBeforePopup(const QUrl& url) { return url.toString().startsWith(kDevToolsUrlPrefix); }

bool ClientHandler::OnBeforeBrowse(const QUrl&, bool) { return true; }

void ClientHandler::OnConsoleMessage(const QString& message, const QString& source, int line) {
    WriteLog("console message: %s, source: %s, line: %d\n", message.toUtf8().constData(),
             source.toUtf8().constData(), line);
}

void ClientHandler::OnLoadEnd(bool) {}

bool ClientHandler::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    return OnBeforeBrowse(url, isMainFrame);
}

QWebEnginePage* ClientHandler::createWindow(WebWindowType) { return new PopupProbe(this); }

void ClientHandler::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int line,
                                             const QString& source) {
    OnConsoleMessage(message, source, line);
}

void ClientHandler::OnLoadingChanged(const QWebEngineLoadingInfo& info) {
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        OnLoadEnd(true);
        break;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        if (IsNetworkError(info)) {
            const std::string text = LoadErrorText(info.errorCode(), info.url().toString().toStdString());
            setHtml(QString::fromStdString(text), info.url());
        }
        break;
    default:
        break;
    }
}
