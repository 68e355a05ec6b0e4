#pragma once
#include <string>
#include <vector>

// One node of a catalogue tree (widgets or site templates): a category with the
// entries directly in it and its sub-categories, each list in scan order.
class CWidgetTree {
public:
    std::string name;  // directory name of the category; empty for the root
    std::string id;    // type-name prefix: parent id + "_" + name; empty for the root
    std::vector<std::string> names;         // entry directory names
    std::vector<std::string> screenshots;   // file URL of each entry's screenshot
    std::vector<std::string> descriptions;  // text of each entry's desc.txt, or empty
    std::vector<CWidgetTree> children;      // sub-categories
};

// The type name of entry `index` of a node: node.id + "_" + node.names[index];
// empty when the index is out of range.
std::string TypeNameOf(const CWidgetTree& node, size_t index);
