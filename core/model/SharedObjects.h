#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "core/model/SharedObjectList.h"

class CTsObject;

// Groups of objects whose properties follow each other across pages. The site
// object holds them; the members are plain pointers and a member that is
// destroyed leaves its groups (InstallSharedObjectHooks).

// Makes the object tree take a destroyed object out of its site's groups. Safe to
// call more than once.
void InstallSharedObjectHooks();

// The first group holding the object; an empty group when none does.
COneSharedObjectList FindGroup(const CSharedObjectList& groups, const CTsObject* object);
// Puts a and b into one group: joins the group of either, or starts a new one.
void LinkShared(CSharedObjectList& groups, CTsObject* a, CTsObject* b);
// Removes the first occurrence of the object from every group.
void RemoveFromGroups(const CTsObject* object, CSharedObjectList& groups);
// True when the object, or a member of its group, lies on the page.
bool IsSharedOnPage(const CSharedObjectList& groups, const CTsObject* object, const CTsObject* page);
// The member's properties become a copy of the source's (viewport lists
// included); the member keeps its own name.
void CopyPropertiesKeepName(CTsObject& member, const CTsObject& source);
// Pushes the properties of the object, and of each of its descendants, to the
// other members of its group.
void SyncShared(const CSharedObjectList& groups, CTsObject& object);
// SyncShared for the objects of a page shown in a design view, with the check
// that its root is a site ("only site object can link two object" otherwise).
void SyncSharedFromPage(CTsObject& page);
// Copies for Paste As Shared: like Clone, except that the top copy keeps its
// source's position. Each copy is detached with one reference.
void MakeSharedCopies(const std::vector<CTsObject*>& clipboard, std::vector<CTsObject*>& copies,
                      std::vector<CTsObject*>& sources);
// Paste As Shared onto `page`: per clipboard object, in order, refuses a source on
// the page itself, from another site, or whose group already has a member on the
// page (each with its message, ending the paste); otherwise links the copy to its
// source and raises AppendObject(page, copy). Returns the number pasted.
int PasteAsShared(const std::vector<CTsObject*>& clipboard, CTsObject& page);
// "Show Related Share Widget": lists the members of the object's group and
// where each one is.
void ShowRelatedShared(CTsObject& site, const CTsObject& object);
// "Dump Shared Objects": one log line per group.
void DumpShared(const CSharedObjectList& groups);
// The line DumpShared writes for group number `number`.
std::string SharedDumpLine(size_t number, const COneSharedObjectList& group);
