#include "app/browser/EngineSetup.h"

#include <QSet>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include "core/services/Paths.h"

namespace {

ENGINE_SETTINGS& StoredEngineSettings() {
    static ENGINE_SETTINGS settings;
    return settings;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Chromium's --log-level: 0 info, 1 warning, 2 error, 3 fatal.
int ChromiumLogLevel(int severity) {
    if (severity <= 0) return 0;
    return severity >= 3 ? 3 : severity;
}

}  // namespace

QStringList ChromiumFlagsFor(const ENGINE_SETTINGS& settings, const std::optional<ClientApp>& app) {
    QStringList flags;
    if (!settings.locale.empty()) flags << "--lang=" + Text(settings.locale);
    if (!settings.javascriptFlags.empty()) flags << "--js-flags=" + Text(settings.javascriptFlags);
    if (settings.logSeverity == 99) {
        flags << "--disable-logging";
    } else {
        flags << "--log-file=" + Text(settings.logFile);
        flags << QString("--log-level=%1").arg(ChromiumLogLevel(settings.logSeverity));
    }
    if (app) {
        if (app->proxyType == ClientApp::Direct) flags << "--no-proxy-server";
        else if (app->proxyType == ClientApp::Named) flags << "--proxy-server=" + Text(app->proxyConfig);
        else flags << "--proxy-pac-url=" + Text(app->proxyConfig);
    }
    return flags;
}

void PrepareBrowserEngine(const CCommandLine& commandLine) {
    SetEngineCommandLine(commandLine);
    std::optional<ClientApp> app;
    BuildEngineSettings(commandLine, AppDataDirectory(), StoredEngineSettings(), app);
    QStringList flags = QString::fromLocal8Bit(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS")).split(' ', Qt::SkipEmptyParts);
    flags << ChromiumFlagsFor(StoredEngineSettings(), app);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.join(' ').toLocal8Bit());
}

void RefuseDownloads(QWebEngineProfile* profile) {
    static QSet<QWebEngineProfile*> refusing;
    if (!profile || refusing.contains(profile)) return;
    refusing.insert(profile);
    QObject::connect(profile, &QWebEngineProfile::downloadRequested,
                     [](QWebEngineDownloadRequest* download) { download->cancel(); });
}

void InitBrowserEngine() {
    const ENGINE_SETTINGS& settings = StoredEngineSettings();
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    if (!settings.userAgent.empty()) profile->setHttpUserAgent(Text(settings.userAgent));
    if (!settings.cachePath.empty()) profile->setCachePath(Text(settings.cachePath));
    RefuseDownloads(profile);
}

void ApplyBrowserSettings(QWebEngineSettings* target, const BROWSER_SETTINGS& s) {
    using A = QWebEngineSettings;
    // The engine's own error pages are replaced by the host's.
    target->setAttribute(A::ErrorPageEnabled, false);
    if (s.javascriptDisabled) target->setAttribute(A::JavascriptEnabled, false);
    if (s.javascriptOpenWindowsDisallowed) target->setAttribute(A::JavascriptCanOpenWindows, false);
    if (s.javascriptAccessClipboardDisallowed) target->setAttribute(A::JavascriptCanAccessClipboard, false);
    if (s.domPasteDisabled) target->setAttribute(A::JavascriptCanPaste, false);
    if (s.pluginsDisabled) target->setAttribute(A::PluginsEnabled, false);
    if (s.universalAccessFromFileUrlsAllowed) target->setAttribute(A::LocalContentCanAccessRemoteUrls, true);
    if (s.fileAccessFromFileUrlsAllowed) target->setAttribute(A::LocalContentCanAccessFileUrls, true);
    if (s.imageLoadDisabled) target->setAttribute(A::AutoLoadImages, false);
    if (s.tabToLinksDisabled) target->setAttribute(A::LinksIncludedInFocusChain, false);
    if (s.hyperlinkAuditingDisabled) target->setAttribute(A::HyperlinkAuditingEnabled, false);
    if (s.localStorageDisabled) target->setAttribute(A::LocalStorageEnabled, false);
    if (s.webglDisabled) target->setAttribute(A::WebGLEnabled, false);
    if (s.accelerated2dCanvasDisabled) target->setAttribute(A::Accelerated2dCanvasEnabled, false);
    if (s.fullscreenEnabled) target->setAttribute(A::FullScreenSupportEnabled, true);
    if (s.caretBrowsingEnabled) target->setAttribute(A::SpatialNavigationEnabled, true);
    if (!s.defaultEncoding.empty()) target->setDefaultTextEncoding(Text(s.defaultEncoding));
}
