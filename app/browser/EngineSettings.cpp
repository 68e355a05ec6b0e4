#include "app/browser/EngineSettings.h"

#include <cstdlib>

namespace {

// Leading decimal digits (with an optional sign); 0 when there are none.
long ReadDecimal(const std::string& text) { return std::strtol(text.c_str(), nullptr, 10); }

int LogSeverityFrom(const std::string& value) {
    static const std::map<std::string, int> severities = {
        {"verbose", -1}, {"info", 0}, {"warning", 1}, {"error", 2}, {"error-report", 3}, {"disable", 99}};
    auto found = severities.find(value);
    return found == severities.end() ? 2 : found->second;
}

void ReadGraphicsImplementation(const std::string& value, int& setting) {
    static const std::map<std::string, int> implementations = {
        {"angle", 0}, {"angle-command-buffer", 1}, {"desktop", 2}, {"desktop-command-buffer", 3}};
    auto found = implementations.find(value);
    if (found != implementations.end()) setting = found->second;
}

std::optional<ClientApp> ProxyFrom(const CCommandLine& commandLine) {
    if (!commandLine.HasSwitch("proxy-type")) return std::nullopt;
    const std::string type = commandLine.GetSwitchValue("proxy-type");
    if (type == "direct") return ClientApp{ClientApp::Direct, ""};
    if (type != "named" && type != "pac") return std::nullopt;
    const std::string config = commandLine.GetSwitchValue("proxy-config");
    if (config.empty()) return std::nullopt;
    return ClientApp{type == "named" ? ClientApp::Named : ClientApp::PacString, config};
}

CCommandLine& StoredCommandLine() {
    static CCommandLine commandLine;
    return commandLine;
}

}  // namespace

CCommandLine::CCommandLine(const std::vector<std::string>& arguments) {
    bool switchesEnded = false;
    for (const std::string& argument : arguments) {
        if (switchesEnded || argument.size() < 2 || argument[0] != '-') {
            arguments_.push_back(argument);
            continue;
        }
        if (argument == "--") {
            switchesEnded = true;
            continue;
        }
        const std::string body = argument.substr(argument[1] == '-' ? 2 : 1);
        const auto equals = body.find('=');
        if (equals == std::string::npos) switches_[body] = "";
        else switches_[body.substr(0, equals)] = body.substr(equals + 1);
    }
}

std::string CCommandLine::GetSwitchValue(const std::string& name) const {
    auto found = switches_.find(name);
    return found == switches_.end() ? std::string() : found->second;
}

void BuildEngineSettings(const CCommandLine& line, const std::string& appDataDirectory, ENGINE_SETTINGS& settings,
                         std::optional<ClientApp>& app) {
    settings.multiThreadedMessageLoop = line.HasSwitch("multi-threaded-message-loop");
    settings.cachePath = line.GetSwitchValue("cache-path");
    settings.userAgent = line.GetSwitchValue("user-agent");
    settings.productVersion = line.GetSwitchValue("product-version");
    settings.locale = line.GetSwitchValue("locale");
    settings.logFile = appDataDirectory + "/log/cef.log";
    settings.logSeverity = LogSeverityFrom(line.GetSwitchValue("log-severity"));
    settings.releaseDcheckEnabled = line.HasSwitch("release-dcheck-enabled");
    ReadGraphicsImplementation(line.GetSwitchValue("graphics-implementation"), settings.graphicsImplementation);
    settings.localStorageQuota = static_cast<unsigned int>(ReadDecimal(line.GetSwitchValue("local-storage-quota")));
    settings.sessionStorageQuota = static_cast<unsigned int>(ReadDecimal(line.GetSwitchValue("session-storage-quota")));
    settings.javascriptFlags = line.GetSwitchValue("javascript-flags");
    settings.resourcesDirPath = line.GetSwitchValue("resources-dir-path");
    settings.localesDirPath = line.GetSwitchValue("locales-dir-path");
    settings.packLoadingDisabled = line.HasSwitch("pack-loading-disabled");
    settings.uncaughtExceptionStackSize = static_cast<int>(ReadDecimal(line.GetSwitchValue("uncaught-exception-stack-size")));
    settings.contextSafetyImplementation =
        static_cast<int>(ReadDecimal(line.GetSwitchValue("context-safety-implementation")));
    app = ProxyFrom(line);
}

void BuildBrowserSettings(const CCommandLine& line, BROWSER_SETTINGS& s) {
    // The presence switches, in the order the engine reads them.
    const std::pair<const char*, bool BROWSER_SETTINGS::*> flags[] = {
        {"drag-drop-disabled", &BROWSER_SETTINGS::dragDropDisabled},
        {"load-drops-disabled", &BROWSER_SETTINGS::loadDropsDisabled},
        {"history-disabled", &BROWSER_SETTINGS::historyDisabled},
        {"remote-fonts-disabled", &BROWSER_SETTINGS::remoteFontsDisabled},
        {"encoding-detector-enabled", &BROWSER_SETTINGS::encodingDetectorEnabled},
        {"javascript-disabled", &BROWSER_SETTINGS::javascriptDisabled},
        {"javascript-open-windows-disallowed", &BROWSER_SETTINGS::javascriptOpenWindowsDisallowed},
        {"javascript-close-windows-disallowed", &BROWSER_SETTINGS::javascriptCloseWindowsDisallowed},
        {"javascript-access-clipboard-disallowed", &BROWSER_SETTINGS::javascriptAccessClipboardDisallowed},
        {"dom-paste-disabled", &BROWSER_SETTINGS::domPasteDisabled},
        {"caret-browsing-enabled", &BROWSER_SETTINGS::caretBrowsingEnabled},
        {"java-disabled", &BROWSER_SETTINGS::javaDisabled},
        {"plugins-disabled", &BROWSER_SETTINGS::pluginsDisabled},
        {"universal-access-from-file-urls-allowed", &BROWSER_SETTINGS::universalAccessFromFileUrlsAllowed},
        {"file-access-from-file-urls-allowed", &BROWSER_SETTINGS::fileAccessFromFileUrlsAllowed},
        {"web-security-disabled", &BROWSER_SETTINGS::webSecurityDisabled},
        {"xss-auditor-enabled", &BROWSER_SETTINGS::xssAuditorEnabled},
        {"image-load-disabled", &BROWSER_SETTINGS::imageLoadDisabled},
        {"shrink-standalone-images-to-fit", &BROWSER_SETTINGS::shrinkStandaloneImagesToFit},
        {"site-specific-quirks-disabled", &BROWSER_SETTINGS::siteSpecificQuirksDisabled},
        {"text-area-resize-disabled", &BROWSER_SETTINGS::textAreaResizeDisabled},
        {"page-cache-disabled", &BROWSER_SETTINGS::pageCacheDisabled},
        {"tab-to-links-disabled", &BROWSER_SETTINGS::tabToLinksDisabled},
        {"hyperlink-auditing-disabled", &BROWSER_SETTINGS::hyperlinkAuditingDisabled},
        {"user-style-sheet-enabled", &BROWSER_SETTINGS::userStyleSheetEnabled},
        {"author-and-user-styles-disabled", &BROWSER_SETTINGS::authorAndUserStylesDisabled},
        {"local-storage-disabled", &BROWSER_SETTINGS::localStorageDisabled},
        {"databases-disabled", &BROWSER_SETTINGS::databasesDisabled},
        {"application-cache-disabled", &BROWSER_SETTINGS::applicationCacheDisabled},
        {"webgl-disabled", &BROWSER_SETTINGS::webglDisabled},
        {"accelerated-compositing-enabled", &BROWSER_SETTINGS::acceleratedCompositingEnabled},
        {"accelerated-layers-disabled", &BROWSER_SETTINGS::acceleratedLayersDisabled},
        {"accelerated-video-disabled", &BROWSER_SETTINGS::acceleratedVideoDisabled},
        {"accelerated-2d-canvas-disabled", &BROWSER_SETTINGS::accelerated2dCanvasDisabled},
        {"accelerated-painting-disabled", &BROWSER_SETTINGS::acceleratedPaintingDisabled},
        {"accelerated-filters-disabled", &BROWSER_SETTINGS::acceleratedFiltersDisabled},
        {"accelerated-plugins-disabled", &BROWSER_SETTINGS::acceleratedPluginsDisabled},
        {"developer-tools-disabled", &BROWSER_SETTINGS::developerToolsDisabled},
        {"fullscreen-enabled", &BROWSER_SETTINGS::fullscreenEnabled},
    };
    for (const auto& [name, member] : flags) s.*member = line.HasSwitch(name);
    s.animationFrameRate = static_cast<int>(ReadDecimal(line.GetSwitchValue("animation-frame-rate")));
    s.defaultEncoding = line.GetSwitchValue("default-encoding");
    s.userStyleSheetLocation = line.GetSwitchValue("user-style-sheet-location");
}

void SetEngineCommandLine(const CCommandLine& commandLine) { StoredCommandLine() = commandLine; }

const CCommandLine& EngineCommandLine() { return StoredCommandLine(); }
