#pragma once
#include <json/json.h>

#include <string>
#include <string_view>
#include <vector>

// Lays a JSON value out exactly as JsonCpp's StyledWriter does (members sorted,
// three spaces per level, short arrays of plain values on one line, a final line
// feed), in one pass without the writer's intermediate strings. Comments are not
// written: the site file has none.
std::string StyledJsonText(const Json::Value& root);

// A text as the writer quotes it (non-ASCII and control characters escaped).
std::string QuotedJsonText(const std::string& text);

// The same layout built piece by piece, for writers that walk their own data:
// objects and arrays opened here must be non-empty (an empty one is written as
// a plain value), members must come in ascending order of their names.
class CStyledJsonWriter {
public:
    void WriteValue(const Json::Value& value);
    // A plain value already in its written form ("null", a number, a quoted text).
    void WritePlain(std::string_view text) { text_ += text; }
    // A text quoted as QuotedJsonText does, appended in place.
    void WriteQuoted(const std::string& text);
    void WriteInt(long long value);
    // Room for a text of about this size, to spare regrowing.
    void Reserve(size_t size) { text_.reserve(size); }

    void BeginObject();
    // Starts a member: the comma after the previous one, the name and " : ".
    void Member(const char* name, bool first);
    void EndObject();
    // A multi-line array: each element starts with Element.
    void BeginArray();
    void Element(bool first);
    void EndArray();

    // The text with its final line feed; the writer is spent afterwards.
    std::string Finish();

private:
    void WriteIndent();
    void WriteWithIndent(char value);
    void WriteObject(const Json::Value& value);
    void WriteArray(const Json::Value& value);
    static bool OneLineElements(const Json::Value& value, std::vector<std::string>& elements);

    std::string text_;
    size_t indent_ = 0;
};
