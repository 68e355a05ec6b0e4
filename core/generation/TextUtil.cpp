#include "core/generation/TextUtil.h"

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

void AddDistinctNoCase(std::vector<std::string>& list, const std::string& entry) {
    for (const std::string& existing : list)
        if (EqualsNoCase(existing, entry)) return;
    list.push_back(entry);
}
