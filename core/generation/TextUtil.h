#pragma once
#include <string>
#include <vector>

#include "core/model/ValueSyntax.h"

// Small text helpers shared by the generators (trimming and case-blind equality
// come with the value syntax).
bool StartsWith(const std::string& text, const std::string& prefix);
// Splits at `separator`, leaving out empty entries.
std::vector<std::string> SplitNonEmpty(const std::string& text, char separator);
// Appends `entry` to `list` unless an entry equal to it without regard to case is there.
void AddDistinctNoCase(std::vector<std::string>& list, const std::string& entry);
