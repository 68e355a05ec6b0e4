#include "core/document/TreeEdits.h"

#include <algorithm>

#include "core/document/TesseraDoc.h"
#include "core/document/UndoRedo.h"
#include "core/model/SharedObjects.h"
#include "core/model/TsObject.h"
#include "core/services/Prompt.h"

namespace {

int IndexInParent(const CTsObject& object) {
    if (!object.parent) return -1;
    const auto& siblings = object.parent->children;
    const auto found = std::find(siblings.begin(), siblings.end(), &object);
    return found == siblings.end() ? -1 : static_cast<int>(found - siblings.begin());
}

// The site that keeps clipboard pages whose own site has closed. Made on first
// use and kept for the whole run.
CTsObject& ClipboardSite() {
    static CTsObject* site = new CTsObject;
    return *site;
}

}  // namespace

void CPageClipboard::Hold(CTsObject* page, bool isCut) {
    if (page) page->AddRef();
    Clear();
    if (page) pages.push_back(page);
    cut = isCut;
}

void CPageClipboard::Clear() {
    for (CTsObject* page : pages) page->Release();
    pages.clear();
}

CPageClipboard& PageClipboard() {
    static CPageClipboard clipboard;
    return clipboard;
}

void HandClipboardPagesOver(const CTsObject& closingSite) {
    for (CTsObject* page : PageClipboard().pages)
        if (page->root == &closingSite) page->SetRoot(&ClipboardSite(), true);
}

void CTreeEdits::Record(CAction* action) { doc_.history.AddAction(action); }

void CTreeEdits::SetModified() { doc_.modified = true; }

bool CTreeEdits::InsertObject(CTsObject* parent, CTsObject* object, int index) {
    if (!parent || !object) return false;
    if (index < 0 || index > static_cast<int>(parent->children.size()))
        index = parent->AppendChild(object);
    else
        index = parent->InsertChildAt(index, object);
    Record(CAction::Insertion(*parent, *object, index));
    SetModified();
    return true;
}

CTsObject* CTreeEdits::AppendObject(CTsObject* parent, CTsObject* object, const std::string& type) {
    if (!parent) return nullptr;
    if (!object) object = new CTsObject(parent, type.empty() ? "Block" : type);
    InsertObject(parent, object, -1);
    return object;
}

bool CTreeEdits::DeleteObject(CTsObject* object, bool noQuestion) {
    if (!object) return false;
    if (object->IsPage() || object->IsSite()) {
        ShowMessage("can't delete page or site through this interface.");
        return false;
    }
    if (!object->parent) return false;
    if (!object->children.empty() && !noQuestion && !AskYesNo("Object has child object, sure to delete ?"))
        return false;
    CTsObject* parent = object->parent;
    const int index = parent->RemoveChild(object);
    if (index < 0) return false;
    Record(CAction::Removal(*parent, *object, index));
    SetModified();
    return true;
}

CTsObject* CTreeEdits::AddPage() {
    const int index = doc_.AddPageCommand();
    CTsObject* page = doc_.site.children[static_cast<size_t>(index)];
    Record(CAction::Insertion(doc_.site, *page, index));
    SetModified();
    return page;
}

bool CTreeEdits::DeletePage(CTsObject* page) {
    if (!page) return false;
    if (doc_.site.children.size() <= 1) {
        ShowMessage("Can't delete last page of site.");
        return false;
    }
    const int index = doc_.site.RemoveChild(page);
    if (index < 0) return false;
    Record(CAction::Removal(doc_.site, *page, index));
    SetShownPage(nullptr);
    ShowPage(doc_.FirstPage(), false);
    SetModified();
    return true;
}

void CTreeEdits::SetShownPage(CTsObject* page) {
    if (doc_.shownPage) SyncSharedFromPage(*doc_.shownPage);
    doc_.shownPage = page;
}

bool CTreeEdits::ShowPage(CTsObject* page, bool noRecord) {
    if (!page || !page->IsPage() || page == doc_.shownPage) return false;
    if (!noRecord && doc_.shownPage) Record(CAction::PageSwitch(*page, *doc_.shownPage));
    SetShownPage(page);
    return true;
}

CTsObject* CTreeEdits::ClonePage(CTsObject* page) {
    if (!page) return nullptr;
    const int index = doc_.DuplicatePage(*page);
    CTsObject* copy = doc_.site.children[static_cast<size_t>(index)];
    Record(CAction::Insertion(doc_.site, *copy, index));
    SetModified();
    return copy;
}

bool CTreeEdits::DetachForMove(CTsObject* object) {
    // The parent's reference passes to the removal record; the reference taken
    // here is the one the new parent receives.
    object->AddRef();
    if (DeleteObject(object, true)) return true;
    object->Release();
    return false;
}

bool CTreeEdits::MoveObjectRight(CTsObject* object, CTsObject* newParent) {
    if (!object || !newParent || !DetachForMove(object)) return false;
    return AppendObject(newParent, object) != nullptr;
}

bool CTreeEdits::MoveObjectLeft(CTsObject* object) {
    if (!object || !object->parent || !object->parent->parent) return false;
    CTsObject* formerParent = object->parent;
    // Out of a page would be into the site, whose children are pages only.
    if (formerParent->IsPage() || formerParent->IsSite()) return false;
    CTsObject* grandparent = formerParent->parent;
    if (!DetachForMove(object)) return false;
    return InsertObject(grandparent, object, IndexInParent(*formerParent) + 1);
}

bool CTreeEdits::MoveObjectUp(CTsObject* object) {
    CTsObject* previous = object ? object->GetPrevSibling() : nullptr;
    if (!previous) return false;
    CTsObject* parent = object->parent;
    const int index = IndexInParent(*previous);
    if (!DetachForMove(object)) return false;
    return InsertObject(parent, object, index);
}

bool CTreeEdits::MoveObjectDown(CTsObject* object) {
    CTsObject* next = object ? object->GetNextSibling() : nullptr;
    if (!next) return false;
    CTsObject* parent = object->parent;
    const int index = IndexInParent(*next);
    if (!DetachForMove(object)) return false;
    return InsertObject(parent, object, index);
}

bool CTreeEdits::CutPage(CTsObject* page) {
    if (!page) return false;
    PageClipboard().Hold(page, true);
    return DeletePage(page);
}

void CTreeEdits::CopyPage(CTsObject* page) {
    if (page) PageClipboard().Hold(page, false);
}

CTsObject* CTreeEdits::PastePage() {
    CPageClipboard& clipboard = PageClipboard();
    if (clipboard.pages.empty()) return nullptr;
    return AppendObject(&doc_.site, clipboard.pages.front()->Clone());
}

void CTreeEdits::RecordPropertyChange(CTsObject* object) {
    if (object) Record(CAction::PropertyChange(*object));
}

void CTreeEdits::DropLastUndo() { doc_.history.DropLastAction(); }
