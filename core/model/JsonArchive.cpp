#include "core/model/JsonArchive.h"

#include <climits>
#include <cstring>
#include <exception>

#include "core/model/StyledJson.h"

CJsonArchive::CJsonArchive() : mode_(Mode::Storing), root_(Json::nullValue), cursor_(&root_) {}

CJsonArchive::CJsonArchive(const std::string& text)
    : mode_(Mode::Loading), root_(Json::nullValue), cursor_(&root_) {
    // The file counts up to its first zero byte.
    const char* begin = text.data();
    const char* end = begin + strnlen(begin, text.size());
    try {
        Json::Reader reader;  // comments allowed
        parsed = reader.parse(begin, end, root_, false) && root_.isObject();
    } catch (const std::exception&) {
        // The reader refuses nesting deeper than its stack limit by throwing.
        parsed = false;
    }
    if (!parsed) root_ = Json::Value(Json::nullValue);
}

const Json::Value& CJsonArchive::Absent() {
    static const Json::Value null(Json::nullValue);
    return null;
}

const Json::Value* CJsonArchive::LoadMember(const char* key) const {
    if (!cursor_->isObject()) return &Absent();
    const Json::Value* member = cursor_->find(key, key + std::strlen(key));
    return member ? member : &Absent();
}

const Json::Value* CJsonArchive::LoadElement(int index) const {
    if (!cursor_->isArray() || index < 0 || static_cast<Json::ArrayIndex>(index) >= cursor_->size())
        return &Absent();
    return &(*cursor_)[static_cast<Json::ArrayIndex>(index)];
}

void CJsonArchive::Enter(const char* key) {
    stack_.push_back(cursor_);
    if (IsStoring()) {
        cursor_ = &(*cursor_)[key];
    } else {
        // Loading never writes: the shared null stands for anything missing.
        cursor_ = const_cast<Json::Value*>(LoadMember(key));
    }
}

void CJsonArchive::EnterIndex(int index) {
    stack_.push_back(cursor_);
    if (IsStoring()) {
        cursor_ = &(*cursor_)[static_cast<Json::ArrayIndex>(index)];
    } else {
        cursor_ = const_cast<Json::Value*>(LoadElement(index));
    }
}

void CJsonArchive::Leave() {
    if (stack_.empty()) return;
    cursor_ = stack_.back();
    stack_.pop_back();
}

std::string CJsonArchive::ReadText(const Json::Value* value) {
    return value->isString() ? value->asString() : std::string();
}

int CJsonArchive::ReadInt(const Json::Value* value) {
    if (value->isInt()) return value->asInt();
    // A fraction within range is cut to its whole part; anything else reads as 0.
    if (value->isDouble() && value->isConvertibleTo(Json::intValue)) return value->asInt();
    return 0;
}

void CJsonArchive::TextMember(const char* key, std::string& text) {
    if (IsStoring())
        (*cursor_)[key] = text;
    else
        text = ReadText(LoadMember(key));
}

void CJsonArchive::IntMember(const char* key, int& value) {
    if (IsStoring())
        (*cursor_)[key] = value;
    else
        value = ReadInt(LoadMember(key));
}

void CJsonArchive::TextElement(int index, std::string& text) {
    if (IsStoring())
        (*cursor_)[static_cast<Json::ArrayIndex>(index)] = text;
    else
        text = ReadText(LoadElement(index));
}

std::string CJsonArchive::PeekText(const char* outerKey, const char* innerKey) const {
    const Json::Value* outer = LoadMember(outerKey);
    if (!outer->isObject()) return std::string();
    const Json::Value* inner = outer->find(innerKey, innerKey + std::strlen(innerKey));
    return inner ? ReadText(inner) : std::string();
}

int CJsonArchive::Size() const {
    if (!cursor_->isArray()) return 0;
    Json::ArrayIndex size = cursor_->size();
    return size > static_cast<Json::ArrayIndex>(INT_MAX) ? INT_MAX : static_cast<int>(size);
}

std::string CJsonArchive::StyledText() const { return StyledJsonText(root_); }
