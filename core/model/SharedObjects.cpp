#include "core/model/SharedObjects.h"

#include <algorithm>

#include "core/document/AppEventHub.h"
#include "core/model/ModelHooks.h"
#include "core/model/TsObject.h"
#include "core/services/Log.h"
#include "core/services/Prompt.h"

namespace {

const char* const kNotSiteMessage = "only site object can link two object";

bool Contains(const COneSharedObjectList& group, const CTsObject* object) {
    return std::find(group.begin(), group.end(), object) != group.end();
}

// Where a member lies, for the dump: its page's name, or [undoredo].
std::string DumpPlace(const CTsObject* member) {
    if (member->IsPage()) return member->GetName();
    const CTsObject* page = member->IsSite() ? nullptr : member->GetPage();
    return page ? page->GetName() : "[undoredo]";
}

}  // namespace

void InstallSharedObjectHooks() {
    SetLeaveSharedGroupsHook([](CTsObject& object, CSharedObjectList& groups) { RemoveFromGroups(&object, groups); });
}

COneSharedObjectList FindGroup(const CSharedObjectList& groups, const CTsObject* object) {
    for (const COneSharedObjectList& group : groups)
        if (Contains(group, object)) return group;
    return {};
}

void LinkShared(CSharedObjectList& groups, CTsObject* a, CTsObject* b) {
    for (COneSharedObjectList& group : groups) {
        for (CTsObject* member : group) {
            if (member == a) {
                if (!Contains(group, b)) group.push_back(b);
                return;
            }
            if (member == b) {
                if (!Contains(group, a)) group.push_back(a);
                return;
            }
        }
    }
    groups.push_back({a, b});
}

void RemoveFromGroups(const CTsObject* object, CSharedObjectList& groups) {
    for (COneSharedObjectList& group : groups) {
        auto found = std::find(group.begin(), group.end(), object);
        if (found != group.end()) group.erase(found);
    }
}

bool IsSharedOnPage(const CSharedObjectList& groups, const CTsObject* object, const CTsObject* page) {
    if (object->GetPage() == page) return true;
    for (const CTsObject* member : FindGroup(groups, object))
        if (member->GetPage() == page) return true;
    return false;
}

void CopyPropertiesKeepName(CTsObject& member, const CTsObject& source) {
    if (&member == &source) return;
    const std::string name = member.GetName();
    member.properties.Assign(source.properties);
    if (CTsProperty* own = member.properties.FindOwn("name")) own->SetValue(PropertyVariant(name));
}

void SyncShared(const CSharedObjectList& groups, CTsObject& object) {
    for (CTsObject* member : FindGroup(groups, &object))
        if (member != &object) CopyPropertiesKeepName(*member, object);
    for (CTsObject* child : object.children) SyncShared(groups, *child);
}

void SyncSharedFromPage(CTsObject& page) {
    CTsObject* site = page.root;
    if (!site || !site->IsSite()) {
        ShowMessage(kNotSiteMessage);
        return;
    }
    SyncShared(site->sharedGroups, page);
}

void MakeSharedCopies(const std::vector<CTsObject*>& clipboard, std::vector<CTsObject*>& copies,
                      std::vector<CTsObject*>& sources) {
    for (CTsObject* source : clipboard) {
        copies.push_back(source->Clone(false));
        sources.push_back(source);
    }
}

int PasteAsShared(const std::vector<CTsObject*>& clipboard, CTsObject& page) {
    std::vector<CTsObject*> copies, sources;
    MakeSharedCopies(clipboard, copies, sources);
    CTsObject* site = page.root;
    size_t pasted = 0;
    for (; pasted < copies.size(); ++pasted) {
        CTsObject* source = sources[pasted];
        const char* refusal = nullptr;
        if (source->GetPage() == &page)
            refusal = "Can't paste shared object to same page.";
        else if (source->root != site)
            refusal = "Can't paste shared object to different site.";
        else if (!site || IsSharedOnPage(site->sharedGroups, source, &page))
            refusal = "Already has a shared copied object in this page, can't copy another.";
        if (refusal) {
            ShowMessage(refusal);
            break;
        }
        LinkShared(site->sharedGroups, copies[pasted], source);
        AppEventHub::Instance().Dispatch(AppendObject, reinterpret_cast<intptr_t>(&page),
                                         reinterpret_cast<intptr_t>(copies[pasted]));
    }
    // Copies that a refusal left unpasted belong to nobody.
    for (size_t i = pasted; i < copies.size(); ++i) copies[i]->Release();
    return static_cast<int>(pasted);
}

void ShowRelatedShared(CTsObject& site, const CTsObject& object) {
    if (!site.IsSite()) {
        ShowMessage(kNotSiteMessage);
        return;
    }
    const COneSharedObjectList group = FindGroup(site.sharedGroups, &object);
    if (group.size() <= 1) {
        ShowMessage("No related shared widget found.");
        return;
    }
    std::string text = "Found shared widgets:\n";
    for (const CTsObject* member : group) {
        text += member->GetName() + " on";
        const CTsObject* page = member->GetPage();
        text += page ? " page " + page->GetName() + "\n" : std::string(" UndoRedo\n");
    }
    ShowMessage(text);
}

std::string SharedDumpLine(size_t number, const COneSharedObjectList& group) {
    std::string line = "sharedObjList " + std::to_string(number) + ":";
    for (const CTsObject* member : group) line += DumpPlace(member) + "|" + member->GetName() + ", ";
    return line + "\n";
}

void DumpShared(const CSharedObjectList& groups) {
    for (size_t g = 0; g < groups.size(); ++g) WriteLog("%s", SharedDumpLine(g, groups[g]).c_str());
}
