#include "core/model/TsObject.h"

#include <cstdio>
#include <unordered_set>

#include "core/model/ModelHooks.h"
#include "core/model/NameIndex.h"
#include "core/model/Viewport.h"
#include "core/services/Prompt.h"

namespace {
// Every object alive in the process. A detached object kept by an undo action or
// a clipboard may outlive the site its root field names; Release looks here
// before it touches that site.
std::unordered_set<const CTsObject*>& LiveObjects() {
    static std::unordered_set<const CTsObject*> live;
    return live;
}

CTsObject*& LastRefusedSlot() {
    static CTsObject* object = nullptr;
    return object;
}

void Initialise(CTsObject& object) {
    LiveObjects().insert(&object);
    RunInstantiateHook(object, object.type);
    object.DetectNameCoincide(false);
    BuildViewportLists(object);
    object.properties.SetOwner(&object);
}
}  // namespace

CTsObject* LastRefusedObject() { return LastRefusedSlot(); }
void SetLastRefusedObject(CTsObject* object) { LastRefusedSlot() = object; }

CTsObject::CTsObject() : type("Site"), children(this), root(this) { Initialise(*this); }

CTsObject::CTsObject(CTsObject* parentObject, const std::string& typeName)
    : type(typeName), children(this), parent(parentObject), root(parentObject ? parentObject->root : nullptr) {
    Initialise(*this);
}

CTsObject::CTsObject(BlankTag) : type("Site"), children(this), root(this) {
    LiveObjects().insert(this);
    properties.SetOwner(this);
}

CTsObject::~CTsObject() {
    std::vector<CTsObject*> owned;
    children.swap(owned);
    for (CTsObject* child : owned) child->Release();
    if (LastRefusedSlot() == this) LastRefusedSlot() = nullptr;
    LiveObjects().erase(this);
}

bool CTsObject::IsLive(const CTsObject* object) { return object && LiveObjects().count(object) != 0; }

CTsObject* CTsObject::MakeCopy(const CTsObject& source) {
    CTsObject* copy = new CTsObject(BlankTag{});
    copy->CopyFrom(source);
    return copy;
}

void CTsObject::CopyFrom(const CTsObject& source) {
    if (this == &source) return;
    type = source.type;
    properties = source.properties;
    rect = source.rect;
    root = source.root;
    parent = source.parent;
    socketed = source.socketed;
    canInlineEdit = source.canInlineEdit;
    noDiv = source.noDiv;
    defaultEditProperty = source.defaultEditProperty;
    externalJS = source.externalJS;
    externalCSS = source.externalCSS;
    externalFiles = source.externalFiles;
    baseKind = source.baseKind;
    selected = source.selected;
}

CTsObject* CTsObject::Clone(bool placeTop) const {
    CTsObject* copy = MakeCopy(*this);
    copy->children.reserve(children.size());
    for (const CTsObject* child : children) {
        CTsObject* childCopy = child->Clone(true);
        childCopy->selected = false;
        childCopy->parent = copy;
        copy->children.push_back(childCopy);
    }
    copy->selected = false;
    if (placeTop) RunCascadePlacementHook(*copy);
    return copy;
}

void CTsObject::AddRef() { ++refCount; }

void CTsObject::Release() {
    --refCount;
    if (refCount < 0) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "delete object error, reference count = %d, ", static_cast<int>(refCount));
        ShowMessage(std::string(text) + GetName() +
                    ", this is a message for debug, please ignore.");
        return;
    }
    if (refCount != 0) return;
    if (!root || (IsLive(root) && !root->IsSite())) {
        ShowMessage("only site object can link two object");
    } else if (IsLive(root)) {
        RunLeaveSharedGroupsHook(*this, root->sharedGroups);
    }
    // A site that no longer exists took its groups with it: nothing to leave.
    delete this;
}
