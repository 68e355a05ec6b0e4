#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/model/TsProperty.h"

class CTsObject;

// The properties of one object (or of one viewport, or of one data-format item),
// keyed by exact name, with one extra map per viewport of the site.
//
// Viewport redirection: while the current viewport k (ModelHooks.h) lies between 1
// and the number of viewport lists, and the redirect flag is on, Lookup/Find/At and
// IterateEffective use the k-th list's entry for every name that list holds, and
// the map's own entry elsewhere. The *Own* accessors never redirect.
class CPropertyMap {
public:
    using Properties = std::map<std::string, CTsProperty>;
    using Visitor = std::function<void(const std::string& name, CTsProperty& property)>;

    CPropertyMap() = default;
    // Copies take the properties, the lists and the redirect flag; whether the map
    // reports name changes (below) stays with the map itself.
    CPropertyMap(const CPropertyMap& other);
    CPropertyMap(CPropertyMap&& other) noexcept;
    CPropertyMap& operator=(const CPropertyMap& other);
    CPropertyMap& operator=(CPropertyMap&& other) noexcept;

    // --- with redirection ---------------------------------------------------------
    // Copies the property in effect into `out`; false when the name is absent.
    bool Lookup(const std::string& name, CTsProperty& out) const;
    // The property in effect, or null when absent.
    CTsProperty* Find(const std::string& name);
    const CTsProperty* Find(const std::string& name) const;
    // The property in effect; an empty property is inserted into the own map when
    // the name is absent.
    CTsProperty& At(const std::string& name);
    // Visits every name of the own map with the property in effect for it.
    void IterateEffective(const Visitor& visitor);

    // --- without redirection -----------------------------------------------------
    Properties& Own() {
        TouchAll();
        return properties_;
    }
    const Properties& Own() const { return properties_; }
    CTsProperty* FindOwn(const std::string& name);
    const CTsProperty* FindOwn(const std::string& name) const;
    bool HasOwn(const std::string& name) const { return properties_.count(name) != 0; }
    // Stores a property under a name in the own map, replacing any there.
    void SetOwn(const std::string& name, CTsProperty property);

    // --- viewport lists --------------------------------------------------------------
    std::vector<CPropertyMap>& ViewportLists() { return viewportLists_; }
    const std::vector<CPropertyMap>& ViewportLists() const { return viewportLists_; }

    bool Redirects() const { return redirect_; }
    void SetRedirect(bool redirect) { redirect_ = redirect; }

    // Makes this map a copy of `source`'s base values (read without redirection)
    // and of its viewport lists; the redirect flag ends up on.
    void Assign(const CPropertyMap& source);

    // An object's own map reports every mutable access to its "name" property (and
    // every wholesale change) to the site's name index (NameIndex.h), which then
    // reads the name again. Set by CTsObject once it is built; copies have none.
    void SetOwner(CTsObject* owner) { owner_ = owner; }

private:
    void TouchName(const std::string& name) const;
    void TouchAll() const;

    // The viewport list that redirection uses for `name`, or null for the own map.
    const CPropertyMap* RedirectTarget(const std::string& name) const;

    Properties properties_;
    std::vector<CPropertyMap> viewportLists_;
    bool redirect_ = true;
    CTsObject* owner_ = nullptr;
};
