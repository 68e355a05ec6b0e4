#pragma once
#include <string>
#include <vector>

// One item of a parsed widget template. A list of items is a template (or a
// branch of a block) in source order.
enum class TemplateNodeKind { Text, Foreach, Socket, If, IfExist, IsLinkToSelf, First };

struct CTemplateNode;
using TemplateList = std::vector<CTemplateNode>;

struct CTemplateNode {
    TemplateNodeKind kind = TemplateNodeKind::Text;
    int line = 0;
    // Text nodes: the text itself. Tags: the whole opening tag, brackets included.
    // First blocks: empty.
    std::string text;
    // The tag's arguments as its pattern splits them (keyword first); empty when
    // the tag text does not fit its pattern, which makes the tag render nothing.
    std::vector<std::string> parts;
    TemplateList thenList;
    TemplateList elseList;
    bool hasElse = false;
};

