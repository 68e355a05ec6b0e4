#pragma once
#include <string>
#include <string_view>

// Trimming and case-blind comparison, as names, type names and keywords are compared.

// True for blanks, tabs and line ends.
bool IsBlank(char c);
// The text without blanks, tabs and line ends at either end, without copying.
std::string_view TrimmedView(std::string_view text);
// The same as a new string.
std::string TrimWhiteSpace(std::string_view text);
// ASCII comparison without regard to letter case.
bool EqualsNoCase(std::string_view left, std::string_view right);
