#pragma once
#include <cstdint>
#include <string>
#include <variant>

// The value handed into and out of a property: empty, a 32-bit integer or a text.
// Editors, the design-surface bridge and the file reader exchange values this way.
class PropertyVariant {
public:
    PropertyVariant() = default;
    PropertyVariant(int32_t number) : value_(number) {}
    PropertyVariant(std::string text) : value_(std::move(text)) {}
    PropertyVariant(const char* text) : value_(std::string(text ? text : "")) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool IsInt() const { return std::holds_alternative<int32_t>(value_); }
    bool IsText() const { return std::holds_alternative<std::string>(value_); }

    // The value as an integer: a text is read as a decimal number (leading blanks
    // and one sign allowed, reading stops at the first non-digit, 0 without digits).
    int32_t AsInt() const;
    // The value as text: an integer gives its decimal digits, empty gives "".
    std::string AsText() const;

    // Same kind and same content.
    bool operator==(const PropertyVariant& other) const { return value_ == other.value_; }
    bool operator!=(const PropertyVariant& other) const { return !(*this == other); }

private:
    std::variant<std::monostate, int32_t, std::string> value_;
};

// Reads a decimal integer the way stored texts are read: leading white space, one
// optional sign, digits up to the first non-digit; 0 when no digit comes first.
// Values beyond the 32-bit range are clamped.
int32_t ReadDecimalInt(const std::string& text);
