#include "core/library/WidgetTree.h"

#include "core/library/TypeNames.h"

std::string TypeNameOf(const CWidgetTree& node, size_t index) {
    if (index >= node.names.size()) return std::string();
    return ChildTypeName(node.id, node.names[index]);
}
