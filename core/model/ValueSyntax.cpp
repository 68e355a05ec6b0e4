#include "core/model/ValueSyntax.h"

#include <cctype>
#include <cstdio>

#include "core/model/TsObject.h"
#include "core/model/TsProperty.h"
#include "core/services/Paths.h"
#include "core/services/Regex.h"

const char* const kLengthFormatMessage = "Please set as '100px' or '35%' like format.";
const char* const kInvalidNameMessage =
    "name can't be blank and can only begin with alphabet, dash or underline, and can only "
    "contain alphabet, dash, underline or numbers.";

namespace {

// The patterns, compiled once for the life of the process.
const CRegex& SignedPercentPattern() {
    static const CRegex pattern("\\-?[0-9\\.]+%");
    return pattern;
}
const CRegex& SignedIntegerPattern() {
    static const CRegex pattern("\\-?[0-9]+");
    return pattern;
}
const CRegex& PercentPattern() {
    static const CRegex pattern("[0-9]+%");
    return pattern;
}
const CRegex& IntegerPattern() {
    static const CRegex pattern("[0-9]+");
    return pattern;
}
const CRegex& ColorPattern() {
    static const CRegex pattern("#[0-9A-Fa-f]{6}");
    return pattern;
}

// The first match of a pattern, or false.
bool FirstMatch(const CRegex& pattern, const std::string& text, std::string& match) {
    size_t position = 0, length = 0;
    if (!pattern.Search(text, &position, &length)) return false;
    match = text.substr(position, length);
    return true;
}

int HexPair(const std::string& text, size_t at) {
    return static_cast<int>(std::stoul(text.substr(at, 2), nullptr, 16));
}

}  // namespace

bool IsLengthSubtype(const std::string& subtype) {
    return EqualsNoCase(subtype, "Length") || EqualsNoCase(subtype, "LengthX") ||
           EqualsNoCase(subtype, "LengthY");
}

bool IsFileSubtype(const std::string& subtype) {
    return EqualsNoCase(subtype, "File") || EqualsNoCase(subtype, "JSFile") ||
           EqualsNoCase(subtype, "CSSFile") || EqualsNoCase(subtype, "FontFile");
}

bool ValidateLengthText(const std::string& text, std::string& stored) {
    const std::string trimmed = TrimWhiteSpace(text);
    if (trimmed.empty()) return true;
    std::string match;
    if (FirstMatch(SignedPercentPattern(), trimmed, match)) {
        stored = match;
        return true;
    }
    if (FirstMatch(SignedIntegerPattern(), trimmed, match)) {
        stored = match + "px";
        return true;
    }
    if (EqualsNoCase(trimmed, "auto")) {
        stored = trimmed;
        return true;
    }
    return false;
}

std::string NormalizeLength(const std::string& text) {
    std::string match;
    if (FirstMatch(PercentPattern(), text, match)) return match;
    if (FirstMatch(IntegerPattern(), text, match)) return match + "px";
    if (EqualsNoCase(TrimWhiteSpace(text), "auto")) return text;
    return "0";
}

std::string FormatLength(const LENGTHVALUE& length) {
    if (!length.hasValue) return std::string();
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, length.isPercent ? "%.2f%%" : "%.0fpx", length.value);
    return buffer;
}

RGBCOLOR ParseColor(const std::string& text) {
    if (text.empty()) return kNoColor;
    size_t position = 0, length = 0;
    if (!ColorPattern().Search(text, &position, &length)) return kNoColor;
    const int red = HexPair(text, position + 1);
    const int green = HexPair(text, position + 3);
    const int blue = HexPair(text, position + 5);
    return red + green * 256 + blue * 65536;
}

std::string FormatColor(RGBCOLOR color) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF,
                  (color >> 16) & 0xFF);
    return buffer;
}

bool IsValidName(const std::string& text) {
    if (text.empty() || std::isdigit(static_cast<unsigned char>(text[0]))) return false;
    for (unsigned char c : text) {
        const bool allowed = (c < 0x80 && std::isalnum(c)) || c == '-' || c == '_';
        if (!allowed) return false;
    }
    return true;
}

std::string FileValueFromPath(const std::string& path) {
    if (path.empty()) return std::string();
    return FileUrlFromPath(path);
}

bool ValidateValue(const CTsProperty& property, const PropertyVariant& value, PropertyVariant& stored,
                   std::string& message, bool checkName) {
    stored = value;
    const std::string& subtype = property.Subtype();
    if (IsLengthSubtype(subtype)) {
        const std::string text = value.AsText();
        std::string length = text;
        if (!ValidateLengthText(text, length)) {
            message = kLengthFormatMessage;
            return false;
        }
        if (!TrimWhiteSpace(text).empty()) stored = length;
        return true;
    }
    if (EqualsNoCase(subtype, "Color") && value.IsInt()) {
        stored = value.AsInt() == kNoColor ? std::string() : FormatColor(value.AsInt());
    } else if (IsFileSubtype(subtype) && !value.AsText().empty()) {
        stored = FileValueFromPath(value.AsText());
    }
    if (checkName && property.Name() == "name" && !IsValidName(value.AsText())) {
        message = kInvalidNameMessage;
        return false;
    }
    return true;
}

void SetLength(CTsObject& object, const std::string& name, const LENGTHVALUE& length) {
    object.SetProperty(name, FormatLength(length));
}

void SetLengthIfValid(CTsObject& object, const std::string& name, const LENGTHVALUE& length) {
    if (length.hasValue) SetLength(object, name, length);
}

bool IsFullPageWidth(const CTsObject& object) {
    return !object.IsSiteOrPage() && EqualsNoCase(object.OwnValue("width"), "fullpagewidth");
}
