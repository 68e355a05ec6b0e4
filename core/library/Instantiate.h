#pragma once
#include <json/json.h>

#include <string>

class CPropertyMap;
class CTsObject;

// Gives a freshly constructed object its "name" property, the properties of its
// definition (those inherited through Base included) and its per-type fields.
// The definition comes from the loader in use (ConfigLoader()); while that loader
// has not been loaded the object gets its "name" property only. Definitions are
// built once per type and shared by every object of the type.
void Instantiate(CTsObject& object, const std::string& typeName);

// Applies one definition to a property map: first its Base (looked up in
// `rootDefinitions`, recursively), then its Properties in order, each merged with
// an entry of the same name already in the map. Sets the object's base kind to
// the last Base met. A Base already being applied further up is skipped, so
// cyclic definitions end.
void ApplyDefinition(CTsObject& object, const Json::Value& definition, const Json::Value& rootDefinitions,
                     CPropertyMap& target);

// Moves a fresh copy while it sits exactly on another positioned object of its
// site: 30 pixels (or 1 percent) down and right each time; a PageWidthBlock only
// down. Static objects never move.
void CascadePlacement(CTsObject& object);

// Makes every object construction run Instantiate and every copy CascadePlacement.
// Loading a library does this; calling it again changes nothing.
void InstallInstantiation();
