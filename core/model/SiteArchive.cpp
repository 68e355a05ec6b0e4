#include "core/model/SiteArchive.h"

#include <strings.h>

#include <algorithm>
#include <optional>
#include <string>

#include "core/library/ConfigLoader.h"
#include "core/model/ModelHooks.h"
#include "core/model/TsObject.h"
#include "core/services/Prompt.h"

namespace {

constexpr int kFileVersion = 1;

bool IsBuiltInType(const std::string& type) {
    return type == "Site" || type == "Page" || type == "Container" || type == "Block" || type == "PageWidthBlock";
}

void CheckChildType(const std::string& type) {
    if (IsBuiltInType(type) || ConfigLoader().HasWidget(type)) return;
    ShowMessage(type + " is not a valid widget.");
}

// A stored value taken by the type it was stored with.
PropertyVariant StoredVariant(const std::string& type, const CPropertyValue& value) {
    if (strcasecmp(type.c_str(), "Int") == 0) return PropertyVariant(value.integer);
    if (strcasecmp(type.c_str(), "String") == 0) return PropertyVariant(value.text);
    return PropertyVariant(std::string());
}

void StoreProperty(const std::string& name, CTsProperty& property, CJsonArchive& archive) {
    archive.Enter("property");
    std::string storedName = name;
    std::string type = property.Type();
    archive.TextMember("name", storedName);
    archive.TextMember("type", type);
    Serialize(property.value, archive);
    archive.Leave();
}

void LoadProperty(CPropertyMap& map, CJsonArchive& archive) {
    archive.Enter("property");
    std::string name, type;
    CPropertyValue value;
    archive.TextMember("name", name);
    archive.TextMember("type", type);
    Serialize(value, archive);
    archive.Leave();
    if (CTsProperty* entry = map.FindOwn(name))
        entry->SetValue(StoredVariant(type, value));
    else
        ShowMessage("property " + name + " in ts file, but not in config list");
}

void SerializePropertyList(CPropertyMap& map, CJsonArchive& archive) {
    archive.Enter("propertylist");
    if (archive.IsStoring()) {
        int index = 0;
        for (auto& [name, property] : map.Own()) {
            if (IsUnstoredProperty(name)) continue;
            archive.EnterIndex(index++);
            StoreProperty(name, property, archive);
            archive.Leave();
        }
    } else {
        const int count = archive.Size();
        for (int i = 0; i < count; ++i) {
            archive.EnterIndex(i);
            LoadProperty(map, archive);
            archive.Leave();
        }
    }
    archive.Leave();
}

void SerializeViewportLists(CPropertyMap& map, CJsonArchive& archive) {
    archive.Enter("viewportpropertylist");
    std::vector<CPropertyMap>& lists = map.ViewportLists();
    int count = static_cast<int>(lists.size());
    if (archive.IsLoading()) {
        if (archive.Size() != count) ShowMessage("viewport list is different from saved file.");
        count = std::min(count, archive.Size());
    }
    for (int i = 0; i < count; ++i) {
        archive.EnterIndex(i);
        Serialize(lists[static_cast<size_t>(i)], archive);
        archive.Leave();
    }
    archive.Leave();
}

void StoreChildren(CTsObject& object, CJsonArchive& archive, int version) {
    for (size_t i = 0; i < object.children.size(); ++i) {
        archive.EnterIndex(static_cast<int>(i));
        Serialize(*object.children[i], archive, version);
        archive.Leave();
    }
}

void LoadChildren(CTsObject& object, CJsonArchive& archive, int version) {
    const int count = archive.Size();
    for (int i = 0; i < count; ++i) {
        archive.EnterIndex(i);
        const std::string type = archive.PeekText("object", "type");
        CheckChildType(type);
        auto* child = new CTsObject(&object, type);
        Serialize(*child, archive, version);
        // Attached as it stands: the names of the file are kept.
        child->parent = &object;
        object.children.push_back(child);
        archive.Leave();
    }
}

void StoreGroups(CSharedObjectList& groups, CJsonArchive& archive) {
    for (size_t g = 0; g < groups.size(); ++g) {
        archive.EnterIndex(static_cast<int>(g));
        const COneSharedObjectList& group = groups[g];
        for (size_t j = 0; j < group.size(); ++j) {
            // A member kept only by the undo history leaves its place empty.
            if (!group[j] || !group[j]->GetPage()) continue;
            std::string name = group[j]->GetName();
            archive.TextElement(static_cast<int>(j), name);
        }
        archive.Leave();
    }
}

void LoadGroups(CTsObject& site, CJsonArchive& archive) {
    const int count = archive.Size();
    for (int g = 0; g < count; ++g) {
        archive.EnterIndex(g);
        COneSharedObjectList group;
        const int members = archive.Size();
        for (int j = 0; j < members; ++j) {
            std::string name;
            archive.TextElement(j, name);
            if (name.empty()) continue;
            if (CTsObject* member = site.FindObjectByName(name)) group.push_back(member);
        }
        if (group.size() > 1) site.sharedGroups.push_back(std::move(group));
        archive.Leave();
    }
}

}  // namespace

bool IsUnstoredProperty(const std::string& name) {
    return strcasecmp(name.c_str(), "margin") == 0 || strcasecmp(name.c_str(), "padding") == 0 ||
           strcasecmp(name.c_str(), "border-width") == 0;
}

void SerializeSite(CTsObject& site, CJsonArchive& archive) {
    if (!archive.parsed) return;
    // The stored names replace the ones objects are made with.
    std::optional<CNameCheckPause> pause;
    if (archive.IsLoading()) pause.emplace();
    int version = kFileVersion;
    archive.IntMember("version", version);
    Serialize(site, archive, version);
}

void Serialize(CTsObject& object, CJsonArchive& archive, int version) {
    archive.Enter("object");
    Serialize(object.properties, archive);
    std::string type = object.type;
    archive.TextMember("type", type);
    // A node without a stored type keeps the one it was made with.
    if (archive.IsLoading() && !type.empty()) object.type = type;
    archive.Enter("children");
    if (archive.IsStoring())
        StoreChildren(object, archive, version);
    else
        LoadChildren(object, archive, version);
    archive.Leave();
    if (object.IsSite()) {
        if (archive.IsLoading()) {
            object.root = &object;
            object.SetRoot(&object, true);
        }
        SerializeSharedGroups(object, archive);
    }
    archive.Leave();
}

void Serialize(CPropertyMap& map, CJsonArchive& archive) {
    map.SetRedirect(false);
    SerializePropertyList(map, archive);
    SerializeViewportLists(map, archive);
    map.SetRedirect(true);
}

void Serialize(CPropertyValue& value, CJsonArchive& archive) {
    archive.Enter("value");
    int integer = value.integer;
    archive.IntMember("int", integer);
    value.integer = integer;
    archive.TextMember("str", value.text);
    archive.Leave();
}

void SerializeSharedGroups(CTsObject& site, CJsonArchive& archive) {
    archive.Enter("sharedobject");
    if (archive.IsStoring())
        StoreGroups(site.sharedGroups, archive);
    else
        LoadGroups(site, archive);
    archive.Leave();
}
