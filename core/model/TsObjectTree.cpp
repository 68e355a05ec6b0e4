#include "core/model/TsObject.h"

#include <algorithm>

#include "core/model/ModelHooks.h"
#include "core/model/NameIndex.h"
#include "core/model/ValueSyntax.h"
#include "core/services/Prompt.h"

bool CTsObject::IsType(const std::string& typeName) const { return EqualsNoCase(type, typeName); }

void CTsObject::SetRoot(CTsObject* newRoot, bool recurse) {
    root = newRoot;
    if (!recurse) return;
    for (CTsObject* child : children) child->SetRoot(newRoot, true);
}

int CTsObject::AppendChild(CTsObject* child) {
    return InsertChildAt(static_cast<int>(children.size()), child);
}

void CTsObject::Insert(int index, CTsObject* child) {
    child->parent = this;
    child->SetRoot(root, true);
    children.insert(children.begin() + index, child);
}

int CTsObject::InsertChildAt(int index, CTsObject* child) {
    if (!child) return -1;
    index = std::clamp(index, 0, static_cast<int>(children.size()));
    Insert(index, child);
    child->DetectNameCoincide(true);
    return index;
}

int CTsObject::AttachAsIs(CTsObject* child) {
    if (!child) return -1;
    const int index = static_cast<int>(children.size());
    Insert(index, child);
    return index;
}

int CTsObject::RemoveChild(CTsObject* child) {
    auto found = std::find(children.begin(), children.end(), child);
    if (found == children.end()) {
        ShowMessage("Can't find object to delete.");
        return -1;
    }
    const int index = static_cast<int>(found - children.begin());
    RemoveChildAt(index);
    return index;
}

void CTsObject::RemoveChildAt(int index) {
    if (index < 0 || index >= static_cast<int>(children.size())) return;
    children[index]->parent = nullptr;
    children.erase(children.begin() + index);
}

int CTsObject::CreatePage() {
    CTsObject* page = new CTsObject(this, "Page");
    const int index = AttachAsIs(page);
    page->DetectNameCoincide(true);
    return index;
}

void CTsObject::SetName(const std::string& name) {
    CTsProperty* property = properties.FindOwn("name");
    if (!property || !property->Definition().IsString()) {
        // No usable "name" property: give the object the standard one first, so
        // the name always sticks.
        InstantiateNameOnly(*this, type);
        property = properties.FindOwn("name");
    }
    property->SetValue(name);
}

namespace {
// The name without its trailing decimal digits; the type for an all-digit name.
std::string NameStem(const std::string& name, const std::string& type) {
    size_t end = name.size();
    while (end > 0 && name[end - 1] >= '0' && name[end - 1] <= '9') --end;
    return end == 0 ? type : name.substr(0, end);
}
}  // namespace

void CTsObject::DetectNameCoincide(bool recurse) {
    if (GetName().empty()) SetName(type + "1");
    if (!root) {
        ShowMessage("DetectNameCoincide called with an object without root object");
        return;
    }
    if (NameChecksPaused() || !root->HasNameConflict(this)) return;
    const std::string stem = NameStem(GetName(), type);
    if (root->root == root) {
        // A whole site: its name index finds the number without trying each one.
        SetName(stem + std::to_string(CNameIndex::Of(*root).FirstFreeNumber(stem, this)));
    } else {
        for (int n = 1;; ++n) {
            SetName(stem + std::to_string(n));
            if (!root->HasNameConflict(this)) break;
        }
    }
    if (!recurse) return;
    for (CTsObject* child : children) child->DetectNameCoincide(true);
}
