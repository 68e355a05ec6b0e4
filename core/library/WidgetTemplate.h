#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>

// The node list of one parsed template file. The template language defines it;
// the loader only keeps it.
class CParsedTemplate;

// One "*.htm" file of a widget directory.
struct TEMPLATEFILE {
    std::string path;                                 // full path of the file
    std::shared_ptr<const CParsedTemplate> parsed;    // null until a parser is installed
};

// The templates of one widget, owned by the loader.
class CWidgetTemplate {
public:
    std::map<std::string, TEMPLATEFILE> templates;  // file name (e.g. Button.htm) -> file
    std::string name;                               // the widget's directory name
    std::string directory;                          // full path of the widget directory
    unsigned char renderMode = 0;                   // form of the rendering in progress

    // The file named `fileName` exactly, or null.
    const TEMPLATEFILE* Find(const std::string& fileName) const {
        const auto found = templates.find(fileName);
        return found == templates.end() ? nullptr : &found->second;
    }
};

// Parses one template file. Gives the node list, or null with an error text.
using TemplateParser =
    std::function<std::shared_ptr<const CParsedTemplate>(const std::string& path, std::string& error)>;

// Installs the parser the loader runs on every template file (tests); null puts
// the template language's own parser (ParseTemplateForLibrary) back.
void SetTemplateParser(TemplateParser parser);
const TemplateParser& CurrentTemplateParser();
