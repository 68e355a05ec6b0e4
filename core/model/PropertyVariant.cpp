#include "core/model/PropertyVariant.h"

#include <cctype>
#include <limits>

int32_t ReadDecimalInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t number = 0;
    const int64_t limit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        number = number * 10 + (text[i] - '0');
        if (number > limit) number = limit;
    }
    if (negative) number = -number;
    if (number > std::numeric_limits<int32_t>::max()) number = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(number);
}

int32_t PropertyVariant::AsInt() const {
    if (const int32_t* number = std::get_if<int32_t>(&value_)) return *number;
    if (const std::string* text = std::get_if<std::string>(&value_)) return ReadDecimalInt(*text);
    return 0;
}

std::string PropertyVariant::AsText() const {
    if (const std::string* text = std::get_if<std::string>(&value_)) return *text;
    if (const int32_t* number = std::get_if<int32_t>(&value_)) return std::to_string(*number);
    return {};
}
