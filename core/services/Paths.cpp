#include "core/services/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string& StoredProgramDirectory() {
    static std::string directory;
    return directory;
}

bool IsWindowsDrivePath(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

bool IsWindowsNetworkPath(const std::string& path) {
    return path.rfind("\\\\", 0) == 0;
}

// What a file URL may not carry as it stands.
bool IsUnsafeInFileUrl(unsigned char c) {
    return c <= 0x20 || c == '%' || c == '#' || c == '?' || c == '"' || c == '<' || c == '>' || c >= 0x7F;
}

std::string EncodeUrlPath(const std::string& path) { return PercentEncode(path, IsUnsafeInFileUrl); }

std::string ReplaceBackslashes(std::string text) {
    for (char& c : text)
        if (c == '\\') c = '/';
    return text;
}

std::string EncodeBracketsAndQuotes(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '(') out += "%28";
        else if (c == ')') out += "%29";
        else if (c == '\'') out += "%27";
        else out += c;
    }
    return out;
}

}  // namespace

void SetProgramPath(const std::string& programPath) {
    std::error_code error;
    fs::path path = fs::canonical("/proc/self/exe", error);
    if (error || path.empty()) path = fs::absolute(programPath, error);
    std::string directory = path.parent_path().string();
    if (directory.empty() || directory.back() != '/') directory += '/';
    StoredProgramDirectory() = directory;
}

std::string ProgramDirectory() {
    if (StoredProgramDirectory().empty()) SetProgramPath("");
    return StoredProgramDirectory();
}

std::string AppDataDirectory() {
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = PathJoin(home, ".local/share");
    } else {
        base = "/tmp";
    }
    std::string directory = PathJoin(base, "Quillora");
    MakeDirectories(directory);
    return directory;
}

std::string PathJoin(const std::string& left, const std::string& right) {
    if (left.empty()) return right;
    if (right.empty()) return left;
    const bool leftHas = left.back() == '/' || left.back() == '\\';
    const bool rightHas = right.front() == '/' || right.front() == '\\';
    if (leftHas || rightHas) return left + right;
    return left + "/" + right;
}

std::string FileUrlFromPath(const std::string& path) {
    std::string url;
    if (!path.empty() && path[0] == '/') {
        url = "file://" + EncodeUrlPath(path);
    } else if (IsWindowsNetworkPath(path)) {
        url = "file:" + EncodeUrlPath(ReplaceBackslashes(path));
    } else if (IsWindowsDrivePath(path)) {
        url = "file:///" + EncodeUrlPath(ReplaceBackslashes(path));
    } else {
        url = ReplaceBackslashes(path);
    }
    return EncodeBracketsAndQuotes(url);
}

std::string PercentEncode(const std::string& text, bool (*unsafe)(unsigned char)) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (unsafe(c)) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

bool MakeDirectories(const std::string& path) {
    std::error_code error;
    fs::create_directories(path, error);
    return fs::is_directory(path, error);
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool DirectoryExists(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}
