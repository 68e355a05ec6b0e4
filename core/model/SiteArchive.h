#pragma once
#include "core/model/JsonArchive.h"

class CTsObject;
class CPropertyMap;
class CTsProperty;
class CPropertyValue;

// The symmetrical Serialize of each level of a site file. The archive's mode picks
// the direction: storing writes the variables, loading fills them.

// The document level: "version" (written as 1, accepted whatever it is) and the
// site object. Does nothing when a loading archive did not parse.
void SerializeSite(CTsObject& site, CJsonArchive& archive);

// One object with its properties, type and children; on the site also the shared
// groups. Loading fills an object that already carries its definition's
// properties, creating the children from their stored types; the file's names
// are kept as they are.
void Serialize(CTsObject& object, CJsonArchive& archive, int version);

// The own values of a map (never "margin", "padding" or "border-width") and its
// viewport lists, read and written without viewport redirection.
void Serialize(CPropertyMap& map, CJsonArchive& archive);

void Serialize(CPropertyValue& value, CJsonArchive& archive);

// The site's shared groups as lists of member names. Members on no page are
// written as null; on reading, unknown names are skipped and groups of fewer than
// two members dropped.
void SerializeSharedGroups(CTsObject& site, CJsonArchive& archive);

// True for the names the site file never holds.
bool IsUnstoredProperty(const std::string& name);
