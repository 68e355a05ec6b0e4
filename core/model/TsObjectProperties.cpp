#include "core/model/TsObject.h"

#include "core/document/AppEventHub.h"
#include "core/model/Viewport.h"
#include "core/model/ValueSyntax.h"
#include "core/services/Prompt.h"

namespace {
// Applies a one-value format: the first %s, %d or %i takes `value`, "%%" gives
// "%", anything else is copied. Never reads beyond its one argument, whatever
// the format holds.
std::string FormatWithValue(const std::string& format, const std::string& value) {
    std::string result;
    bool used = false;
    for (size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        if (format[i] == '%' && next == '%') {
            result += '%';
            ++i;
        } else if (format[i] == '%' && !used && (next == 's' || next == 'd' || next == 'i')) {
            result += value;
            used = true;
            ++i;
        } else {
            result += format[i];
        }
    }
    return result;
}

// The rename check: false (after telling the user once) when the site already
// holds the name; the object's own current name counts too.
bool AcceptRename(CTsObject& object, const std::string& newName) {
    if (!object.root || !object.root->ContainsName(newName)) return true;
    if (LastRefusedObject() == &object) {
        // The grid commits a refused edit again when the message box closes.
        SetLastRefusedObject(nullptr);
        return false;
    }
    SetLastRefusedObject(&object);
    ShowMessage("Can't set to this name, cause there is already same name exists.");
    AppEventHub::Instance().Dispatch(RefreshProperties);
    return false;
}
}  // namespace

void CTsObject::SetProperty(const std::string& name, const PropertyVariant& value) {
    const bool isName = EqualsNoCase(name, "name");
    const bool isViewport = EqualsNoCase(name, "viewport");
    if (isName && !AcceptRename(*this, value.AsText())) return;
    if (isViewport && IsSite()) {
        const CTsProperty* current = properties.Find(name);
        const PropertyVariant oldValue = current ? current->GetValue() : PropertyVariant();
        if (oldValue != value) ApplyViewportChange(oldValue.AsText(), *this, value.AsText());
    }
    properties.At(name).SetValue(value);
    AppEventHub& hub = AppEventHub::Instance();
    if (isName) {
        hub.Dispatch(RefreshWidgetTree);
        hub.Post(RefreshSiteTree);
    }
    if (isViewport) hub.Dispatch(RefreshDesignPage);
    hub.Dispatch(SetModified);
}

std::string CTsObject::OwnValue(const std::string& name) const {
    const CTsProperty* property = properties.Find(name);
    return property ? property->value.text : std::string();
}

std::string CTsObject::ValueOrSite(const std::string& name) const {
    std::string value = OwnValue(name);
    if (value.empty() && root && root != this) value = root->OwnValue(name);
    return value;
}

bool CTsObject::HasProperty(const std::string& name) const { return properties.Find(name) != nullptr; }

std::string CTsObject::GetSubtype(const std::string& name) const {
    const CTsProperty* property = properties.Find(name);
    return property ? property->Subtype() : std::string();
}

std::string CTsObject::Declare(const std::string& name, const std::string& format) const {
    if (!properties.HasOwn(name)) return {};
    const CTsProperty* property = properties.Find(name);
    const CPropertyDefinition& definition = property->Definition();
    if (definition.IsInt()) {
        const int32_t number = property->value.integer;
        return number > 0 ? FormatWithValue(format, std::to_string(number)) : std::string();
    }
    if (!definition.IsString() || property->value.text.empty()) return {};
    if (EqualsNoCase(definition.subtype, "File")) {
        return FormatWithValue(format, "url(" + property->value.text + ")");
    }
    return FormatWithValue(format, property->value.text);
}

std::string CTsObject::DeclareOrSite(const std::string& name, const std::string& format) const {
    std::string declaration = Declare(name, format);
    if (declaration.empty() && root && root != this) declaration = root->Declare(name, format);
    return declaration;
}
