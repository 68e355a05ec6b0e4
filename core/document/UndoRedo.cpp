#include "core/document/UndoRedo.h"

#include <cstdio>

#include "core/document/AppEventHub.h"
#include "core/model/TsObject.h"
#include "core/services/Log.h"

namespace {

void Raise(int event, const CTsObject* object = nullptr, intptr_t second = 0) {
    AppEventHub::Instance().Dispatch(event, reinterpret_cast<intptr_t>(object), second);
}

// What every tree change of the history shows afterwards.
void RaiseTreeChanged() {
    Raise(RefreshDesignPage);
    Raise(RefreshWidgetTree);
    Raise(RefreshSiteTree);
    Raise(RefreshProperties);
    Raise(SetModified);
}

void ReleaseIfAny(CTsObject* object) {
    if (object) object->Release();
}

CAction* NewAction(int kind, CTsObject* target, CTsObject* first, CTsObject* second, int index) {
    auto* action = new CAction;
    action->kind = kind;
    action->target = target;
    action->first = first;
    action->second = second;
    action->index = index;
    return action;
}

void AppendDumpLine(std::string& text, const CAction& action) {
    auto name = [](const CTsObject* object) { return object ? object->GetName() : std::string(); };
    auto count = [](const CTsObject* object) { return object ? object->refCount : 0; };
    char line[1024];
    std::snprintf(line, sizeof line, "action=%d, obj=%s, save1=%s, refcount=%d, save2=%s, refcount=%d\n",
                  action.kind, name(action.target).c_str(), name(action.first).c_str(), count(action.first),
                  name(action.second).c_str(), count(action.second));
    text += line;
}

}  // namespace

CAction::~CAction() {
    ReleaseIfAny(first);
    ReleaseIfAny(second);
    ReleaseIfAny(target);
}

CAction* CAction::PropertyChange(CTsObject& object) {
    CTsObject* before = CTsObject::MakeCopy(object);
    object.AddRef();
    // The state after the change is taken at the first undo.
    return NewAction(ActionPropertyChange, &object, before, new CTsObject, -1);
}

CAction* CAction::Removal(CTsObject& parent, CTsObject& child, int index) {
    parent.AddRef();
    return NewAction(ActionRemoval, &parent, &child, nullptr, index);
}

CAction* CAction::Insertion(CTsObject& parent, CTsObject& child, int index) {
    parent.AddRef();
    child.AddRef();
    return NewAction(ActionInsertion, &parent, &child, nullptr, index);
}

CAction* CAction::PageSwitch(CTsObject& toPage, CTsObject& fromPage) {
    toPage.AddRef();
    fromPage.AddRef();
    return NewAction(ActionPageSwitch, nullptr, &toPage, &fromPage, -1);
}

void ApplyUndo(CAction& action) {
    switch (action.kind) {
        case ActionPropertyChange:
            action.second->CopyFrom(*action.target);
            action.target->CopyFrom(*action.first);
            Raise(RefreshProperties, action.target);
            Raise(SetModified);
            return;
        case ActionRemoval:
            action.first->AddRef();
            action.target->InsertChildAt(action.index, action.first);
            break;
        case ActionInsertion:
            action.target->RemoveChildAt(action.index);
            action.first->Release();
            break;
        case ActionPageSwitch:
            Raise(ShowPage, action.second, 1);
            return;
        default:
            return;
    }
    RaiseTreeChanged();
}

void ApplyRedo(CAction& action) {
    switch (action.kind) {
        case ActionPropertyChange:
            action.target->CopyFrom(*action.second);
            Raise(RefreshProperties, action.target);
            Raise(SetModified);
            return;
        case ActionRemoval:
            action.target->RemoveChildAt(action.index);
            action.first->Release();
            break;
        case ActionInsertion:
            action.first->AddRef();
            action.target->InsertChildAt(action.index, action.first);
            break;
        case ActionPageSwitch:
            Raise(ShowPage, action.first, 1);
            return;
        default:
            return;
    }
    RaiseTreeChanged();
}

CUndoRedo::~CUndoRedo() { Clear(); }

void CUndoRedo::Clear() {
    for (CAction* action : undoList_) delete action;
    undoList_.clear();
    ClearRedoList();
}

void CUndoRedo::ClearRedoList() {
    for (CAction* action : redoList_) delete action;
    redoList_.clear();
}

void CUndoRedo::AddAction(CAction* action) {
    ClearRedoList();
    if (action) undoList_.push_back(action);
}

void CUndoRedo::DropLastAction() {
    if (undoList_.empty()) return;
    delete undoList_.back();
    undoList_.pop_back();
}

bool CUndoRedo::Undo() {
    if (undoList_.empty()) return false;
    CAction* action = undoList_.back();
    undoList_.pop_back();
    redoList_.push_front(action);
    ApplyUndo(*action);
    Raise(RefreshDesignPage);
    return true;
}

bool CUndoRedo::Redo() {
    if (redoList_.empty()) return false;
    CAction* action = redoList_.front();
    redoList_.pop_front();
    undoList_.push_back(action);
    ApplyRedo(*action);
    Raise(RefreshDesignPage);
    return true;
}

std::string CUndoRedo::DumpText() const {
    std::string text = "dump undolist\n";
    for (const CAction* action : undoList_) AppendDumpLine(text, *action);
    text += "dump redolist\n";
    for (const CAction* action : redoList_) AppendDumpLine(text, *action);
    return text;
}

void CUndoRedo::Dump() const {
    // One log entry per line, as the log stamps each entry.
    const std::string text = DumpText();
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        WriteLog("%s\n", text.substr(start, end - start).c_str());
        start = end + 1;
    }
}
