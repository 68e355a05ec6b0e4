#pragma once
#include <deque>
#include <string>
#include <vector>

class CTsObject;

// The kinds of undo record.
enum ActionKind : int {
    ActionNone = -1,
    ActionPropertyChange = 0,
    ActionRemoval = 1,
    ActionInsertion = 2,
    ActionPageSwitch = 3,
};

// One undo record. Every non-null pointer holds one reference of its object, so a
// removed subtree lives, untouched, for as long as some action can restore it.
//   property change: target = the object, first = its state before the change,
//                    second = its state after (filled at the first undo)
//   removal, insertion: target = the parent, first = the child, index = its place
//   page switch: first = the page switched to, second = the page switched from
class CAction {
public:
    CAction() = default;
    // Releases first, second and target, in that order.
    ~CAction();
    CAction(const CAction&) = delete;
    CAction& operator=(const CAction&) = delete;

    // A snapshot of the object's own state (no children) before it changes.
    static CAction* PropertyChange(CTsObject& object);
    // `child` has just left `parent` at `index`; the action keeps the reference
    // the parent held.
    static CAction* Removal(CTsObject& parent, CTsObject& child, int index);
    // `child` has just been attached to `parent` at `index`; references are taken.
    static CAction* Insertion(CTsObject& parent, CTsObject& child, int index);
    static CAction* PageSwitch(CTsObject& toPage, CTsObject& fromPage);

    int kind = ActionNone;
    CTsObject* target = nullptr;
    CTsObject* first = nullptr;
    CTsObject* second = nullptr;
    int index = -1;
};

// Reverts / repeats one action on the tree and raises the events that show it.
void ApplyUndo(CAction& action);
void ApplyRedo(CAction& action);

// A document's history: two unbounded lists of actions it owns.
class CUndoRedo {
public:
    CUndoRedo() = default;
    // Destroys the undo list's actions oldest first, then the redo list's.
    ~CUndoRedo();
    CUndoRedo(const CUndoRedo&) = delete;
    CUndoRedo& operator=(const CUndoRedo&) = delete;

    // Takes the action; destroys every action of the redo list first.
    void AddAction(CAction* action);
    // Destroys the last action of the undo list, if any.
    void DropLastAction();
    // The Undo and Redo commands: move one action to the other list, apply it and
    // raise RefreshDesignPage. False when the list was empty.
    bool Undo();
    bool Redo();
    bool CanUndo() const { return !undoList_.empty(); }
    bool CanRedo() const { return !redoList_.empty(); }
    void Clear();

    // The next action to undo is the last; the next to redo is the first.
    const std::vector<CAction*>& UndoList() const { return undoList_; }
    const std::deque<CAction*>& RedoList() const { return redoList_; }

    // "Dump Undo Redo": both lists, one line per action, to the diagnostic log.
    void Dump() const;
    std::string DumpText() const;

private:
    void ClearRedoList();

    std::vector<CAction*> undoList_;
    std::deque<CAction*> redoList_;
};
