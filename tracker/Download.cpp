#include "tracker/Download.h"

#include <curl/curl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr long kConnectTimeoutSeconds = 10;
constexpr long kTotalTimeoutSeconds = 10;

std::string TemporaryDirectory() {
    const char* configured = std::getenv("TMPDIR");
    if (configured != nullptr && *configured != '\0') return configured;
    return "/tmp";
}

size_t DiscardBody(char*, size_t size, size_t count, void*) { return size * count; }

}  // namespace

std::string CreateDownloadTarget() {
    std::string pattern = TemporaryDirectory();
    if (pattern.back() != '/') pattern += '/';
    pattern += "QuilloraXXXXXX";
    std::vector<char> path(pattern.begin(), pattern.end());
    path.push_back('\0');
    const int descriptor = mkstemp(path.data());
    if (descriptor < 0) return {};
    close(descriptor);
    return path.data();
}

bool DownloadToFile(const std::string& url, const std::string& target) {
    CURL* transfer = curl_easy_init();
    if (transfer == nullptr) return false;
    FILE* file = target.empty() ? nullptr : std::fopen(target.c_str(), "wb");
    curl_easy_setopt(transfer, CURLOPT_URL, url.c_str());
    curl_easy_setopt(transfer, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(transfer, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(transfer, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(transfer, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(transfer, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(transfer, CURLOPT_TIMEOUT, kTotalTimeoutSeconds);
    curl_easy_setopt(transfer, CURLOPT_NOSIGNAL, 1L);
    if (file != nullptr) {
        curl_easy_setopt(transfer, CURLOPT_WRITEDATA, file);
    } else {
        curl_easy_setopt(transfer, CURLOPT_WRITEFUNCTION, DiscardBody);
    }
    const CURLcode outcome = curl_easy_perform(transfer);
    curl_easy_cleanup(transfer);
    const bool written = file == nullptr || std::fclose(file) == 0;
    return outcome == CURLE_OK && written;
}
