#pragma once
#include <functional>
#include <string>

#include "core/model/SharedObjectList.h"

class CTsObject;

// The points where the object tree calls into code built on top of it. Each hook
// is a process-wide setting filled once at start-up by the layer that owns the
// behaviour; null (the default) selects the fallback named below. Setting a hook
// to null restores its fallback. Interface thread only, like the whole model.

// Instantiation from the widget definition.
// Called once by each CTsObject constructor, right after the fields are set and
// before the name collision check and the viewport lists. It gives the object its
// properties (the "name" property among them) and its per-type fields (base kind,
// can inline edit, default edit property, external JS/CSS/files, no div).
// Fallback: only the property "name" with the value of the type's short name (the
// text after the last "_") followed by 1, typed "String", group "basic",
// description "name of the widget.", position "0", display name "name".
using InstantiateHook = std::function<void(CTsObject& object, const std::string& type)>;
void SetInstantiateHook(InstantiateHook hook);
void RunInstantiateHook(CTsObject& object, const std::string& type);
// The fallback itself, also usable by an instantiation that wants the same "name".
void InstantiateNameOnly(CTsObject& object, const std::string& type);

// Cascade placement of a fresh copy.
// Called by CTsObject::Clone for each copy it makes (before it is attached; its
// root is the source's site) so it does not sit exactly on another object.
// Fallback: the copy stays where its source is.
using CascadePlacementHook = std::function<void(CTsObject& copy)>;
void SetCascadePlacementHook(CascadePlacementHook hook);
void RunCascadePlacementHook(CTsObject& copy);

// Leaving the shared groups when an object is destroyed.
// Called by CTsObject::Release when the last reference goes and the object's root
// is a site, with that site's groups, before the object is destroyed. Must remove
// the object from every group that holds it (the first occurrence in each group).
// Fallback: nothing is removed (correct while no groups exist).
using LeaveSharedGroupsHook = std::function<void(CTsObject& object, CSharedObjectList& groups)>;
void SetLeaveSharedGroupsHook(LeaveSharedGroupsHook hook);
void RunLeaveSharedGroupsHook(CTsObject& object, CSharedObjectList& groups);

// The current viewport of the active document: 0 for the base layout, k >= 1 for
// the k-th viewport of the site. Every property read and write redirects through
// it. The document layer installs an accessor (the active document's number, 0
// without one); until then the value set with SetCurrentViewport counts.
// The style-sheet generator switches it temporarily: use CViewportScope for that.
using CurrentViewportAccessor = std::function<int()>;
void SetCurrentViewportAccessor(CurrentViewportAccessor accessor);
// Sets the process-wide value the fallback accessor reports.
void SetCurrentViewport(int viewport);
int CurrentViewport();

// Shows viewport `viewport` for as long as it lives, through SetCurrentViewport
// and with no accessor installed; restores both afterwards.
class CViewportScope {
public:
    explicit CViewportScope(int viewport);
    ~CViewportScope();
    CViewportScope(const CViewportScope&) = delete;
    CViewportScope& operator=(const CViewportScope&) = delete;

private:
    CurrentViewportAccessor savedAccessor_;
    int savedValue_;
};

// While one lives, the name-collision check of newly made objects is skipped (the
// empty-name default still applies). The site file reader holds one: it replaces
// every constructed name by the stored one, and checking each new object against
// the whole site read so far would make reading quadratic in the site's size.
class CNameCheckPause {
public:
    CNameCheckPause();
    ~CNameCheckPause();
    CNameCheckPause(const CNameCheckPause&) = delete;
    CNameCheckPause& operator=(const CNameCheckPause&) = delete;
};
bool NameChecksPaused();
