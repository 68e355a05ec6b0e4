#pragma once
#include <json/json.h>

#include <string>

// Reading definition texts and their members. None of these reports anything to
// the user and none throws: absent members, wrong types and out-of-range indices
// yield a null value or an empty text.

// Parses a JSON text with comments allowed. On failure gives false, an error text,
// and in `value` whatever the reader produced up to the fault.
bool ParseDefinitionText(const std::string& text, Json::Value& value, std::string& error);

// The member `key` of an object, or a null value.
const Json::Value& Member(const std::string& key, const Json::Value& object);
// The text of member `key` (numbers and flags written as text), or empty.
std::string StringMember(const std::string& key, const Json::Value& object);
// The element at `index` of an array, or a null value.
const Json::Value& Element(Json::ArrayIndex index, const Json::Value& array);
// The text of the element at `index`, or empty.
std::string StringElement(Json::ArrayIndex index, const Json::Value& array);
// The text of a scalar value, or empty for null, arrays and objects.
std::string ScalarText(const Json::Value& value);
