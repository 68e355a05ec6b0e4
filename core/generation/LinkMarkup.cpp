#include "core/generation/LinkMarkup.h"

#include <json/json.h>

#include "core/generation/TextUtil.h"

namespace {

struct LinkValue {
    std::string link;
    std::string target;
};

std::string MemberText(const Json::Value& object, const char* key) {
    const Json::Value& member = object[key];
    return member.isConvertibleTo(Json::stringValue) ? member.asString() : std::string();
}

LinkValue ParseLinkValue(const std::string& value) {
    LinkValue link;
    Json::Value root;
    Json::Reader reader;
    if (!reader.parse(value, root, false) || !root.isObject()) return link;
    link.link = MemberText(root, "link");
    link.target = MemberText(root, "target");
    return link;
}

}  // namespace

std::string TargetAttribute(const std::string& target) {
    const std::string trimmed = TrimWhiteSpace(target);
    if (trimmed.empty()) return std::string();
    if (EqualsNoCase(trimmed.substr(0, 11), "window.open")) return " onclick=\"" + trimmed + "\"";
    return " target=\"" + trimmed + "\"";
}

std::string LinkMarkup(const std::string& value, const std::string& subtype) {
    if (!EqualsNoCase(subtype, "Link")) return value;
    const LinkValue link = ParseLinkValue(value);
    return "href=\"" + link.link + "\" " + TargetAttribute(link.target);
}

std::string LinkAddress(const std::string& value) { return ParseLinkValue(value).link; }
