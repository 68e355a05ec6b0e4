#pragma once
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CTsObject;

// Which objects of a site bear which name (trimmed, folded to lower case), so the
// naming rules need not walk the whole site for every check. It is built from the
// tree on first use and then follows it: the children lists report what is added
// and removed, an object's own property map reports access to its "name" (the
// name is read again before the next question). A wholesale replacement of a
// children list drops it, to be rebuilt when next asked.
class CNameIndex {
public:
    // The index of `site`, built or brought up to date first.
    static CNameIndex& Of(CTsObject& site);

    // The index key of a name: trimmed and folded to lower case.
    static std::string Key(const std::string& name);
    // Folded to lower case only.
    static std::string Fold(std::string text);

    // True when an indexed object other than `object` bears the name `key`.
    bool OtherBears(const std::string& key, const CTsObject* object) const;
    bool AnyBears(const std::string& key) const { return Bearers(key) != nullptr; }
    // The objects indexed under `key`, in no particular order; null when none.
    const std::vector<CTsObject*>* Bearers(const std::string& key) const;
    // The lowest n >= 1 for which no object other than `object` bears stem + n.
    int FirstFreeNumber(const std::string& stem, const CTsObject* object);

private:
    friend void NoteChildAdded(CTsObject* owner, CTsObject* child);
    friend void NoteChildRemoved(CTsObject* owner, CTsObject* child);
    friend void NoteChildrenReplaced(CTsObject* owner);
    friend void NoteNameTouched(CTsObject* owner);
    // The index of the site `object` lives in, when it is built and holds `object`.
    static CNameIndex* Holding(const CTsObject* object);

    bool Contains(const CTsObject* object) const { return keyOf_.count(object) != 0; }
    void Rebuild(CTsObject& site);
    void ReadPending();
    void Add(CTsObject& object);
    void Remove(const CTsObject& object);
    void AddSubtree(CTsObject& object);
    void RemoveSubtree(CTsObject& object);

    std::unordered_map<std::string, std::vector<CTsObject*>> bearers_;
    std::unordered_map<const CTsObject*, std::string> keyOf_;
    // Per folded stem, a number below which every stem + n is known to be taken.
    std::unordered_map<std::string, int> freeFrom_;
    // Objects whose "name" was reached for writing since the last question.
    std::unordered_set<CTsObject*> pending_;
    bool built_ = false;
};

// Called by an object's own property map when its "name" may be written.
void NoteNameTouched(CTsObject* owner);
