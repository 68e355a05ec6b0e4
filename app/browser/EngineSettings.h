#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

// The browser engine's command-line switches and the two settings records built
// from them. Pure parsing: nothing here touches the engine, so the mapping can be
// checked on its own; EngineSetup applies the records to Qt WebEngine.

// The process command line split into switches ("--name=value", "-name=value",
// "--name") and plain arguments. A lone "--" ends the switches.
class CCommandLine {
public:
    CCommandLine() = default;
    explicit CCommandLine(const std::vector<std::string>& arguments);  // without the program name

    bool HasSwitch(const std::string& name) const { return switches_.count(name) != 0; }
    // The switch's value; empty when absent or given without a value.
    std::string GetSwitchValue(const std::string& name) const;
    const std::vector<std::string>& Arguments() const { return arguments_; }

private:
    std::map<std::string, std::string> switches_;
    std::vector<std::string> arguments_;
};

struct ENGINE_SETTINGS {
    bool multiThreadedMessageLoop = false;
    std::string cachePath;
    std::string userAgent;
    std::string productVersion;
    std::string locale;
    std::string logFile;
    int logSeverity = 2;
    bool releaseDcheckEnabled = false;
    int graphicsImplementation = 0;
    unsigned int localStorageQuota = 0;
    unsigned int sessionStorageQuota = 0;
    std::string javascriptFlags;
    std::string resourcesDirPath;
    std::string localesDirPath;
    bool packLoadingDisabled = false;
    int uncaughtExceptionStackSize = 0;
    int contextSafetyImplementation = 0;
};

// The engine's application object; it exists only when a proxy is configured.
struct ClientApp {
    enum ProxyType { Direct = 0, Named = 1, PacString = 2 };
    int proxyType = Direct;
    std::string proxyConfig;
};

// Fills the engine settings from the switches. The log file is always
// <appDataDirectory>/log/cef.log. `app` receives the application object when the
// proxy switches call for one and is reset otherwise.
void BuildEngineSettings(const CCommandLine& commandLine, const std::string& appDataDirectory,
                         ENGINE_SETTINGS& settings, std::optional<ClientApp>& app);

struct BROWSER_SETTINGS {
    bool dragDropDisabled = false;
    bool loadDropsDisabled = false;
    bool historyDisabled = false;
    int animationFrameRate = 0;
    bool remoteFontsDisabled = false;
    std::string defaultEncoding;
    bool encodingDetectorEnabled = false;
    bool javascriptDisabled = false;
    bool javascriptOpenWindowsDisallowed = false;
    bool javascriptCloseWindowsDisallowed = false;
    bool javascriptAccessClipboardDisallowed = false;
    bool domPasteDisabled = false;
    bool caretBrowsingEnabled = false;
    bool javaDisabled = false;
    bool pluginsDisabled = false;
    bool universalAccessFromFileUrlsAllowed = false;
    bool fileAccessFromFileUrlsAllowed = false;
    bool webSecurityDisabled = false;
    bool xssAuditorEnabled = false;
    bool imageLoadDisabled = false;
    bool shrinkStandaloneImagesToFit = false;
    bool siteSpecificQuirksDisabled = false;
    bool textAreaResizeDisabled = false;
    bool pageCacheDisabled = false;
    bool tabToLinksDisabled = false;
    bool hyperlinkAuditingDisabled = false;
    bool userStyleSheetEnabled = false;
    std::string userStyleSheetLocation;
    bool authorAndUserStylesDisabled = false;
    bool localStorageDisabled = false;
    bool databasesDisabled = false;
    bool applicationCacheDisabled = false;
    bool webglDisabled = false;
    bool acceleratedCompositingEnabled = false;
    bool acceleratedLayersDisabled = false;
    bool acceleratedVideoDisabled = false;
    bool accelerated2dCanvasDisabled = false;
    bool acceleratedPaintingDisabled = false;
    bool acceleratedFiltersDisabled = false;
    bool acceleratedPluginsDisabled = false;
    bool developerToolsDisabled = false;
    bool fullscreenEnabled = false;
};

// Fills the per-browser settings; called anew for every browser created.
void BuildBrowserSettings(const CCommandLine& commandLine, BROWSER_SETTINGS& settings);

// The process-wide command line the engine settings are read from (set once at start).
void SetEngineCommandLine(const CCommandLine& commandLine);
const CCommandLine& EngineCommandLine();
