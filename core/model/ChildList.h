#pragma once
#include <cstddef>
#include <vector>

class CTsObject;

// Called by every change of an object's children list, so the site's name index
// (NameIndex.h) follows the tree whichever way it is changed.
void NoteChildAdded(CTsObject* owner, CTsObject* child);
void NoteChildRemoved(CTsObject* owner, CTsObject* child);
void NoteChildrenReplaced(CTsObject* owner);

// The ordered children of an object. Reads work as on a vector; every change is
// reported to the name index; elements cannot be overwritten in place.
class CChildList {
public:
    using value_type = CTsObject*;
    using const_iterator = std::vector<CTsObject*>::const_iterator;
    using iterator = const_iterator;
    using size_type = size_t;

    explicit CChildList(CTsObject* owner) : owner_(owner) {}
    CChildList(const CChildList&) = delete;
    CChildList& operator=(const CChildList&) = delete;

    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }
    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    CTsObject* operator[](size_t index) const { return items_[index]; }
    CTsObject* at(size_t index) const { return items_.at(index); }
    CTsObject* front() const { return items_.front(); }
    CTsObject* back() const { return items_.back(); }
    operator const std::vector<CTsObject*>&() const { return items_; }
    const std::vector<CTsObject*>& Items() const { return items_; }

    void push_back(CTsObject* child) {
        items_.push_back(child);
        NoteChildAdded(owner_, child);
    }
    const_iterator insert(const_iterator position, CTsObject* child) {
        const_iterator inserted = items_.insert(position, child);
        NoteChildAdded(owner_, child);
        return inserted;
    }
    const_iterator erase(const_iterator position) {
        CTsObject* child = *position;
        const_iterator next = items_.erase(position);
        NoteChildRemoved(owner_, child);
        return next;
    }
    void clear() {
        items_.clear();
        NoteChildrenReplaced(owner_);
    }
    void swap(std::vector<CTsObject*>& other) {
        items_.swap(other);
        NoteChildrenReplaced(owner_);
    }
    void reserve(size_t count) { items_.reserve(count); }

private:
    CTsObject* owner_;
    std::vector<CTsObject*> items_;
};
