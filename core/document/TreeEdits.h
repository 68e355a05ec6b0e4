#pragma once
#include <string>
#include <vector>

class CTesseraDoc;
class CTsObject;

// The page clipboard of Cut Page / Copy Page: process-wide, it holds a reference
// of its page and survives closing the site the page came from.
struct CPageClipboard {
    std::vector<CTsObject*> pages;  // at most one
    bool cut = false;

    // Holds `page` (a reference is taken) instead of what was held before.
    void Hold(CTsObject* page, bool isCut);
    void Clear();
};
CPageClipboard& PageClipboard();
// A closing site hands the clipboard's pages that belong to it over to a site of
// the clipboard's own, so they never point at a destroyed root.
void HandClipboardPagesOver(const CTsObject& closingSite);

// The model side of the hub events that edit a document's tree. Each operation
// changes the tree, records what the history needs to undo it and marks the
// document modified; the design view adds the refreshes of the panes and page.
// Refusals show their messages and return false (or null).
class CTreeEdits {
public:
    explicit CTreeEdits(CTesseraDoc& document) : doc_(document) {}

    // Attaches the object (whose reference passes to the parent) at `index`, or at
    // the end when `index` is negative, and records an insertion.
    bool InsertObject(CTsObject* parent, CTsObject* object, int index);
    // Attaches the object at the end of the parent; with none, a new object of
    // `type` ("Block" when empty) is made first. Returns the object attached.
    CTsObject* AppendObject(CTsObject* parent, CTsObject* object, const std::string& type = std::string());
    // Removes an object from its parent and records the removal. Pages and the
    // site are refused; an object with children asks first unless `noQuestion`.
    bool DeleteObject(CTsObject* object, bool noQuestion);
    // A new page at the end of the site, recorded as an insertion; returns it.
    CTsObject* AddPage();
    // Removes a page (never the last one), records it and shows the first page.
    bool DeletePage(CTsObject* page);
    // Makes `page` the page shown: the page left pushes its shared copies, and a
    // page switch is recorded unless `noRecord` or no page was shown. False when
    // the object is no page or is shown already.
    bool ShowPage(CTsObject* page, bool noRecord);
    // A deep copy of the page at the end of the site, recorded; returns the copy.
    CTsObject* ClonePage(CTsObject* page);

    // Moves: a removal and an insertion, so each takes two undo steps.
    bool MoveObjectRight(CTsObject* object, CTsObject* newParent);  // into another parent, at its end
    bool MoveObjectLeft(CTsObject* object);                         // out, just after its parent
    bool MoveObjectUp(CTsObject* object);                           // before its previous sibling
    bool MoveObjectDown(CTsObject* object);                         // after its next sibling

    // Page clipboard commands.
    bool CutPage(CTsObject* page);
    void CopyPage(CTsObject* page);
    CTsObject* PastePage();

    // Records the object's state before an editor changes a property.
    void RecordPropertyChange(CTsObject* object);
    // Forgets the last record (a drag that ended where it started).
    void DropLastUndo();
    void SetModified();

private:
    void Record(class CAction* action);
    // Removes without a question for a move; the object stays alive for the insertion.
    bool DetachForMove(CTsObject* object);
    void SetShownPage(CTsObject* page);

    CTesseraDoc& doc_;
};
