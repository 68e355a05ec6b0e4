// Countling: started by the installer and the uninstaller, it reports one
// "install" or "uninstall" event to the statistics address and exits.
// Nothing is shown and the outcome of the request does not matter.
#include <curl/curl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tracker/CommandLine.h"
#include "tracker/Download.h"
#include "tracker/StatsRequest.h"

namespace {

constexpr int kExitUnparsableCommandLine = 10;

// There is no window to show a message box in: the caption and text go to stderr.
void ShowError(const char* caption, const char* text) { std::fprintf(stderr, "%s: %s\n", caption, text); }

}  // namespace

int main(int argc, char** argv) {
    const int random = RandomRequestNumber();
    std::vector<std::string> arguments;
    if (!SplitCommandLine(argc, argv, arguments)) {
        ShowError("Error", "Unable to parse command line");
        return kExitUnparsableCommandLine;
    }
    const UsageEvent event{"install", ChooseAction(arguments), "1", 1};
    const std::string url = BuildRequestUrl(StatisticsAddress(), event, random);

    curl_global_init(CURL_GLOBAL_DEFAULT);
    DownloadToFile(url, CreateDownloadTarget());
    curl_global_cleanup();
    return 0;
}
