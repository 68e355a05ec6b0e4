#pragma once
#include <json/json.h>

#include <string>
#include <vector>

// The archive through which a site file is read and written. One symmetrical
// `Serialize` per level walks it: while storing, every member operation writes the
// variable it is given; while loading, it reads into that variable. The cursor
// addresses the JSON node that the next member operation works on.
//
// Loading is tolerant of every shape: a missing member, a null, or a member of
// another JSON type than expected reads as empty text, 0 or an empty array.
class CJsonArchive {
public:
    enum class Mode { Loading, Storing };

    // A storing archive starts from an empty root.
    CJsonArchive();
    // A loading archive parses `text` (up to its first zero byte) with comments
    // allowed; `parsed` tells whether it was JSON whose root is an object.
    explicit CJsonArchive(const std::string& text);

    CJsonArchive(const CJsonArchive&) = delete;
    CJsonArchive& operator=(const CJsonArchive&) = delete;

    bool IsLoading() const { return mode_ == Mode::Loading; }
    bool IsStoring() const { return mode_ == Mode::Storing; }
    bool parsed = true;

    // Moves the cursor into a member (created when storing) or an array element.
    void Enter(const char* key);
    void EnterIndex(int index);
    void Leave();

    void TextMember(const char* key, std::string& text);
    void IntMember(const char* key, int& value);
    void TextElement(int index, std::string& text);
    // Loading: the text of a member of a member, without moving the cursor.
    std::string PeekText(const char* outerKey, const char* innerKey) const;

    // Elements of the cursor: 0 for null and for anything that is not an array.
    int Size() const;

    // The text that closing a storing archive writes: the root laid out one member
    // per line, members sorted, three spaces per level.
    std::string StyledText() const;

    const Json::Value& Root() const { return root_; }

private:
    static const Json::Value& Absent();
    const Json::Value* LoadMember(const char* key) const;
    const Json::Value* LoadElement(int index) const;
    static std::string ReadText(const Json::Value* value);
    static int ReadInt(const Json::Value* value);

    Mode mode_;
    Json::Value root_;
    Json::Value* cursor_;
    std::vector<Json::Value*> stack_;
};
