#include "core/model/StyledJson.h"

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

class CStyledJson {
public:
    std::string Write(const Json::Value& root) {
        WriteValue(root);
        text_ += '\n';
        return std::move(text_);
    }

private:
    void WriteIndent() {
        if (!text_.empty()) {
            const char last = text_.back();
            if (last == ' ') return;  // already indented
            if (last != '\n') text_ += '\n';
        }
        text_.append(indent_, ' ');
    }
    void WriteWithIndent(const std::string& value) {
        WriteIndent();
        text_ += value;
    }

    void WriteValue(const Json::Value& value) {
        if (value.isArray() && !value.empty()) return WriteArray(value);
        if (value.isObject() && !value.empty()) return WriteObject(value);
        text_ += PlainText(value);
    }

    void WriteObject(const Json::Value& value) {
        WriteWithIndent("{");
        indent_ += kIndentSize;
        const auto end = value.end();
        for (auto member = value.begin(); member != end;) {
            // Member names are quoted up to a zero byte, as the writer does.
            WriteWithIndent(Json::valueToQuotedString(member.name().c_str()));
            text_ += " : ";
            WriteValue(*member);
            if (++member != end) text_ += ',';
        }
        indent_ -= kIndentSize;
        WriteWithIndent("}");
    }

    // The plain texts of a short array of plain values, or false when the array
    // takes one line per element.
    static bool OneLineElements(const Json::Value& value, std::vector<std::string>& elements) {
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

    void WriteArray(const Json::Value& value) {
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
        WriteWithIndent("[");
        indent_ += kIndentSize;
        const Json::ArrayIndex size = value.size();
        for (Json::ArrayIndex i = 0; i < size; ++i) {
            WriteIndent();
            WriteValue(value[i]);
            if (i + 1 < size) text_ += ',';
        }
        indent_ -= kIndentSize;
        WriteWithIndent("]");
    }

    std::string text_;
    size_t indent_ = 0;
};

}  // namespace

std::string StyledJsonText(const Json::Value& root) { return CStyledJson().Write(root); }
