#include "core/generation/OutputFile.h"

#include "core/services/TextFile.h"

std::string WithCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

bool WriteTextWithCrLf(const std::string& path, const std::string& text) { return WriteTextFile(path, WithCrLf(text)); }
