#include "core/model/PropertyMap.h"

#include "core/model/NameIndex.h"
#include "core/model/ModelHooks.h"

CPropertyMap::CPropertyMap(const CPropertyMap& other)
    : properties_(other.properties_), viewportLists_(other.viewportLists_), redirect_(other.redirect_) {}

CPropertyMap::CPropertyMap(CPropertyMap&& other) noexcept
    : properties_(std::move(other.properties_)),
      viewportLists_(std::move(other.viewportLists_)),
      redirect_(other.redirect_) {
    other.TouchAll();
}

CPropertyMap& CPropertyMap::operator=(const CPropertyMap& other) {
    if (this == &other) return *this;
    TouchAll();
    properties_ = other.properties_;
    viewportLists_ = other.viewportLists_;
    redirect_ = other.redirect_;
    return *this;
}

CPropertyMap& CPropertyMap::operator=(CPropertyMap&& other) noexcept {
    if (this == &other) return *this;
    TouchAll();
    other.TouchAll();
    properties_ = std::move(other.properties_);
    viewportLists_ = std::move(other.viewportLists_);
    redirect_ = other.redirect_;
    return *this;
}

void CPropertyMap::TouchName(const std::string& name) const {
    if (owner_ && name == "name") NoteNameTouched(owner_);
}

void CPropertyMap::TouchAll() const {
    if (owner_) NoteNameTouched(owner_);
}

const CPropertyMap* CPropertyMap::RedirectTarget(const std::string& name) const {
    if (!redirect_ || viewportLists_.empty()) return nullptr;
    const int viewport = CurrentViewport();
    if (viewport < 1 || viewport > static_cast<int>(viewportLists_.size())) return nullptr;
    const CPropertyMap& list = viewportLists_[viewport - 1];
    return list.properties_.count(name) ? &list : nullptr;
}

const CTsProperty* CPropertyMap::Find(const std::string& name) const {
    if (const CPropertyMap* list = RedirectTarget(name)) return list->Find(name);
    return FindOwn(name);
}

CTsProperty* CPropertyMap::Find(const std::string& name) {
    TouchName(name);
    return const_cast<CTsProperty*>(static_cast<const CPropertyMap*>(this)->Find(name));
}

bool CPropertyMap::Lookup(const std::string& name, CTsProperty& out) const {
    const CTsProperty* property = Find(name);
    if (!property) return false;
    out = *property;
    return true;
}

CTsProperty& CPropertyMap::At(const std::string& name) {
    TouchName(name);
    if (CTsProperty* property = Find(name)) return *property;
    return properties_[name];
}

void CPropertyMap::IterateEffective(const Visitor& visitor) {
    TouchAll();
    // The list in effect is the same for every name: find it once.
    CPropertyMap* list = nullptr;
    if (redirect_ && !viewportLists_.empty()) {
        const int viewport = CurrentViewport();
        if (viewport >= 1 && viewport <= static_cast<int>(viewportLists_.size())) list = &viewportLists_[viewport - 1];
    }
    for (auto& [name, own] : properties_) {
        CTsProperty* effective = list ? list->FindOwn(name) : nullptr;
        visitor(name, effective ? *effective : own);
    }
}

const CTsProperty* CPropertyMap::FindOwn(const std::string& name) const {
    auto found = properties_.find(name);
    return found == properties_.end() ? nullptr : &found->second;
}

CTsProperty* CPropertyMap::FindOwn(const std::string& name) {
    TouchName(name);
    auto found = properties_.find(name);
    return found == properties_.end() ? nullptr : &found->second;
}

void CPropertyMap::SetOwn(const std::string& name, CTsProperty property) {
    TouchName(name);
    properties_.insert_or_assign(name, std::move(property));
}

void CPropertyMap::Assign(const CPropertyMap& source) {
    if (this == &source) return;
    // Built aside first: `source` may be one of this map's own lists.
    std::vector<CPropertyMap> lists(source.viewportLists_.size());
    for (size_t i = 0; i < lists.size(); ++i) lists[i].Assign(source.viewportLists_[i]);
    TouchAll();
    redirect_ = false;
    Properties copied = source.properties_;  // base values: the own map, never redirected
    properties_.swap(copied);
    redirect_ = true;
    viewportLists_.swap(lists);
}
