#include "core/services/Regex.h"

CRegex::CRegex(const std::string& pattern, int extraFlags) {
    valid_ = regcomp(&compiled_, pattern.c_str(), REG_EXTENDED | extraFlags) == 0;
}

CRegex::~CRegex() {
    if (valid_) regfree(&compiled_);
}

bool CRegex::SearchGroups(const std::string& text, size_t start, regmatch_t* groups, size_t count) const {
    if (!valid_ || start > text.size()) return false;
    // REG_STARTEND lets the text hold any byte and keeps "^" at the real start.
    groups[0].rm_so = static_cast<regoff_t>(start);
    groups[0].rm_eo = static_cast<regoff_t>(text.size());
    const int flags = REG_STARTEND | (start > 0 ? REG_NOTBOL : 0);
    return regexec(&compiled_, text.c_str(), count, groups, flags) == 0;
}

bool CRegex::Search(const std::string& text, size_t start, size_t* position, size_t* length) const {
    regmatch_t match[1];
    if (!SearchGroups(text, start, match, 1)) return false;
    if (position) *position = static_cast<size_t>(match[0].rm_so);
    if (length) *length = static_cast<size_t>(match[0].rm_eo - match[0].rm_so);
    return true;
}

bool CRegex::Matches(const std::string& text) const {
    size_t position = 0, length = 0;
    return Search(text, 0, &position, &length) && position == 0 && length == text.size();
}
