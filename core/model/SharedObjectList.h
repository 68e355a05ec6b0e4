#pragma once
#include <vector>

class CTsObject;

// The groups of objects whose properties follow each other. Only the site object
// holds them (CTsObject::sharedGroups). Members are plain pointers without
// references: a member that is destroyed takes itself out of its groups through
// the shared-groups hook of ModelHooks.h. The operations on the groups live with
// the shared-object code; these are only the containers the object tree holds.
using COneSharedObjectList = std::vector<CTsObject*>;
using CSharedObjectList = std::vector<COneSharedObjectList>;
