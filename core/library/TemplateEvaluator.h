#pragma once
#include <json/json.h>

#include <string>

#include "core/generation/PageForm.h"
#include "core/library/TemplateNode.h"

class CTsObject;
class CPropertyMap;
class CWidgetTemplate;

// What a template sees while it is evaluated.
struct TemplateContext {
    const Json::Value* record = nullptr;        // the current data record; null outside loops
    CTsObject* object = nullptr;                // whose properties are the variables; null inside loops
    CTsObject* page = nullptr;                  // the page being rendered
    CTsObject* widget = nullptr;                // the widget object being rendered
    const CPropertyMap* recordFormat = nullptr; // the fields of the records iterated; null at the top
};

// Renders an object with its widget's main template ("<short type name>.htm");
// empty when the widget has no such template.
std::string RenderWidget(CTsObject& object, CTsObject* page, PageForm form);
// Concatenates the evaluation of each node of a list.
std::string Evaluate(const TemplateList& list, int index, bool first, CWidgetTemplate& widgetTemplate,
                     const TemplateContext& context);
