#include "core/model/StyledJson.h"

#include <charconv>
#include <cstring>
#include <vector>

namespace {

// The writer's line width: longer arrays of plain values take one line each.
constexpr size_t kRightMargin = 74;
constexpr size_t kIndentSize = 3;

bool NeedsEscaping(const std::string& text) {
    for (unsigned char c : text)
        if (c < 0x20 || c >= 0x80 || c == '"' || c == '\\') return true;
    return false;
}

bool NeedsEscaping(const char* text) {
    for (; *text; ++text) {
        const auto c = static_cast<unsigned char>(*text);
        if (c < 0x20 || c >= 0x80 || c == '"' || c == '\\') return true;
    }
    return false;
}

std::string QuotedText(const std::string& text) {
    if (!NeedsEscaping(text)) return "\"" + text + "\"";
    if (std::memchr(text.data(), '\0', text.size()) == nullptr) return Json::valueToQuotedString(text.c_str());
    // A zero byte inside the text: the writer itself knows its escape.
    std::string written = Json::StyledWriter().write(Json::Value(text));
    written.pop_back();
    return written;
}

std::string PlainText(const Json::Value& value) {
    switch (value.type()) {
        case Json::nullValue: return "null";
        case Json::intValue: return Json::valueToString(value.asLargestInt());
        case Json::uintValue: return Json::valueToString(value.asLargestUInt());
        case Json::realValue: return Json::valueToString(value.asDouble());
        case Json::booleanValue: return value.asBool() ? "true" : "false";
        case Json::stringValue: {
            const char* begin = nullptr;
            const char* end = nullptr;
            value.getString(&begin, &end);
            return QuotedText(std::string(begin, end));
        }
        case Json::arrayValue: return "[]";
        case Json::objectValue: return "{}";
    }
    return std::string();
}

}  // namespace

std::string StyledJsonText(const Json::Value& root) {
    CStyledJsonWriter writer;
    writer.WriteValue(root);
    return writer.Finish();
}

std::string QuotedJsonText(const std::string& text) { return QuotedText(text); }

std::string CStyledJsonWriter::Finish() {
    text_ += '\n';
    return std::move(text_);
}

void CStyledJsonWriter::WriteIndent() {
    if (!text_.empty()) {
        const char last = text_.back();
        if (last == ' ') return;  // already indented
        if (last != '\n') text_ += '\n';
    }
    text_.append(indent_, ' ');
}

void CStyledJsonWriter::WriteWithIndent(char value) {
    WriteIndent();
    text_ += value;
}

void CStyledJsonWriter::WriteValue(const Json::Value& value) {
    if (value.isArray() && !value.empty()) return WriteArray(value);
    if (value.isObject() && !value.empty()) return WriteObject(value);
    text_ += PlainText(value);
}

void CStyledJsonWriter::BeginObject() {
    WriteWithIndent('{');
    indent_ += kIndentSize;
}

void CStyledJsonWriter::Member(const char* name, bool first) {
    if (!first) text_ += ',';
    WriteIndent();
    if (NeedsEscaping(name)) {
        text_ += Json::valueToQuotedString(name);
    } else {
        text_ += '"';
        text_ += name;
        text_ += '"';
    }
    text_ += " : ";
}

void CStyledJsonWriter::WriteQuoted(const std::string& text) {
    if (NeedsEscaping(text)) {
        text_ += QuotedText(text);
        return;
    }
    text_ += '"';
    text_ += text;
    text_ += '"';
}

void CStyledJsonWriter::WriteInt(long long value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    text_.append(digits, result.ptr);
}

void CStyledJsonWriter::EndObject() {
    indent_ -= kIndentSize;
    WriteWithIndent('}');
}

void CStyledJsonWriter::BeginArray() {
    WriteWithIndent('[');
    indent_ += kIndentSize;
}

void CStyledJsonWriter::Element(bool first) {
    if (!first) text_ += ',';
    WriteIndent();
}

void CStyledJsonWriter::EndArray() {
    indent_ -= kIndentSize;
    WriteWithIndent(']');
}

void CStyledJsonWriter::WriteObject(const Json::Value& value) {
    BeginObject();
    const auto end = value.end();
    bool first = true;
    for (auto member = value.begin(); member != end; ++member) {
        // Member names are quoted up to a zero byte, as the writer does.
        Member(member.name().c_str(), first);
        first = false;
        WriteValue(*member);
    }
    EndObject();
}

bool CStyledJsonWriter::OneLineElements(const Json::Value& value, std::vector<std::string>& elements) {
    const Json::ArrayIndex size = value.size();
    if (size * 3 >= kRightMargin) return false;
    // By index: an array's storage skips the elements never assigned.
    for (Json::ArrayIndex i = 0; i < size; ++i) {
        const Json::Value& element = value[i];
        if ((element.isArray() || element.isObject()) && !element.empty()) return false;
    }
    size_t lineLength = 4 + (size - 1) * 2;
    for (Json::ArrayIndex i = 0; i < size; ++i) {
        elements.push_back(PlainText(value[i]));
        lineLength += elements.back().size();
    }
    return lineLength < kRightMargin;
}

void CStyledJsonWriter::WriteArray(const Json::Value& value) {
    std::vector<std::string> elements;
    if (OneLineElements(value, elements)) {
        text_ += "[ ";
        for (size_t i = 0; i < elements.size(); ++i) {
            if (i > 0) text_ += ", ";
            text_ += elements[i];
        }
        text_ += " ]";
        return;
    }
    BeginArray();
    const Json::ArrayIndex size = value.size();
    for (Json::ArrayIndex i = 0; i < size; ++i) {
        Element(i == 0);
        WriteValue(value[i]);
    }
    EndArray();
}
