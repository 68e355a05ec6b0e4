#pragma once
#include <string>
#include <vector>

#include "core/model/ValueSyntax.h"

// Small text helpers shared by the generators (trimming and case-blind equality
// come with the value syntax).
std::string ToLower(std::string text);
// Case-insensitive ordering: negative, zero or positive like strcmp.
int CompareNoCase(const std::string& a, const std::string& b);
bool StartsWith(const std::string& text, const std::string& prefix);
// Splits at `separator`, leaving out empty entries.
std::vector<std::string> SplitNonEmpty(const std::string& text, char separator);
// Replaces every occurrence of `from` by `to`, left to right.
void ReplaceAll(std::string& text, const std::string& from, const std::string& to);
// Appends `entry` to `list` unless an entry equal to it without regard to case is there.
void AddDistinctNoCase(std::vector<std::string>& list, const std::string& entry);
