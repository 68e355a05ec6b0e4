#pragma once
#include <string>

#include "core/model/TsObject.h"

// Gives an object a property of its own from a minimal definition, for sites that
// tests, fuzzers and benchmarks build without a widget library.
inline void AddPlainProperty(CTsObject& object, const std::string& name, const std::string& type,
                             const std::string& value, const std::string& subtype = "", bool perViewport = false) {
    CPropertyDefinition definition;
    definition.name = name;
    definition.type = type;
    definition.subtype = subtype;
    definition.defaultValue = value;
    definition.supportMultiViewport = perViewport ? "true" : "";
    object.properties.SetOwn(name, CTsProperty::FromDefinition(std::move(definition)));
}
