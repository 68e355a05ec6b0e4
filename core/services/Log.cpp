#include "core/services/Log.h"

#include <sys/utsname.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "core/services/Paths.h"
#include "core/services/TextFile.h"

namespace {

constexpr long kMaxLines = 5000;
// One "line" of the limit is one read of at most 259 characters.
constexpr int kLineReadBuffer = 260;

FILE* g_log = nullptr;

long CountLineReads(FILE* file) {
    char buffer[kLineReadBuffer];
    long count = 0;
    while (std::fgets(buffer, sizeof buffer, file)) ++count;
    return count;
}

// Keeps the last 5000 line reads; false when logging must stay off.
bool TrimTo5000Lines(const std::string& path, long count) {
    const std::string backup = path + ".bak";
    std::rename(path.c_str(), backup.c_str());
    FILE* from = std::fopen(backup.c_str(), "r");
    if (!from) return false;
    FILE* to = std::fopen(path.c_str(), "w");
    if (!to) {
        std::fclose(from);
        return false;
    }
    char buffer[kLineReadBuffer];
    for (long position = 1; std::fgets(buffer, sizeof buffer, from); ++position)
        if (position > count - kMaxLines) std::fputs(buffer, to);
    std::fclose(from);
    std::fclose(to);
    std::remove(backup.c_str());
    return true;
}

// Operating-system name, version numbers and a descriptive text for the header.
std::string OperatingSystemLine() {
    utsname names{};
    int major = 0, minor = 0, build = 0;
    std::string name = "Unknown";
    if (uname(&names) == 0) {
        name = names.sysname;
        std::sscanf(names.release, "%d.%d.%d", &major, &minor, &build);
    }
    std::string description;
    std::string osRelease;
    if (ReadTextFile("/etc/os-release", osRelease)) {
        const std::string key = "PRETTY_NAME=";
        size_t at = osRelease.find(key);
        if (at != std::string::npos) {
            size_t end = osRelease.find('\n', at);
            description = osRelease.substr(at + key.size(), end == std::string::npos ? end : end - at - key.size());
            if (description.size() >= 2 && description.front() == '"') description = description.substr(1, description.size() - 2);
        }
    }
    char line[512];
    std::snprintf(line, sizeof line, "OS: %s %d.%d.%d %s\n", name.c_str(), major, minor, build, description.c_str());
    return line;
}

std::string TimeFields(const std::tm& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

void WriteHeader(const std::string& engineVersion) {
    std::time_t now = std::time(nullptr);
    std::tm local{}, utc{};
    localtime_r(&now, &local);
    gmtime_r(&now, &utc);
    std::fputs("==================================================================\n", g_log);
    std::fputs("Program Version: 1.0\n", g_log);
    std::fputs(OperatingSystemLine().c_str(), g_log);
    std::fprintf(g_log, "L(%s) ", TimeFields(local).c_str());
    std::fprintf(g_log, "S(%s)\n", TimeFields(utc).c_str());
    if (engineVersion.empty())
        std::fputs("Can't get IE Version\n", g_log);
    else
        std::fprintf(g_log, "IE Version: %s\n", engineVersion.c_str());
    std::fflush(g_log);
}

}  // namespace

std::string LogFilePath(const std::string& appDataDirectory) {
    return PathJoin(PathJoin(appDataDirectory, "log"), "quillora.log");
}

void OpenLogIn(const std::string& appDataDirectory, const std::string& engineVersion) {
    if (g_log) return;
    MakeDirectories(PathJoin(appDataDirectory, "log"));
    const std::string path = LogFilePath(appDataDirectory);
    if (FileExists(path)) {
        FILE* existing = std::fopen(path.c_str(), "r");
        if (!existing) return;
        const long count = CountLineReads(existing);
        std::fclose(existing);
        if (count > kMaxLines && !TrimTo5000Lines(path, count)) return;
    }
    g_log = std::fopen(path.c_str(), "a");
    if (g_log) WriteHeader(engineVersion);
}

void OpenLog(const std::string& engineVersion) { OpenLogIn(AppDataDirectory(), engineVersion); }

void CloseLog() {
    if (g_log) std::fclose(g_log);
    g_log = nullptr;
}

bool IsLogOpen() { return g_log != nullptr; }

void DebugOutput(const std::string& text) {
    static const bool enabled = std::getenv("QUILLORA_DEBUG_OUTPUT") != nullptr;
    if (enabled) std::fputs(text.c_str(), stderr);
}

void WriteLog(const char* format, ...) {
    if (!g_log) return;
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char prefix[200];
    std::snprintf(prefix, sizeof prefix, "[%s]", TimeFields(utc).c_str());
    std::fputs(prefix, g_log);
    DebugOutput(prefix);

    char message[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(message, sizeof message, format, arguments);
    va_end(arguments);
    std::fputs(message, g_log);
    DebugOutput(message);
    std::fflush(g_log);
}
