#include "core/document/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

namespace {

bool WriteAll(int fd, const std::string& text) {
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<size_t>(n);
    }
    return true;
}

// The mode the new file gets: the old file's, or what a fresh file would get.
mode_t TargetMode(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncDirectory(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

AtomicWriteResult WriteFileAtomically(const std::string& path, const std::string& text) {
    const std::filesystem::path target(path);
    std::string directory = target.parent_path().string();
    if (directory.empty()) directory = ".";
    const std::string pattern = (std::filesystem::path(directory) / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    if (target.filename().empty()) return AtomicWriteResult::CannotCreate;
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return AtomicWriteResult::CannotCreate;

    bool ok = WriteAll(fd, text);
    ok = ok && ::fchmod(fd, TargetMode(path)) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.data(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.data());
        return AtomicWriteResult::WriteFailed;
    }
    SyncDirectory(directory);
    return AtomicWriteResult::Written;
}
