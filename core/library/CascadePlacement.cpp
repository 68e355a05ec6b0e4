// Cascade placement: a copied object moves off any object it sits exactly on.
#include <cstdio>

#include "core/library/Instantiate.h"
#include "core/model/TsObject.h"
#include "core/model/ValueSyntax.h"

namespace {

// The text of a position as the model reads it (the integer's digits for "Int").
std::string PositionText(const CTsObject& object, const char* name) {
    const CTsProperty* property = object.properties.Find(name);
    return property ? property->GetValue().AsText() : std::string();
}

// Another object of the tree at `top` with the same left and top texts. The walk
// does not enter `object`'s own children.
bool SitsOnAnother(const CTsObject& tree, const CTsObject& object, const std::string& left, const std::string& top) {
    if (&tree == &object) return false;
    if (PositionText(tree, "left") == left && PositionText(tree, "top") == top) return true;
    for (const CTsObject* child : tree.children)
        if (child && SitsOnAnother(*child, object, left, top)) return true;
    return false;
}

bool Collides(const CTsObject& object) {
    if (object.IsStatic() || !object.root) return false;
    return SitsOnAnother(*object.root, object, PositionText(object, "left"), PositionText(object, "top"));
}

// The number of a position: the integer of an "Int", the leading integer of a
// "String", 0 otherwise.
int NumberOf(const CTsObject& object, const char* name) {
    const CTsProperty* property = object.properties.Find(name);
    if (!property) return 0;
    if (property->Definition().IsInt()) return property->value.integer;
    if (property->Definition().IsString()) return ReadDecimalInt(property->value.text);
    return 0;
}

// One step: a percentage grows by 1 percent, anything else by 30 pixels.
void Shift(CTsObject& object, const char* name) {
    const std::string text = PositionText(object, name);
    const long long number = NumberOf(object, name);
    char buffer[32];
    if (text.find('%', 1) != std::string::npos) std::snprintf(buffer, sizeof buffer, "%lld%%", number + 1);
    else std::snprintf(buffer, sizeof buffer, "%lldpx", number + 30);
    object.properties.At(name).SetValue(std::string(buffer));
}

}  // namespace

void CascadePlacement(CTsObject& object) {
    if (!object.HasProperty("left")) return;
    const bool downOnly = object.IsType("PageWidthBlock");
    while (Collides(object)) {
        const std::string before = PositionText(object, "left") + "\n" + PositionText(object, "top");
        Shift(object, "top");
        if (!downOnly) Shift(object, "left");
        // A position whose type stores nothing cannot move: stop rather than loop.
        if (PositionText(object, "left") + "\n" + PositionText(object, "top") == before) return;
    }
}
