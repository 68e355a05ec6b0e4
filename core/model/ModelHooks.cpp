#include "core/model/ModelHooks.h"

#include "core/model/TsObject.h"

namespace {
InstantiateHook& InstantiateSlot() {
    static InstantiateHook hook;
    return hook;
}
CascadePlacementHook& CascadeSlot() {
    static CascadePlacementHook hook;
    return hook;
}
LeaveSharedGroupsHook& LeaveGroupsSlot() {
    static LeaveSharedGroupsHook hook;
    return hook;
}
CurrentViewportAccessor& ViewportAccessorSlot() {
    static CurrentViewportAccessor accessor;
    return accessor;
}
int& ViewportValue() {
    static int viewport = 0;
    return viewport;
}
}  // namespace

void SetInstantiateHook(InstantiateHook hook) { InstantiateSlot() = std::move(hook); }

void RunInstantiateHook(CTsObject& object, const std::string& type) {
    if (InstantiateSlot()) InstantiateSlot()(object, type);
    else InstantiateNameOnly(object, type);
}

void InstantiateNameOnly(CTsObject& object, const std::string& type) {
    const size_t underscore = type.rfind('_');
    const std::string shortName = underscore == std::string::npos ? type : type.substr(underscore + 1);
    CPropertyDefinition definition;
    definition.name = "name";
    definition.type = "String";
    definition.groupName = "basic";
    definition.description = "name of the widget.";
    definition.position = "0";
    definition.displayName = "name";
    definition.defaultValue = shortName + "1";
    object.properties.SetOwn("name", CTsProperty::FromDefinition(std::move(definition)));
}

void SetCascadePlacementHook(CascadePlacementHook hook) { CascadeSlot() = std::move(hook); }

void RunCascadePlacementHook(CTsObject& copy) {
    if (CascadeSlot()) CascadeSlot()(copy);
}

void SetLeaveSharedGroupsHook(LeaveSharedGroupsHook hook) { LeaveGroupsSlot() = std::move(hook); }

void RunLeaveSharedGroupsHook(CTsObject& object, CSharedObjectList& groups) {
    if (LeaveGroupsSlot()) LeaveGroupsSlot()(object, groups);
}

void SetCurrentViewportAccessor(CurrentViewportAccessor accessor) {
    ViewportAccessorSlot() = std::move(accessor);
}

void SetCurrentViewport(int viewport) { ViewportValue() = viewport; }

int CurrentViewport() {
    const CurrentViewportAccessor& accessor = ViewportAccessorSlot();
    return accessor ? accessor() : ViewportValue();
}

CViewportScope::CViewportScope(int viewport)
    : savedAccessor_(std::move(ViewportAccessorSlot())), savedValue_(ViewportValue()) {
    ViewportAccessorSlot() = nullptr;
    ViewportValue() = viewport;
}

CViewportScope::~CViewportScope() {
    ViewportAccessorSlot() = std::move(savedAccessor_);
    ViewportValue() = savedValue_;
}

namespace {
int& NameCheckPauses() {
    static int pauses = 0;
    return pauses;
}
}  // namespace

CNameCheckPause::CNameCheckPause() { ++NameCheckPauses(); }
CNameCheckPause::~CNameCheckPause() { --NameCheckPauses(); }
bool NameChecksPaused() { return NameCheckPauses() > 0; }
