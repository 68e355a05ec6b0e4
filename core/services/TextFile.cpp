#include "core/services/TextFile.h"

#include <fstream>

bool ReadTextFile(const std::string& path, std::string& text) {
    text.clear();
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return false;
    // One read of the whole file: site files can be large.
    const std::streamoff size = in.tellg();
    if (size < 0) return false;
    text.resize(static_cast<size_t>(size));
    in.seekg(0);
    if (size > 0 && !in.read(text.data(), size)) {
        text.clear();
        return false;
    }
    return true;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return static_cast<bool>(out);
}
