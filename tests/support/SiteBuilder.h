#pragma once
#include <memory>
#include <string>

#include "core/model/TsObject.h"

// Builds small object trees for generator tests without a widget library: each
// property is given by hand with its type and subtype.
inline CTsProperty MakeProperty(const std::string& name, const std::string& value, const std::string& type = "String",
                                const std::string& subtype = "") {
    CPropertyDefinition definition;
    definition.name = name;
    definition.type = type;
    definition.subtype = subtype;
    definition.defaultValue = value;
    return CTsProperty::FromDefinition(definition);
}

inline void SetText(CTsObject& object, const std::string& name, const std::string& value, const std::string& subtype = "") {
    object.properties.SetOwn(name, MakeProperty(name, value, "String", subtype));
}

inline void SetInt(CTsObject& object, const std::string& name, int value) {
    object.properties.SetOwn(name, MakeProperty(name, std::to_string(value), "Int"));
}

// A "DataList" property whose records have the fields of `format` (a "link" field of
// subtype "Link" among them), holding `records` (a JSON array text).
inline void SetDataList(CTsObject& object, const std::string& name, std::shared_ptr<CPropertyMap> format,
                        const std::string& records) {
    CPropertyDefinition definition;
    definition.name = name;
    definition.type = "String";
    definition.subtype = "DataList";
    definition.dataFormat = std::move(format);
    definition.defaultValue = records;
    object.properties.SetOwn(name, CTsProperty::FromDefinition(definition));
}

// A record format with a "link" field of subtype "Link".
inline std::shared_ptr<CPropertyMap> LinkRecordFormat() {
    auto format = std::make_shared<CPropertyMap>();
    format->SetOwn("link", MakeProperty("link", "", "String", "Link"));
    return format;
}

// A child of `parent` of `type`, named `name`, appended at the end. A "Container"
// base kind makes it render its div and its rules.
inline CTsObject& AddObject(CTsObject& parent, const std::string& type, const std::string& name,
                            const std::string& baseKind = "Container") {
    CTsObject* child = new CTsObject(&parent, type);
    child->baseKind = baseKind;
    parent.AppendChild(child);
    SetText(*child, "name", name);
    return *child;
}

// A site with one page named `pageName`.
struct TestSite {
    std::unique_ptr<CTsObject> site = std::make_unique<CTsObject>();
    CTsObject* page = nullptr;
    explicit TestSite(const std::string& pageName = "Page1") {
        page = &AddObject(*site, "Page", pageName, "");
    }
};
