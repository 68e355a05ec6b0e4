#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/model/ChildList.h"
#include "core/model/PropertyMap.h"
#include "core/model/PropertyVariant.h"
#include "core/model/SharedObjectList.h"

class CNameIndex;
class IPageEvaluator;

// A box in page pixels.
struct TSRECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const TSRECT& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

// One node of a site tree: the site ("Site"), a page ("Page"), a block ("Block",
// "Container", "PageWidthBlock") or a widget (its widget-library type name).
//
// Ownership: a parent holds one reference of each child; undo actions and
// clipboards hold references of what they keep (AddRef/Release). The site object
// of a document is not reference counted: the document deletes it, which releases
// the pages and through them the whole tree.
//
// Names: the trimmed "name" property is unique within a site without regard to
// letter case; it is the element id of the object in generated pages.
class CTsObject {
public:
    // A site object: type "Site", no parent, its own root.
    CTsObject();
    // An object of `type` under `parent` (same root); not yet in parent's children:
    // the caller attaches it.
    CTsObject(CTsObject* parent, const std::string& type);
    // Releases each child once, in order. Use Release, not delete, for anything
    // but a document's site object.
    ~CTsObject();
    CTsObject(const CTsObject&) = delete;
    CTsObject& operator=(const CTsObject&) = delete;

    // A detached copy of `source`'s own state (CopyFrom onto a fresh object that
    // skips instantiation), without children, reference count 1. For snapshots.
    static CTsObject* MakeCopy(const CTsObject& source);
    // True while `object` has been constructed and not yet destroyed.
    static bool IsLive(const CTsObject* object);

    // ---- fields ---------------------------------------------------------------------
    std::string type;                    // kind; changed only by CopyFrom
    CPropertyMap properties;
    // Owning, one reference each, in document order. Change it through the tree
    // operations below (AttachAsIs when no renaming is wanted).
    CChildList children;
    std::string baseKind;                // set by instantiation
    bool canInlineEdit = false;          // set by instantiation
    std::string defaultEditProperty;     // set by instantiation
    std::string externalJS;              // set by instantiation
    std::string externalCSS;             // set by instantiation
    std::string externalFiles;           // set by instantiation
    bool noDiv = false;                  // set by instantiation
    CSharedObjectList sharedGroups;      // used on the site object only
    CTsObject* parent = nullptr;         // not owning; null for the site
    CTsObject* root = nullptr;           // the site of the tree; the site itself
    int32_t refCount = 1;
    TSRECT rect;                         // box last measured from the design page
    bool selected = false;
    bool socketed = false;               // plugged into another object's socket
    std::vector<CTsObject*> socketedObjects;  // plugged into this one; not owning
    bool editing = false;                // in-place text editing runs on it
    bool hasDragRect = false;
    TSRECT dragRect;
    CTsObject* socketOwner = nullptr;    // not owning; meaningful while socketed

    // ---- kinds (type compared without regard to case) -------------------------------
    bool IsType(const std::string& typeName) const;
    bool IsSite() const { return IsType("Site"); }
    bool IsPage() const { return IsType("Page"); }
    bool IsSiteOrPage() const { return IsSite() || IsPage(); }

    // ---- tree operations ------------------------------------------------------------
    // Attach `child` (taking over the caller's reference), rewrite the root of its
    // subtree and resolve name collisions in it. Return the child's index.
    int AppendChild(CTsObject* child);
    // `index` from 0 to the number of children (which appends); out of range clamps.
    int InsertChildAt(int index, CTsObject* child);
    // Appends `child` as it stands: parent and the root of its subtree are set, no
    // name is checked (a site file is taken as it stands). Returns its index.
    int AttachAsIs(CTsObject* child);
    // Detaches a child; its reference passes to the caller. Shows "Can't find object
    // to delete." and returns -1 when it is not a child.
    int RemoveChild(CTsObject* child);
    // Detaches the child at `index` (ignored when out of range); the reference
    // passes to the caller.
    void RemoveChildAt(int index);
    // Adds a new page at the end of this site; returns its index.
    int CreatePage();
    void SetRoot(CTsObject* newRoot, bool recurse);
    // Gives the object a name of its own: an empty name becomes the type followed
    // by 1; a colliding name gets the lowest free number after its stem (the name
    // without trailing digits, or the type for an all-digit name). With `recurse`,
    // the children of a renamed object are checked too.
    void DetectNameCoincide(bool recurse);
    // A detached deep copy with reference count 1 and the selection cleared. Each
    // copy goes through cascade placement (ModelHooks.h); with `placeTop` false the
    // top copy keeps its source's position (its children are still placed).
    CTsObject* Clone(bool placeTop = true) const;
    // Copies the source's own state (type, properties with their viewport lists,
    // rectangle, root, parent, socketed, per-type fields, selected); children,
    // shared groups, reference count, socketed objects, editing, drag rectangle
    // and socket owner stay.
    void CopyFrom(const CTsObject& source);
    void AddRef();
    // Drops one reference; the last one leaves the shared groups and destroys the
    // object, releasing its children.
    void Release();

    // ---- lookups --------------------------------------------------------------------
    // The "name" text, trimmed (in place: the stored name loses its blanks).
    std::string GetName() const;
    // The name; for a page the name followed by ".htm".
    std::string GetFileName() const;
    // A page: itself; the site: null; otherwise the nearest "Page" ancestor or null.
    CTsObject* GetPage() const;
    // First descendant (pre-order, itself excluded) named `name`, any case; or null.
    CTsObject* FindObjectByName(const std::string& name) const;
    // True when the object or a descendant is named `name` (any case).
    bool ContainsName(const std::string& name) const;
    // True when an object of this subtree other than `object` bears its name.
    bool HasNameConflict(const CTsObject* object) const;
    CTsObject* GetPrevSibling() const;
    CTsObject* GetNextSibling() const;
    // Appends the selected objects of the subtree (pre-order, itself included)
    // that are neither site nor page.
    void CollectSelected(std::vector<CTsObject*>& list);
    bool HasSelected() const;
    CTsObject* FindSelected();
    // First object of the subtree in pre-order, neither site nor page, that has
    // the editing flag; or null.
    CTsObject* FindEditing();
    // Appends the names of the objects of the subtree (pre-order, itself included)
    // that are neither site nor page and, when `typeName` is not empty, of that
    // type (any case).
    void CollectNames(std::vector<std::string>& list, const std::string& typeName = "") const;
    // Highest / lowest z-index of the subtree; a blank "z-index" counts as 100.
    int GetMaxZIndex() const;
    int GetMinZIndex() const;
    // class="..." from the trimmed "class" property; empty when that is blank.
    std::string GetClassAttribute() const;
    // True when "position", trimmed, is empty or "static" (any case).
    bool IsStatic() const;

    // ---- geometry -------------------------------------------------------------------
    // Reads the rectangles of this object and its descendants from the design page,
    // four evaluations per object.
    void MeasureFromPage(IPageEvaluator& page, int originX, int originY);
    // The same result from one evaluation for the whole subtree.
    void MeasureFromPageBatched(IPageEvaluator& page, int originX, int originY);

    // ---- properties -----------------------------------------------------------------
    // The one write path of user edits: refuses a name that the site already holds,
    // rebuilds the viewport lists when the site's "viewport" changes, and raises
    // RefreshWidgetTree / RefreshSiteTree (rename), RefreshDesignPage ("viewport")
    // and SetModified. Records no undo action.
    void SetProperty(const std::string& name, const PropertyVariant& value);
    void SetInnerHTML(const std::string& text) { SetProperty("innerHTML", text); }
    // Stores a name as text into the "name" property (made when missing), with no
    // checks and no events: the path of the naming rules and of file readers.
    void SetName(const std::string& name);
    // Text half of the property in effect; empty when absent.
    std::string OwnValue(const std::string& name) const;
    // OwnValue, or the root's when that is empty.
    std::string ValueOrSite(const std::string& name) const;
    bool HasProperty(const std::string& name) const;
    std::string GetSubtype(const std::string& name) const;
    // `format` (with one %s or %d) applied to the property in effect: an "Int"
    // greater than 0, a non-empty "String" (a "File" wrapped in url(...) first);
    // empty otherwise and when the own map lacks the name.
    std::string Declare(const std::string& name, const std::string& format) const;
    // Declare, or the root's Declare when that is empty.
    std::string DeclareOrSite(const std::string& name, const std::string& format) const;

private:
    friend class CNameIndex;
    struct BlankTag {};
    explicit CTsObject(BlankTag);
    // Puts `child` at `index` and keeps the site's name index current.
    void Insert(int index, CTsObject* child);

    std::unique_ptr<CNameIndex> nameIndex_;  // a site's names; built on first use
};

// The object whose last rename SetProperty refused (process-wide; null when none).
// The grid commits a refused edit a second time when the message box closes; that
// second attempt stays silent.
CTsObject* LastRefusedObject();
void SetLastRefusedObject(CTsObject* object);

// Trimmed names compared without regard to letter case.
bool SameName(const std::string& left, const std::string& right);
