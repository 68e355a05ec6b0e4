#pragma once
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/RunProcess.h"

// Loads local pages in headless Chromium and reports what their scripts said. A page
// is loaded through a copy beside it (same folder, so its relative addresses hold)
// that carries a probe script first in its head: the probe reports resources that
// fail to load, fonts that fail, uncaught errors and navigations, as console lines
// beginning with "PROBE-". The page's own console lines come back as well.
class CHeadlessBrowser {
public:
    static bool Available() { return RunProcess("command -v chromium >/dev/null 2>&1").exitCode == 0; }

    // Console lines of the page after it has loaded and `extraScript` has run
    // (the script runs 500 ms after the load event).
    static std::vector<std::string> Load(const std::string& pagePath, const std::string& extraScript = "") {
        const std::string probePath = pagePath + ".probe.htm";
        WriteProbeCopy(pagePath, probePath, extraScript);
        const std::string command =
            "timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking "
            "--disable-component-update --no-first-run --disable-sync --enable-logging=stderr --v=0 "
            "--virtual-time-budget=4000 --dump-dom 'file://" + probePath + "' 2>&1 >/dev/null";
        const ProcessResult result = RunProcess(command);
        std::remove(probePath.c_str());
        std::vector<std::string> lines;
        std::istringstream stream(result.output);
        for (std::string line; std::getline(stream, line);)
            if (line.find(":CONSOLE") != std::string::npos) lines.push_back(line);
        return lines;
    }

    // Lines that tell of a fault: uncaught errors and local files that did not load.
    static std::vector<std::string> Faults(const std::vector<std::string>& consoleLines) {
        std::vector<std::string> faults;
        for (const std::string& line : consoleLines)
            if (line.find("Uncaught") != std::string::npos || line.find("PROBE-MISSING") != std::string::npos ||
                line.find("PROBE-ERROR") != std::string::npos)
                faults.push_back(line);
        return faults;
    }

private:
    static void WriteProbeCopy(const std::string& pagePath, const std::string& probePath, const std::string& extra) {
        std::ifstream in(pagePath, std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        std::string html = buffer.str();
        const std::string probe =
            "<script type=\"text/javascript\">(function(){"
            "window.addEventListener('error',function(e){var t=e.target;"
            "if(t&&t!==window&&(t.src||t.href)){console.log('PROBE-MISSING '+(t.src||t.href));}"
            "else{console.log('PROBE-ERROR '+e.message);}},true);"
            "if(window.navigation){navigation.addEventListener('navigate',function(e){"
            "console.log('PROBE-NAVIGATE '+e.destination.url);if(e.cancelable)e.preventDefault();});}"
            "window.addEventListener('load',function(){setTimeout(function(){"
            "if(document.fonts){document.fonts.forEach(function(f){if(f.status==='error')"
            "console.log('PROBE-MISSING font '+f.family);});}"
            + extra +
            "},500);});})();</script>\n";
        const size_t head = html.find("<head>");
        const size_t at = head == std::string::npos ? 0 : head + 6;
        html.insert(at, probe);
        std::ofstream(probePath, std::ios::binary) << html;
    }
};
