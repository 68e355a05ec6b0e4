#pragma once
#include <regex.h>

#include <string>

// A POSIX extended regular expression, compiled once and searched many times.
class CRegex {
public:
    explicit CRegex(const std::string& pattern, int extraFlags = 0);
    ~CRegex();
    CRegex(const CRegex&) = delete;
    CRegex& operator=(const CRegex&) = delete;

    bool IsValid() const { return valid_; }
    // Finds the first match at or after `start`; on success gives its position and
    // length in `text`. "^" anchors at the start of the whole text only.
    bool Search(const std::string& text, size_t start, size_t* position, size_t* length) const;
    bool Search(const std::string& text, size_t* position = nullptr, size_t* length = nullptr) const {
        return Search(text, 0, position, length);
    }
    // True when the whole text matches.
    bool Matches(const std::string& text) const;
    // Sub-match `group` of the first match at or after `start` (empty when absent).
    bool SearchGroups(const std::string& text, size_t start, regmatch_t* groups, size_t count) const;

private:
    regex_t compiled_{};
    bool valid_ = false;
};
