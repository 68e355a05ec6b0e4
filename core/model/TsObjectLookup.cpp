#include "core/model/TsObject.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "core/model/NameIndex.h"
#include "core/model/ValueSyntax.h"

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view TrimmedView(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return std::string_view(text).substr(begin, end - begin);
}

bool SameNoCase(std::string_view left, std::string_view right) {
    if (left.size() != right.size()) return false;
    for (size_t i = 0; i < left.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(left[i])) !=
            std::tolower(static_cast<unsigned char>(right[i])))
            return false;
    }
    return true;
}

// The object's stored name text, without copying; empty when it has none.
const std::string& StoredName(const CTsObject& object) {
    static const std::string none;
    const CTsProperty* property = object.properties.Find("name");
    return property ? property->value.text : none;
}

// Does `object` bear `trimmedName` (already trimmed)? Trims the stored name in
// place when it carries blanks, as every read of a name does.
bool BearsName(const CTsObject& object, std::string_view trimmedName) {
    const std::string& stored = StoredName(object);
    std::string_view own = TrimmedView(stored);
    if (own.size() != stored.size()) own = TrimmedView(object.GetName());
    return SameNoCase(own, trimmedName);
}

int ZIndexOf(const CTsObject& object) {
    const CTsProperty* property = object.properties.Find("z-index");
    const std::string zIndex = property ? TrimWhiteSpace(property->GetValue().AsText()) : std::string();
    return zIndex.empty() ? 100 : ReadDecimalInt(zIndex);
}
}  // namespace

bool SameName(const std::string& left, const std::string& right) {
    return SameNoCase(TrimmedView(left), TrimmedView(right));
}

std::string CTsObject::GetName() const {
    // Read through the const map: trimming keeps the name as the index knows it.
    CTsProperty* property = const_cast<CTsProperty*>(properties.Find("name"));
    if (!property) return {};
    std::string& text = property->value.text;
    const std::string_view trimmed = TrimmedView(text);
    // Names lose their surrounding blanks the first time they are read.
    if (trimmed.size() != text.size()) text = std::string(trimmed);
    return text;
}

std::string CTsObject::GetFileName() const {
    return IsPage() ? GetName() + ".htm" : GetName();
}

CTsObject* CTsObject::GetPage() const {
    if (IsPage()) return const_cast<CTsObject*>(this);
    if (IsSite()) return nullptr;
    for (CTsObject* ancestor = parent; ancestor; ancestor = ancestor->parent) {
        if (ancestor->IsPage()) return ancestor;
    }
    return nullptr;
}

CTsObject* CTsObject::FindObjectByName(const std::string& name) const {
    if (root == this) {
        // A whole site: a name borne once needs no walk.
        const auto* bearers = CNameIndex::Of(*root).Bearers(CNameIndex::Key(name));
        if (!bearers) return nullptr;
        std::vector<CTsObject*> others;
        for (CTsObject* bearer : *bearers) {
            if (bearer != this) others.push_back(bearer);
        }
        if (others.empty()) return nullptr;
        if (others.size() == 1) return others[0];
    }
    const std::string_view wanted = TrimmedView(name);
    for (CTsObject* child : children) {
        if (BearsName(*child, wanted)) return child;
        if (CTsObject* found = child->FindObjectByName(name)) return found;
    }
    return nullptr;
}

bool CTsObject::ContainsName(const std::string& name) const {
    if (root == this) return CNameIndex::Of(*root).AnyBears(CNameIndex::Key(name));
    return BearsName(*this, TrimmedView(name)) || FindObjectByName(name) != nullptr;
}

namespace {
bool AnotherBears(const CTsObject& subtree, const CTsObject* object, std::string_view name) {
    if (&subtree != object && BearsName(subtree, name)) return true;
    for (const CTsObject* child : subtree.children) {
        if (AnotherBears(*child, object, name)) return true;
    }
    return false;
}
}  // namespace

bool CTsObject::HasNameConflict(const CTsObject* object) const {
    if (!object) return false;
    const std::string name = object->GetName();
    if (root == this) return CNameIndex::Of(*root).OtherBears(CNameIndex::Fold(name), object);
    return AnotherBears(*this, object, name);
}

CTsObject* CTsObject::GetPrevSibling() const {
    if (!parent) return nullptr;
    const auto& siblings = parent->children;
    auto found = std::find(siblings.begin(), siblings.end(), this);
    return found == siblings.end() || found == siblings.begin() ? nullptr : *(found - 1);
}

CTsObject* CTsObject::GetNextSibling() const {
    if (!parent) return nullptr;
    const auto& siblings = parent->children;
    auto found = std::find(siblings.begin(), siblings.end(), this);
    return found == siblings.end() || found + 1 == siblings.end() ? nullptr : *(found + 1);
}

void CTsObject::CollectSelected(std::vector<CTsObject*>& list) {
    if (selected && !IsSiteOrPage()) list.push_back(this);
    for (CTsObject* child : children) child->CollectSelected(list);
}

bool CTsObject::HasSelected() const {
    if (selected) return true;
    return std::any_of(children.begin(), children.end(),
                       [](const CTsObject* child) { return child->HasSelected(); });
}

CTsObject* CTsObject::FindSelected() {
    if (selected) return this;
    for (CTsObject* child : children) {
        if (CTsObject* found = child->FindSelected()) return found;
    }
    return nullptr;
}

CTsObject* CTsObject::FindEditing() {
    if (editing && !IsSiteOrPage()) return this;
    for (CTsObject* child : children) {
        if (CTsObject* found = child->FindEditing()) return found;
    }
    return nullptr;
}

void CTsObject::CollectNames(std::vector<std::string>& list, const std::string& typeName) const {
    if (!IsSiteOrPage() && (typeName.empty() || IsType(typeName))) list.push_back(GetName());
    for (const CTsObject* child : children) child->CollectNames(list, typeName);
}

int CTsObject::GetMaxZIndex() const {
    int highest = ZIndexOf(*this);
    for (const CTsObject* child : children) highest = std::max(highest, child->GetMaxZIndex());
    return highest;
}

int CTsObject::GetMinZIndex() const {
    int lowest = ZIndexOf(*this);
    for (const CTsObject* child : children) lowest = std::min(lowest, child->GetMinZIndex());
    return lowest;
}

std::string CTsObject::GetClassAttribute() const {
    const std::string classes = TrimWhiteSpace(OwnValue("class"));
    return classes.empty() ? std::string() : "class=\"" + classes + "\"";
}

bool CTsObject::IsStatic() const {
    const std::string position = TrimWhiteSpace(OwnValue("position"));
    return position.empty() || EqualsNoCase(position, "static");
}
