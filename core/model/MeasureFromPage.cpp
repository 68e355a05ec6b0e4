#include "core/model/TsObject.h"

#include <functional>

#include "core/model/PageEvaluator.h"
#include "core/model/ValueSyntax.h"

namespace {
struct OFFSETS {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

using OffsetSource = std::function<OFFSETS(const CTsObject& object)>;

// A name as a single-quoted script string: quotes, backslashes and control
// characters escaped, so no stored name can break out of the expression.
std::string ScriptString(const std::string& text) {
    std::string quoted = "'";
    for (unsigned char c : text) {
        if (c == '\\' || c == '\'') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c < 0x20) {
            static const char digits[] = "0123456789abcdef";
            quoted += "\\x";
            quoted += digits[c >> 4];
            quoted += digits[c & 15];
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + "'";
}

void MeasureWalk(CTsObject& object, int32_t originX, int32_t originY, const OffsetSource& source) {
    const bool fixed = EqualsNoCase(TrimWhiteSpace(object.OwnValue("position")), "fixed");
    const bool fullWidth = !object.IsSiteOrPage() && EqualsNoCase(object.OwnValue("width"), "fullpagewidth");
    const bool ownOrigin = fixed || fullWidth;
    const OFFSETS offsets = source(object);
    object.rect.left = (ownOrigin ? 0 : originX) + offsets.left;
    object.rect.top = (ownOrigin ? 0 : originY) + offsets.top;
    object.rect.right = object.rect.left + offsets.width;
    object.rect.bottom = object.rect.top + offsets.height;

    const bool passOrigin = object.IsStatic() && !object.IsPage();
    const int32_t childX = passOrigin ? originX : object.rect.left;
    const int32_t childY = passOrigin ? originY : object.rect.top;
    for (CTsObject* child : object.children) {
        if (!child->socketed) MeasureWalk(*child, childX, childY, source);
    }
    for (CTsObject* plugged : object.socketedObjects) MeasureWalk(*plugged, childX, childY, source);
}

// The four offsets of a list of elements, read by one script: "l,t,w,h" per
// element, elements separated by ";", an empty entry for a missing element.
std::string BatchScript(const std::vector<std::string>& names) {
    std::string ids;
    for (const std::string& name : names) ids += (ids.empty() ? "" : ",") + ScriptString(name);
    return "(function(){var ids=[" + ids +
           "];var out=[];for(var i=0;i<ids.length;i++){var e=document.getElementById(ids[i]);"
           "out.push(e?[e.offsetLeft,e.offsetTop,e.offsetWidth,e.offsetHeight].join(','):'');}"
           "return out.join(';');})()";
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator) parts.emplace_back();
        else parts.back() += c;
    }
    return parts;
}

std::vector<OFFSETS> ParseBatch(const std::string& answer, size_t count) {
    std::vector<OFFSETS> result(count);
    const std::vector<std::string> entries = Split(answer, ';');
    if (entries.size() != count) return result;  // a failed evaluation: all zero
    for (size_t i = 0; i < count; ++i) {
        const std::vector<std::string> numbers = Split(entries[i], ',');
        if (numbers.size() != 4) continue;
        result[i] = {ReadDecimalInt(numbers[0]), ReadDecimalInt(numbers[1]),
                     ReadDecimalInt(numbers[2]), ReadDecimalInt(numbers[3])};
    }
    return result;
}
}  // namespace

void CTsObject::MeasureFromPage(IPageEvaluator& page, int originX, int originY) {
    MeasureWalk(*this, originX, originY, [&page](const CTsObject& object) {
        const std::string element = "document.getElementById(" + ScriptString(object.GetName()) + ").";
        auto read = [&](const char* member) { return ReadDecimalInt(page.Evaluate(element + member)); };
        OFFSETS offsets;
        offsets.left = read("offsetLeft");
        offsets.top = read("offsetTop");
        offsets.width = read("offsetWidth");
        offsets.height = read("offsetHeight");
        return offsets;
    });
}

void CTsObject::MeasureFromPageBatched(IPageEvaluator& page, int originX, int originY) {
    // The walk visits objects in an order that does not depend on the numbers:
    // collect the names in that order, ask once, then walk again with the answers.
    std::vector<std::string> names;
    MeasureWalk(*this, originX, originY, [&names](const CTsObject& object) {
        names.push_back(object.GetName());
        return OFFSETS{};
    });
    const std::vector<OFFSETS> answers = ParseBatch(page.Evaluate(BatchScript(names)), names.size());
    size_t next = 0;
    MeasureWalk(*this, originX, originY, [&](const CTsObject&) { return answers[next++]; });
}
