#include "core/library/Instantiate.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "core/library/ConfigLoader.h"
#include "core/library/DefinitionJson.h"
#include "core/library/TypeNames.h"
#include "core/model/ModelHooks.h"
#include "core/model/TsObject.h"
#include "core/model/ValueSyntax.h"
#include "core/services/Prompt.h"

namespace {

// What instantiation gives every object of one type; built once per type.
struct INSTANTIATEDTYPE {
    CPropertyMap properties;
    std::string baseKind;
    bool canInlineEdit = false;
    std::string defaultEditProperty;
    bool noDiv = false;
    std::string externalCSS;
    std::string externalJS;
    std::string externalFiles;
};

// The types built from one loaded library; dropped when another library loads.
struct TYPECACHE {
    unsigned loadSerial = 0;
    std::map<std::string, std::shared_ptr<const INSTANTIATEDTYPE>> types;
};

TYPECACHE& TypeCache() {
    static TYPECACHE cache;
    return cache;
}

// The Base names being applied on the current path, outermost first.
using BaseChain = std::vector<std::string>;

void ApplyDefinitionTo(CTsObject& object, const Json::Value& definition, const Json::Value& root,
                       CPropertyMap& target, std::string* baseKind, BaseChain& chain);

std::vector<std::string> StringList(const Json::Value& array) {
    std::vector<std::string> list;
    if (!array.isArray()) return list;
    for (Json::ArrayIndex i = 0; i < array.size(); ++i) list.push_back(StringElement(i, array));
    return list;
}

CPropertyDefinition ReadPropertyFields(const Json::Value& element) {
    CPropertyDefinition fields;
    fields.name = StringMember("Name", element);
    fields.groupName = StringMember("GroupName", element);
    fields.type = StringMember("Type", element);
    fields.defaultValue = StringMember("DefaultValue", element);
    fields.position = StringMember("Position", element);
    fields.subtype = StringMember("Subtype", element);
    fields.supportMultiViewport = StringMember("SupportMultiViewport", element);
    fields.description = StringMember("Description", element);
    fields.socketType = StringMember("SocketType", element);
    fields.advanced = StringMember("Advanced", element);
    fields.displayName = StringMember("DisplayName", element);
    fields.options = StringList(Member("Options", element));
    fields.subProperties = StringList(Member("SubProperties", element));
    return fields;
}

void KeepIfEmpty(std::string& field, const std::string& inherited) {
    if (field.empty()) field = inherited;
}

// A property listed again refines the one already in the map: the position is
// always the first definition's, empty fields and lists are inherited, the
// default value is never inherited.
void MergeInherited(CPropertyDefinition& fields, const CPropertyDefinition& inherited) {
    fields.position = inherited.position;
    KeepIfEmpty(fields.groupName, inherited.groupName);
    KeepIfEmpty(fields.type, inherited.type);
    KeepIfEmpty(fields.subtype, inherited.subtype);
    KeepIfEmpty(fields.supportMultiViewport, inherited.supportMultiViewport);
    KeepIfEmpty(fields.description, inherited.description);
    KeepIfEmpty(fields.socketType, inherited.socketType);
    KeepIfEmpty(fields.advanced, inherited.advanced);
    KeepIfEmpty(fields.displayName, inherited.displayName);
    if (fields.options.empty()) fields.options = inherited.options;
    if (fields.subProperties.empty()) fields.subProperties = inherited.subProperties;
    if (!fields.dataFormat || fields.dataFormat->Own().empty()) fields.dataFormat = inherited.dataFormat;
}

void ApplyProperty(CTsObject& object, const Json::Value& element, const Json::Value& root, CPropertyMap& target,
                   BaseChain& chain) {
    CPropertyDefinition fields = ReadPropertyFields(element);
    const Json::Value& dataFormat = Member("DataFormat", element);
    if (!dataFormat.isNull()) {
        // A record format is a map of its own; its Base does not make the object
        // anything (the base kind stays the object's own).
        auto format = std::make_shared<CPropertyMap>();
        ApplyDefinitionTo(object, dataFormat, root, *format, nullptr, chain);
        fields.dataFormat = std::move(format);
    }
    if (const CTsProperty* existing = target.FindOwn(fields.name)) MergeInherited(fields, existing->Definition());
    if (fields.displayName.empty()) fields.displayName = fields.name;
    const std::string name = fields.name;
    target.SetOwn(name, CTsProperty::FromDefinition(std::move(fields)));
}

void ApplyDefinitionTo(CTsObject& object, const Json::Value& definition, const Json::Value& root,
                       CPropertyMap& target, std::string* baseKind, BaseChain& chain) {
    const Json::Value& base = Member("Base", definition);
    if (!base.isNull()) {
        const std::string baseName = ScalarText(base);
        if (baseKind) *baseKind = baseName;
        if (std::find(chain.begin(), chain.end(), baseName) == chain.end()) {
            chain.push_back(baseName);
            ApplyDefinitionTo(object, Member(baseName, root), root, target, baseKind, chain);
            chain.pop_back();
        }
    }
    const Json::Value& properties = Member("Properties", definition);
    if (!properties.isArray()) return;
    for (Json::ArrayIndex i = 0; i < properties.size(); ++i)
        ApplyProperty(object, properties[i], root, target, chain);
}

bool IsYes(const Json::Value& definition, const char* key) {
    return EqualsNoCase(StringMember(key, definition), "yes");
}

// The definition of a type, or null after telling the user why there is none.
const Json::Value* FindDefinition(const CConfigLoader& loader, const std::string& typeName) {
    const Json::Value& root = loader.RootDefinitions();
    if (root.isObject() && root.isMember(typeName)) return &root[typeName];
    if (loader.HasWidget(typeName)) {
        const Json::Value& file = loader.GetWidgetDefinition(typeName);
        const std::string shortName = ShortTypeName(typeName);
        if (file.isObject() && file.isMember(shortName)) return &file[shortName];
        ShowMessage("widget config file has different name as widget directory.\nplease change them to the same.");
        return nullptr;
    }
    ShowMessage(typeName + " is not a valid widget.");
    return nullptr;
}

std::shared_ptr<const INSTANTIATEDTYPE> BuildType(CTsObject& object, const Json::Value& definition,
                                                  const Json::Value& root) {
    auto built = std::make_shared<INSTANTIATEDTYPE>();
    built->properties.SetOwn("name", object.properties.Own().at("name"));
    BaseChain chain;
    ApplyDefinitionTo(object, definition, root, built->properties, &built->baseKind, chain);
    built->canInlineEdit = IsYes(definition, "CanInlineEdit");
    built->defaultEditProperty = StringMember("DefaultEditProperty", definition);
    built->noDiv = IsYes(definition, "NoDiv");
    built->externalCSS = StringMember("ExternalCSS", definition);
    built->externalJS = StringMember("ExternalJS", definition);
    built->externalFiles = StringMember("ExternalFiles", definition);
    return built;
}

void Assume(CTsObject& object, const INSTANTIATEDTYPE& built) {
    object.properties.Own() = built.properties.Own();
    object.baseKind = built.baseKind;
    object.canInlineEdit = built.canInlineEdit;
    object.defaultEditProperty = built.defaultEditProperty;
    object.noDiv = built.noDiv;
    object.externalCSS = built.externalCSS;
    object.externalJS = built.externalJS;
    object.externalFiles = built.externalFiles;
}

}  // namespace

void ApplyDefinition(CTsObject& object, const Json::Value& definition, const Json::Value& rootDefinitions,
                     CPropertyMap& target) {
    BaseChain chain;
    ApplyDefinitionTo(object, definition, rootDefinitions, target, &object.baseKind, chain);
}

void Instantiate(CTsObject& object, const std::string& typeName) {
    const CConfigLoader& loader = ConfigLoader();
    if (!loader.IsLoaded()) {
        InstantiateNameOnly(object, typeName);
        return;
    }
    TYPECACHE& cache = TypeCache();
    if (cache.loadSerial != loader.LoadSerial()) {
        cache.types.clear();
        cache.loadSerial = loader.LoadSerial();
    }
    auto found = cache.types.find(typeName);
    if (found == cache.types.end()) {
        InstantiateNameOnly(object, typeName);
        const Json::Value* definition = FindDefinition(loader, typeName);
        if (!definition) return;
        found = cache.types.emplace(typeName, BuildType(object, *definition, loader.RootDefinitions())).first;
    }
    Assume(object, *found->second);
}

void InstallInstantiation() {
    SetInstantiateHook(&Instantiate);
    SetCascadePlacementHook(&CascadePlacement);
}
