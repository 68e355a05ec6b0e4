#pragma once
#include <cstdint>
#include <string>

// The stored value of a property: the integer half counts for type "Int", the text
// half for type "String".
class CPropertyValue {
public:
    int32_t integer = 0;
    std::string text;

    // text = the text, integer = 0.
    static CPropertyValue FromText(const std::string& text);
    // By type, compared without regard to case: "Int" reads the text as a decimal
    // integer and leaves the text empty; "String" keeps the text; any other type
    // gives an empty value.
    static CPropertyValue FromText(const std::string& text, const std::string& type);

    bool operator==(const CPropertyValue& other) const {
        return integer == other.integer && text == other.text;
    }
};
