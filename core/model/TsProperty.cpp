#include "core/model/TsProperty.h"

#include "core/model/PropertyMap.h"
#include "core/model/ValueSyntax.h"

bool CPropertyDefinition::IsMultiViewport() const { return EqualsNoCase(supportMultiViewport, "true"); }
bool CPropertyDefinition::IsAdvanced() const { return EqualsNoCase(advanced, "true"); }
bool CPropertyDefinition::IsInt() const { return EqualsNoCase(type, "Int"); }
bool CPropertyDefinition::IsString() const { return EqualsNoCase(type, "String"); }

namespace {
const CPropertyDefinition& EmptyDefinition() {
    static const CPropertyDefinition empty;
    return empty;
}
}  // namespace

CTsProperty::CTsProperty(std::shared_ptr<const CPropertyDefinition> definition, CPropertyValue value)
    : value(std::move(value)), definition_(std::move(definition)) {}

CTsProperty CTsProperty::FromDefinition(CPropertyDefinition definition) {
    CPropertyValue value = CPropertyValue::FromText(definition.defaultValue, definition.type);
    return CTsProperty(std::make_shared<CPropertyDefinition>(std::move(definition)), std::move(value));
}

const CPropertyDefinition& CTsProperty::Definition() const {
    return definition_ ? *definition_ : EmptyDefinition();
}

CPropertyDefinition& CTsProperty::EditDefinition() {
    // Copy on write: a definition shared with other properties is never changed.
    if (!definition_ || definition_.use_count() > 1) {
        definition_ = std::make_shared<CPropertyDefinition>(Definition());
    }
    // Made non-const above and held by nobody else, so changing it is sound.
    return const_cast<CPropertyDefinition&>(*definition_);
}

const CPropertyMap& CTsProperty::DataFormat() const {
    static const CPropertyMap empty;
    const auto& format = Definition().dataFormat;
    return format ? *format : empty;
}

PropertyVariant CTsProperty::GetValue() const {
    const CPropertyDefinition& definition = Definition();
    if (definition.IsInt()) return PropertyVariant(value.integer);
    if (definition.IsString()) return PropertyVariant(value.text);
    return PropertyVariant(std::string());
}

void CTsProperty::SetValue(const PropertyVariant& newValue) {
    const CPropertyDefinition& definition = Definition();
    if (definition.IsInt()) value.integer = newValue.AsInt();
    else if (definition.IsString()) value.text = newValue.AsText();
}
