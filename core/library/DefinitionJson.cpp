#include "core/library/DefinitionJson.h"

#include <exception>
#include <memory>

namespace {

const Json::Value& NullValue() {
    static const Json::Value null;
    return null;
}

}  // namespace

bool ParseDefinitionText(const std::string& text, Json::Value& value, std::string& error) {
    value = Json::Value();
    error.clear();
    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    builder["collectComments"] = false;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    try {
        const char* begin = text.data();
        if (text.rfind("\xEF\xBB\xBF", 0) == 0) begin += 3;  // a UTF-8 byte-order mark
        if (reader->parse(begin, begin + text.size(), &value, &error)) return true;
    } catch (const std::exception& failure) {
        // The reader refuses nesting deeper than its stack limit by throwing.
        error = failure.what();
    }
    if (error.empty()) error = "malformed JSON";
    return false;
}

const Json::Value& Member(const std::string& key, const Json::Value& object) {
    if (!object.isObject()) return NullValue();
    const Json::Value* member = object.find(key.data(), key.data() + key.size());
    return member ? *member : NullValue();
}

std::string ScalarText(const Json::Value& value) {
    if (value.isString()) return value.asString();
    if (value.isBool() || value.isNumeric()) return value.asString();
    return std::string();
}

std::string StringMember(const std::string& key, const Json::Value& object) {
    return ScalarText(Member(key, object));
}

const Json::Value& Element(Json::ArrayIndex index, const Json::Value& array) {
    if (!array.isArray() || index >= array.size()) return NullValue();
    return array[index];
}

std::string StringElement(Json::ArrayIndex index, const Json::Value& array) {
    return ScalarText(Element(index, array));
}
