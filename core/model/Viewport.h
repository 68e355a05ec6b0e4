#pragma once
#include <string>
#include <vector>

#include "core/model/PropertyMap.h"

class CTsObject;

// One viewport of a site: a named screen-width range with its own page width.
struct VIEWPORT {
    std::string name;
    std::string mediaMinWidth;  // "media-min-width", CSS length text
    std::string mediaMaxWidth;  // "media-max-width", CSS length text
    std::string pageWidth;      // "page-width"
    std::string enable;         // "enable": "yes" (any case) emits a media rule

    bool IsEnabled() const;
    // Same name and the same two widths, letter case mattering: the identity that
    // keeps an object's values for the viewport when the viewports change.
    bool SameRange(const VIEWPORT& other) const;
};

using VIEWPORTARRAY = std::vector<VIEWPORT>;

// The site's "viewport" text (a JSON array of objects with text members) as
// records. Missing members read as empty; text that is not a JSON array gives no
// records; nothing is reported.
VIEWPORTARRAY ParseViewports(const std::string& text);

// Appends to `lists` one list for `record`, built from `map`'s own entries: copies
// of its multi-viewport properties, and for a page a copy of "page-width" holding
// the record's page width.
void AddViewportList(CPropertyMap& map, std::vector<CPropertyMap>& lists, bool isPage,
                     const VIEWPORT& record);

// Gives a new object its lists: one per viewport of the root's "viewport" text.
void BuildViewportLists(CTsObject& object);

// Rebuilds the lists of every object of the site (the site itself excepted) after
// its "viewport" text changed from `oldText` to `newText`. Does nothing when
// `site` is not a "Site".
void ApplyViewportChange(const std::string& oldText, CTsObject& site, const std::string& newText);

// One object's step of ApplyViewportChange: a list whose viewport keeps its name
// and both widths is kept (and follows it when the order changes); any other new
// viewport gets a list built afresh from the base values.
void ReconcileViewportLists(CPropertyMap& map, VIEWPORTARRAY oldRecords,
                            const VIEWPORTARRAY& newRecords, bool isPage);
