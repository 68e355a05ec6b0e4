#pragma once
#include <string>

// Turns a stored link value ({"link": ..., "target": ...}) into the attributes of
// an anchor element. A subtype other than Link leaves the value unchanged.
std::string LinkMarkup(const std::string& value, const std::string& subtype);
// " target=\"T\"", or " onclick=\"T\"" for a window.open script; empty for no target.
std::string TargetAttribute(const std::string& target);
// The "link" member of a link value; empty when absent or not JSON.
std::string LinkAddress(const std::string& value);
