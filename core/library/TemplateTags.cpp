#include "core/library/TemplateTags.h"

#include "core/services/Regex.h"

namespace {

const CRegex& ForeachPattern() {
    static const CRegex pattern("\\[\\[([^] ]+)[ ]*([^] ]+)[ ]*([^] ]+)\\]\\]");
    return pattern;
}

const CRegex& SocketPattern() {
    static const CRegex pattern("\\[\\[([^] ]+)[ ]*([^] ]+)[ ]*([^] ]*)\\]\\]");
    return pattern;
}

const CRegex& IfPattern() {
    static const CRegex pattern("\\[\\[([^] ]+)[ ]*([^] ]+)[ ]*(==|!=|>=|<=|>|<)[ ]*([^] ]+)\\]\\]");
    return pattern;
}

const CRegex& VariablePattern() {
    static const CRegex pattern("\\[\\[([^] ]+)[ ]*([^] ]+)\\]\\]");
    return pattern;
}

std::vector<std::string> Groups(const CRegex& pattern, const std::string& text, size_t count) {
    regmatch_t groups[5];
    if (!pattern.SearchGroups(text, 0, groups, count + 1)) return {};
    std::vector<std::string> parts;
    for (size_t i = 1; i <= count; ++i) {
        if (groups[i].rm_so < 0) parts.emplace_back();
        else parts.push_back(text.substr(groups[i].rm_so, groups[i].rm_eo - groups[i].rm_so));
    }
    return parts;
}

}  // namespace

std::vector<std::string> SplitTagArguments(TemplateNodeKind kind, const std::string& tagText) {
    switch (kind) {
    case TemplateNodeKind::Foreach: return Groups(ForeachPattern(), tagText, 3);
    case TemplateNodeKind::Socket: return Groups(SocketPattern(), tagText, 3);
    case TemplateNodeKind::If: return Groups(IfPattern(), tagText, 4);
    case TemplateNodeKind::IfExist:
    case TemplateNodeKind::IsLinkToSelf: return Groups(VariablePattern(), tagText, 2);
    default: return {};
    }
}
