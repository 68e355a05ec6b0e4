#include "core/model/Viewport.h"

#include <json/json.h>

#include <memory>
#include <utility>

#include "core/model/TsObject.h"
#include "core/model/ValueSyntax.h"

bool VIEWPORT::IsEnabled() const { return EqualsNoCase(enable, "yes"); }

bool VIEWPORT::SameRange(const VIEWPORT& other) const {
    return name == other.name && mediaMinWidth == other.mediaMinWidth &&
           mediaMaxWidth == other.mediaMaxWidth;
}

namespace {
std::string MemberText(const Json::Value& element, const char* key) {
    if (!element.isObject()) return {};
    const Json::Value& member = element[key];
    return member.isString() ? member.asString() : std::string();
}
}  // namespace

VIEWPORTARRAY ParseViewports(const std::string& text) {
    VIEWPORTARRAY records;
    if (text.empty()) return records;
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value array;
    std::string errors;
    if (!reader->parse(text.data(), text.data() + text.size(), &array, &errors) || !array.isArray()) {
        return records;
    }
    for (const Json::Value& element : array) {
        VIEWPORT record;
        record.name = MemberText(element, "name");
        record.mediaMinWidth = MemberText(element, "media-min-width");
        record.mediaMaxWidth = MemberText(element, "media-max-width");
        record.pageWidth = MemberText(element, "page-width");
        record.enable = MemberText(element, "enable");
        records.push_back(std::move(record));
    }
    return records;
}

void AddViewportList(CPropertyMap& map, std::vector<CPropertyMap>& lists, bool isPage,
                     const VIEWPORT& record) {
    CPropertyMap list;
    for (const auto& [name, property] : std::as_const(map).Own()) {
        if (property.IsMultiViewport()) list.SetOwn(name, property);
    }
    // A page without a "page-width" property gets no untyped stand-in for it.
    const CTsProperty* pageWidth = isPage ? map.FindOwn("page-width") : nullptr;
    if (pageWidth) {
        CTsProperty copy = *pageWidth;
        copy.SetValue(record.pageWidth);
        list.SetOwn("page-width", std::move(copy));
    }
    lists.push_back(std::move(list));
}

namespace {
// Objects are made one after another from the same text: parse it once.
const VIEWPORTARRAY& ParseViewportsCached(const std::string& text) {
    static std::string lastText;
    static VIEWPORTARRAY lastRecords;
    if (text != lastText) {
        lastRecords = ParseViewports(text);
        lastText = text;
    }
    return lastRecords;
}
}  // namespace

void BuildViewportLists(CTsObject& object) {
    if (!object.root) return;
    const VIEWPORTARRAY& records = ParseViewportsCached(object.root->OwnValue("viewport"));
    auto& lists = object.properties.ViewportLists();
    lists.reserve(lists.size() + records.size());
    for (const VIEWPORT& record : records) {
        AddViewportList(object.properties, lists, object.IsPage(), record);
    }
}

void ReconcileViewportLists(CPropertyMap& map, VIEWPORTARRAY oldRecords,
                            const VIEWPORTARRAY& newRecords, bool isPage) {
    std::vector<CPropertyMap> oldLists = std::move(map.ViewportLists());
    std::vector<CPropertyMap> lists;
    lists.reserve(newRecords.size());
    for (const VIEWPORT& record : newRecords) {
        size_t i = 0;
        while (i < oldRecords.size() && !oldRecords[i].SameRange(record)) ++i;
        if (i < oldRecords.size() && i < oldLists.size()) {
            lists.push_back(std::move(oldLists[i]));
            oldLists.erase(oldLists.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            // No list kept for this viewport (none, or fewer lists than records).
            AddViewportList(map, lists, isPage, record);
        }
        if (i < oldRecords.size()) oldRecords.erase(oldRecords.begin() + static_cast<std::ptrdiff_t>(i));
    }
    map.ViewportLists() = std::move(lists);
}

namespace {
void ReconcileSubtree(CTsObject& object, const VIEWPORTARRAY& oldRecords,
                      const VIEWPORTARRAY& newRecords) {
    for (CTsObject* child : object.children) {
        ReconcileViewportLists(child->properties, oldRecords, newRecords, child->IsPage());
        ReconcileSubtree(*child, oldRecords, newRecords);
    }
}
}  // namespace

void ApplyViewportChange(const std::string& oldText, CTsObject& site, const std::string& newText) {
    if (!site.IsSite()) return;
    ReconcileSubtree(site, ParseViewports(oldText), ParseViewports(newText));
}
