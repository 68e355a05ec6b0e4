#pragma once
#include <QStringList>

#include "app/browser/EngineSettings.h"

class QWebEngineSettings;
class QWebEngineProfile;

// Starting the embedded engine with the settings of the command line. Qt WebEngine
// reads its Chromium flags when the first QApplication-based engine object is
// created, so the work is split: PrepareBrowserEngine runs before QApplication
// exists, InitBrowserEngine after.

// Records the command line, builds the engine settings and turns those that have
// a Chromium equivalent into flags (locale, JavaScript flags, proxy, log level).
void PrepareBrowserEngine(const CCommandLine& commandLine);
// The Chromium flags that the settings call for (testable on their own).
QStringList ChromiumFlagsFor(const ENGINE_SETTINGS& settings, const std::optional<ClientApp>& app);
// Applies the profile-level settings (user agent, cache path) and refuses downloads.
void InitBrowserEngine();
// Refuses every download a page of this profile starts (connected once per profile).
void RefuseDownloads(QWebEngineProfile* profile);
// Applies the per-browser settings that Qt WebEngine has an equivalent for.
void ApplyBrowserSettings(QWebEngineSettings* target, const BROWSER_SETTINGS& settings);
