#include "core/model/NameIndex.h"

#include <algorithm>
#include <cctype>

#include "core/model/TsObject.h"
#include "core/model/ValueSyntax.h"

namespace {
// Splits a key into its stem and trailing number; false without digits.
bool SplitNumber(const std::string& key, std::string& stem, long& number) {
    size_t end = key.size();
    while (end > 0 && std::isdigit(static_cast<unsigned char>(key[end - 1]))) --end;
    if (end == key.size()) return false;
    stem = key.substr(0, end);
    const std::string digits = key.substr(end);
    number = digits.size() > 9 ? -1 : std::stol(digits);
    return true;
}
}  // namespace

std::string CNameIndex::Fold(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string CNameIndex::Key(const std::string& name) { return Fold(TrimWhiteSpace(name)); }

CNameIndex& CNameIndex::Of(CTsObject& site) {
    if (!site.nameIndex_) site.nameIndex_ = std::make_unique<CNameIndex>();
    CNameIndex& index = *site.nameIndex_;
    if (!index.built_) index.Rebuild(site);
    else index.ReadPending();
    return index;
}

CNameIndex* CNameIndex::Holding(const CTsObject* object) {
    if (!object || !CTsObject::IsLive(object->root)) return nullptr;
    CNameIndex* index = object->root->nameIndex_.get();
    return index && index->built_ && index->Contains(object) ? index : nullptr;
}

void CNameIndex::Rebuild(CTsObject& site) {
    bearers_.clear();
    keyOf_.clear();
    freeFrom_.clear();
    pending_.clear();
    AddSubtree(site);
    built_ = true;
}

void CNameIndex::ReadPending() {
    std::unordered_set<CTsObject*> touched;
    touched.swap(pending_);
    for (CTsObject* object : touched) {
        if (Contains(object)) Add(*object);
    }
}

void NoteChildAdded(CTsObject* owner, CTsObject* child) {
    if (CNameIndex* index = CNameIndex::Holding(owner)) index->AddSubtree(*child);
}

void NoteChildRemoved(CTsObject* owner, CTsObject* child) {
    if (CNameIndex* index = CNameIndex::Holding(owner)) index->RemoveSubtree(*child);
}

void NoteChildrenReplaced(CTsObject* owner) {
    if (CNameIndex* index = CNameIndex::Holding(owner)) index->built_ = false;
}

void NoteNameTouched(CTsObject* owner) {
    if (CNameIndex* index = CNameIndex::Holding(owner)) index->pending_.insert(owner);
}

void CNameIndex::Add(CTsObject& object) {
    if (Contains(&object)) Remove(object);
    std::string key = Key(object.GetName());
    bearers_[key].push_back(&object);
    keyOf_[&object] = std::move(key);
}

void CNameIndex::Remove(const CTsObject& object) {
    auto found = keyOf_.find(&object);
    if (found == keyOf_.end()) return;
    const std::string key = std::move(found->second);
    keyOf_.erase(found);
    pending_.erase(const_cast<CTsObject*>(&object));
    auto bearers = bearers_.find(key);
    if (bearers == bearers_.end()) return;
    auto& list = bearers->second;
    list.erase(std::remove(list.begin(), list.end(), &object), list.end());
    if (!list.empty()) return;
    bearers_.erase(bearers);
    // The name is free now: the search for its stem must consider it again.
    std::string stem;
    long number = 0;
    if (!SplitNumber(key, stem, number)) return;
    auto hint = freeFrom_.find(stem);
    if (hint == freeFrom_.end() || (number > 0 && number >= hint->second)) return;
    if (number <= 0) freeFrom_.erase(hint);
    else hint->second = static_cast<int>(number);
}

void CNameIndex::AddSubtree(CTsObject& object) {
    Add(object);
    for (CTsObject* child : object.children) AddSubtree(*child);
}

void CNameIndex::RemoveSubtree(CTsObject& object) {
    Remove(object);
    for (CTsObject* child : object.children) RemoveSubtree(*child);
}

const std::vector<CTsObject*>* CNameIndex::Bearers(const std::string& key) const {
    auto found = bearers_.find(key);
    return found == bearers_.end() ? nullptr : &found->second;
}

bool CNameIndex::OtherBears(const std::string& key, const CTsObject* object) const {
    const std::vector<CTsObject*>* list = Bearers(key);
    if (!list) return false;
    return std::any_of(list->begin(), list->end(), [object](const CTsObject* o) { return o != object; });
}

int CNameIndex::FirstFreeNumber(const std::string& stem, const CTsObject* object) {
    const std::string key = Fold(stem);
    auto hint = freeFrom_.find(key);
    int n = hint == freeFrom_.end() ? 1 : hint->second;
    while (OtherBears(key + std::to_string(n), object)) ++n;
    freeFrom_[key] = n;
    return n;
}
