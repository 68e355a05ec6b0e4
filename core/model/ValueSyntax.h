#pragma once
#include <string>

#include "core/model/PropertyVariant.h"
#include "core/services/TextCompare.h"

class CTsObject;
class CTsProperty;

// The small syntax that property texts follow: CSS lengths, colours, object names
// and file references, the check run when a user commits a value in an editor, and
// the helpers that turn numbers, colours and picked files into stored texts.

// A length as the design surface measures it: pixels or percent, or nothing.
struct LENGTHVALUE {
    double value = 0;
    bool isPercent = false;
    bool hasValue = false;
};

// An RGB colour: red in the low byte, green in the next, blue in the third.
// -1 means no colour (automatic).
using RGBCOLOR = int;
constexpr RGBCOLOR kNoColor = -1;

// The message with which ValidateValue refuses a length.
extern const char* const kLengthFormatMessage;
// The message with which ValidateValue refuses an object name.
extern const char* const kInvalidNameMessage;


// True for the subtypes "Length", "LengthX" and "LengthY" (any letter case).
bool IsLengthSubtype(const std::string& subtype);
// True for the file-reference subtypes "File", "JSFile", "CSSFile", "FontFile".
bool IsFileSubtype(const std::string& subtype);

// The check of a committed length text. False when the text is no length; on true
// `stored` holds the text to keep: "100" gives "100px", "35%" stays, "12.5" gives
// "12px", "auto" stays as written, blanks stay as they are.
bool ValidateLengthText(const std::string& text, std::string& stored);

// One element of a space-separated list of lengths: "10%" stays, "15" gives "15px",
// "auto" stays, anything else gives "0". Signs and decimals are not read.
std::string NormalizeLength(const std::string& text);
// "%.2f%%" for a percentage, "%.0fpx" for pixels, empty without a value.
std::string FormatLength(const LENGTHVALUE& length);

// The first "#rrggbb" in the text (any case) as an RGB colour, or -1.
RGBCOLOR ParseColor(const std::string& text);
// "#rrggbb" in lower case.
std::string FormatColor(RGBCOLOR color);

// An object name: ASCII letters, digits, "-" and "_", not empty and not starting
// with a digit.
bool IsValidName(const std::string& text);

// The stored form of a picked file: a file URL for an absolute path, otherwise the
// path with forward slashes; "(" ")" "'" percent-encoded either way.
std::string FileValueFromPath(const std::string& path);

// The check run when a user commits `value` for `property` in an editor. `stored`
// starts as a copy of `value`; on true the editor keeps `stored`, on false it shows
// `message` and puts the old value back. Lengths are checked and completed, colours
// (RGB values) and picked files turned into their stored texts, and with
// `checkName` the property named exactly "name" must hold a valid name.
bool ValidateValue(const CTsProperty& property, const PropertyVariant& value, PropertyVariant& stored,
                   std::string& message, bool checkName);

// Store FormatLength(length) through SetProperty; the IfValid form does nothing
// without a value.
void SetLength(CTsObject& object, const std::string& name, const LENGTHVALUE& length);
void SetLengthIfValid(CTsObject& object, const std::string& name, const LENGTHVALUE& length);

// True when the object is neither a site nor a page and its "width" is
// "fullpagewidth" (any letter case).
bool IsFullPageWidth(const CTsObject& object);
