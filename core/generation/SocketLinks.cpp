#include <json/json.h>

#include "core/generation/PageRender.h"
#include "core/generation/TextUtil.h"
#include "core/model/TsObject.h"

namespace {

void LinkObject(CTsObject& owner, CTsObject& page, const std::string& name) {
    if (name.empty()) return;
    CTsObject* target = page.FindObjectByName(name);
    if (!target || target->editing) return;
    target->socketed = true;
    target->socketOwner = &owner;
    owner.socketedObjects.push_back(target);
}

void LinkRecords(CTsObject& owner, CTsObject& page, const Json::Value& records, const CPropertyMap& format) {
    if (!records.isArray()) return;
    for (const Json::Value& record : records) {
        if (!record.isObject()) continue;
        for (const auto& [fieldName, field] : format.Own()) {
            if (!EqualsNoCase(field.Subtype(), "Socket")) continue;
            const Json::Value& member = record[fieldName];
            if (member.isString()) LinkObject(owner, page, member.asString());
        }
        LinkRecords(owner, page, record["children"], format);
    }
}

void LinkOwner(CTsObject& owner, CTsObject& page) {
    owner.properties.IterateEffective([&](const std::string&, CTsProperty& property) {
        const std::string& text = property.value.text;
        if (text.empty()) return;
        const std::string& subtype = property.Subtype();
        if (EqualsNoCase(subtype, "Socket")) {
            LinkObject(owner, page, text);
        } else if (EqualsNoCase(subtype, "DataTree") || EqualsNoCase(subtype, "DataList")) {
            Json::Value records;
            Json::Reader reader;
            if (reader.parse(text, records, false)) LinkRecords(owner, page, records, property.DataFormat());
        }
    });
    for (CTsObject* child : owner.children) LinkOwner(*child, page);
}

}  // namespace

void UnlinkSockets(CTsObject& object) {
    object.socketed = false;
    object.socketOwner = nullptr;
    object.socketedObjects.clear();
    for (CTsObject* child : object.children) UnlinkSockets(*child);
}

void LinkSockets(CTsObject& page) { LinkOwner(page, page); }
