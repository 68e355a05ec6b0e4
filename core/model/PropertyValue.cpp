#include "core/model/PropertyValue.h"

#include "core/model/PropertyVariant.h"
#include "core/model/ValueSyntax.h"

CPropertyValue CPropertyValue::FromText(const std::string& text) {
    CPropertyValue value;
    value.text = text;
    return value;
}

CPropertyValue CPropertyValue::FromText(const std::string& text, const std::string& type) {
    CPropertyValue value;
    if (EqualsNoCase(type, "Int")) value.integer = ReadDecimalInt(text);
    else if (EqualsNoCase(type, "String")) value.text = text;
    return value;
}
