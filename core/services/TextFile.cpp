#include "core/services/TextFile.h"

#include <fstream>
#include <sstream>

bool ReadTextFile(const std::string& path, std::string& text) {
    text.clear();
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return false;
    // One read of the known size; a file that is no regular file streams instead.
    const std::streamoff size = in.tellg();
    if (size > 0) {
        text.resize(static_cast<size_t>(size));
        in.seekg(0);
        in.read(text.data(), size);
        if (in.gcount() == size) return true;
        text.clear();
    }
    in.clear();
    in.seekg(0);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return false;
    text = buffer.str();
    return true;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return static_cast<bool>(out);
}
