#pragma once
#include <map>
#include <memory>
#include <string>

#include "core/library/TemplateNode.h"

// One "*.htm" file of a widget directory with its parsed node list.
struct TEMPLATEFILE {
    std::string path;                            // full path of the file
    std::shared_ptr<const TemplateList> nodes;   // the parsed template
};

// The templates of one widget, owned by the loader.
class CWidgetTemplate {
public:
    std::map<std::string, TEMPLATEFILE> templates;  // file name (e.g. Button.htm) -> file
    std::string name;                               // the widget's directory name
    std::string directory;                          // full path of the widget directory
    unsigned char renderMode = 0;                   // form of the rendering in progress

    // The file named `fileName` exactly (letter case included), or null.
    const TEMPLATEFILE* Find(const std::string& fileName) const {
        const auto found = templates.find(fileName);
        return found == templates.end() ? nullptr : &found->second;
    }
};
