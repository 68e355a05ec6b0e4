#include "core/generation/TextUtil.h"

#include <strings.h>

#include <cctype>

std::string ToLower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int CompareNoCase(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()); }

bool StartsWith(const std::string& text, const std::string& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

std::vector<std::string> SplitNonEmpty(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::string::npos) end = text.size();
        if (end > start) parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return;
    size_t position = text.find(from);
    if (position == std::string::npos) return;
    std::string out;
    size_t start = 0;
    while (position != std::string::npos) {
        out.append(text, start, position - start);
        out += to;
        start = position + from.size();
        position = text.find(from, start);
    }
    out.append(text, start, std::string::npos);
    text = std::move(out);
}

void AddDistinctNoCase(std::vector<std::string>& list, const std::string& entry) {
    for (const std::string& existing : list)
        if (EqualsNoCase(existing, entry)) return;
    list.push_back(entry);
}
