#include "core/model/SiteWriter.h"

#include "core/model/JsonArchive.h"
#include "core/model/SiteArchive.h"
#include "core/model/StyledJson.h"
#include "core/model/TsObject.h"

namespace {

// A little more than the laid-out properties of a tree take (escaped characters
// aside), so that the text is allocated once instead of regrown and copied.
class CSizeEstimate {
public:
    size_t Of(const CTsObject& object, size_t depth) {
        size_t size = kPerObject + object.type.size() + OfMap(object.properties, depth + 2);
        for (const CTsObject* child : object.children) size += Of(*child, depth + 3);
        return size;
    }

private:
    // Brackets, member names and line feeds of one object or one property, and the
    // ten or so lines a property takes, indented a few levels below its list.
    static constexpr size_t kPerObject = 400;
    static constexpr size_t kPerProperty = 120;
    static constexpr size_t kLinesPerProperty = 10;
    static constexpr size_t kIndentSize = 3;

    size_t OfMap(const CPropertyMap& map, size_t depth) {
        size_t size = kPerObject;
        const size_t indent = kLinesPerProperty * (depth + 3) * kIndentSize;
        for (const auto& [name, property] : map.Own())
            size += kPerProperty + indent + name.size() + property.Type().size() + property.value.text.size();
        for (const CPropertyMap& list : map.ViewportLists()) size += OfMap(list, depth + 2);
        return size;
    }
};

class CSiteWriter {
public:
    std::string Write(CTsObject& site) {
        out_.Reserve(CSizeEstimate().Of(site, 0));
        out_.BeginObject();
        out_.Member("object", true);
        WriteObjectBody(site);
        out_.Member("version", false);
        out_.WritePlain("1");
        out_.EndObject();
        return out_.Finish();
    }

private:
    void WriteObjectBody(CTsObject& object) {
        out_.BeginObject();
        out_.Member("children", true);
        if (object.children.empty()) {
            out_.WritePlain("null");
        } else {
            out_.BeginArray();
            for (size_t i = 0; i < object.children.size(); ++i) {
                out_.Element(i == 0);
                out_.BeginObject();
                out_.Member("object", true);
                WriteObjectBody(*object.children[i]);
                out_.EndObject();
            }
            out_.EndArray();
        }
        out_.Member("propertylist", false);
        WritePropertyList(object.properties);
        if (object.IsSite()) {
            out_.Member("sharedobject", false);
            WriteSharedGroups(object);
        }
        out_.Member("type", false);
        out_.WriteQuoted(object.type);
        out_.Member("viewportpropertylist", false);
        WriteViewportLists(object.properties);
        out_.EndObject();
    }

    void WritePropertyList(const CPropertyMap& map) {
        bool first = true;
        for (const auto& [name, property] : map.Own()) {
            if (!IsStoredProperty(name, property)) continue;
            if (first) out_.BeginArray();
            out_.Element(first);
            first = false;
            WriteProperty(name, property);
        }
        if (first)
            out_.WritePlain("null");
        else
            out_.EndArray();
    }

    void WriteProperty(const std::string& name, const CTsProperty& property) {
        out_.BeginObject();
        out_.Member("property", true);
        out_.BeginObject();
        out_.Member("name", true);
        out_.WriteQuoted(name);
        out_.Member("type", false);
        out_.WriteQuoted(property.Type());
        out_.Member("value", false);
        out_.BeginObject();
        out_.Member("int", true);
        out_.WriteInt(property.value.integer);
        out_.Member("str", false);
        out_.WriteQuoted(property.value.text);
        out_.EndObject();
        out_.EndObject();
        out_.EndObject();
    }

    void WriteViewportLists(const CPropertyMap& map) {
        const auto& lists = map.ViewportLists();
        if (lists.empty()) {
            out_.WritePlain("null");
            return;
        }
        out_.BeginArray();
        for (size_t i = 0; i < lists.size(); ++i) {
            out_.Element(i == 0);
            out_.BeginObject();
            out_.Member("propertylist", true);
            WritePropertyList(lists[i]);
            out_.Member("viewportpropertylist", false);
            WriteViewportLists(lists[i]);
            out_.EndObject();
        }
        out_.EndArray();
    }

    // The groups are few and short: stored through the archive and laid out as
    // the archive would be.
    void WriteSharedGroups(CTsObject& site) {
        CJsonArchive archive;
        SerializeSharedGroups(site, archive);
        out_.WriteValue(archive.Root()["sharedobject"]);
    }

    CStyledJsonWriter out_;
};

}  // namespace

std::string SiteFileText(CTsObject& site) { return CSiteWriter().Write(site); }
