#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/model/PropertyValue.h"
#include "core/model/PropertyVariant.h"

class CPropertyMap;

// What a widget definition says about one property. It never changes once the
// property is built, so every copy of a property shares one definition; only the
// value is held per property. Fields are named after the definition keys.
struct CPropertyDefinition {
    std::string type;                  // "Type": "Int" or "String"
    std::string name;                  // "Name": also the key in the map
    std::string groupName;             // "GroupName": category in the grid
    std::string description;           // "Description"
    std::vector<std::string> options;  // "Options": choices of list editors
    std::string subtype;               // "Subtype": editor and value format
    std::vector<std::string> subProperties;   // "SubProperties"
    std::shared_ptr<const CPropertyMap> dataFormat;  // "DataFormat": null when none
    std::string defaultValue;          // "DefaultValue"
    std::string position;              // "Position": sort key in the grid
    std::string supportMultiViewport;  // "SupportMultiViewport": "true" (any case)
    std::string socketType;            // "SocketType"
    std::string advanced;              // "Advanced": "true" (any case)
    std::string displayName;           // "DisplayName": the name when none given

    bool IsMultiViewport() const;  // supportMultiViewport equals "true", any case
    bool IsAdvanced() const;       // advanced equals "true", any case
    bool IsInt() const;            // type equals "Int", any case
    bool IsString() const;         // type equals "String", any case
};

// One property of an object: a shared, immutable definition and its own value.
// Copying a property copies the value and shares the definition. A default-made
// property is the empty one (no type, no value) that CPropertyMap::At inserts.
class CTsProperty {
public:
    CTsProperty() = default;
    explicit CTsProperty(std::shared_ptr<const CPropertyDefinition> definition,
                         CPropertyValue value = {});
    // Builds a property from definition fields; the value is parsed from
    // `definition.defaultValue` by type.
    static CTsProperty FromDefinition(CPropertyDefinition definition);

    CPropertyValue value;

    const CPropertyDefinition& Definition() const;
    // The definition for changing: copied first when other properties share it, so
    // they keep theirs.
    CPropertyDefinition& EditDefinition();
    const std::shared_ptr<const CPropertyDefinition>& SharedDefinition() const { return definition_; }

    const std::string& Type() const { return Definition().type; }
    const std::string& Name() const { return Definition().name; }
    const std::string& GroupName() const { return Definition().groupName; }
    const std::string& Description() const { return Definition().description; }
    const std::vector<std::string>& Options() const { return Definition().options; }
    const std::string& Subtype() const { return Definition().subtype; }
    const std::vector<std::string>& SubProperties() const { return Definition().subProperties; }
    // The properties each item of a "DataList"/"DataTree" value carries (empty map
    // when the definition gives none).
    const CPropertyMap& DataFormat() const;
    const std::string& DefaultValue() const { return Definition().defaultValue; }
    const std::string& Position() const { return Definition().position; }
    const std::string& SupportMultiViewport() const { return Definition().supportMultiViewport; }
    const std::string& SocketType() const { return Definition().socketType; }
    const std::string& Advanced() const { return Definition().advanced; }
    const std::string& DisplayName() const { return Definition().displayName; }
    bool IsMultiViewport() const { return Definition().IsMultiViewport(); }

    // "Int" gives the integer, "String" the text, any other type an empty text.
    PropertyVariant GetValue() const;
    // "Int" stores the value as an integer, "String" as text, other types nothing.
    void SetValue(const PropertyVariant& value);

private:
    std::shared_ptr<const CPropertyDefinition> definition_;
};
