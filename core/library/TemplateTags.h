#pragma once
#include <string>
#include <vector>

#include "core/library/TemplateNode.h"

// Splits a tag's text into its parts by the pattern of its kind: keyword, then
// foreach: data variable, template file; socket: property, option (may be empty);
// if: variable, operator, value; ifexist and islinktoself: variable.
// Empty when the text does not fit the pattern.
std::vector<std::string> SplitTagArguments(TemplateNodeKind kind, const std::string& tagText);
