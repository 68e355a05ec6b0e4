#pragma once
#include <json/json.h>

#include <string>

// Lays a JSON value out exactly as JsonCpp's StyledWriter does (members sorted,
// three spaces per level, short arrays of plain values on one line, a final line
// feed), in one pass without the writer's intermediate strings. Comments are not
// written: the site file has none.
std::string StyledJsonText(const Json::Value& root);
