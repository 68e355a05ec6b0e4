#pragma once
#include <json/json.h>

#include <map>
#include <string>
#include <vector>

#include "core/library/WidgetMenu.h"
#include "core/library/WidgetTemplate.h"
#include "core/library/WidgetTree.h"

// The widget library beside the program: the root definitions of the built-in
// kinds, one definition and its templates per widget directory, and the two
// catalogue trees. Read once at start-up, read-only afterwards (only the widget
// menu's command map and a template's render mode change).
class CConfigLoader {
public:
    // Reads the library of the program directory.
    void Load();
    // Reads the library laid out in `directory` (the program directory of a test
    // or tool). Whatever was loaded before is dropped.
    void LoadFrom(const std::string& directory);
    bool IsLoaded() const { return loaded_; }
    // Changes with every load, in every loader: what was derived from one load
    // (the instantiated types) is known to be stale by it.
    unsigned LoadSerial() const { return loadSerial_; }
    // The directory the library was read from, with a trailing "/".
    const std::string& Directory() const { return directory_; }

    // The root member named `typeName`, else the widget definition; else null.
    const Json::Value& GetDefinition(const std::string& typeName) const;
    // The whole parsed config.json of a widget type, or null.
    const Json::Value& GetWidgetDefinition(const std::string& typeName) const;
    bool HasWidget(const std::string& typeName) const;
    const Json::Value& RootDefinitions() const { return root_; }

    // The templates of a widget type, or null.
    const CWidgetTemplate* FindWidgetTemplate(const std::string& typeName) const;
    CWidgetTemplate* FindWidgetTemplate(const std::string& typeName);

    const CWidgetTree& WidgetTree() const { return widgetTree_; }
    const CWidgetTree& TemplateTree() const { return templateTree_; }

    // Appends the widget tree to a popup menu: per level the widgets, then the
    // sub-category popups; identifiers run from 5000 in that depth-first order.
    void AppendWidgetMenu(IWidgetMenu& menu);
    // The type name recorded for a widget menu command, or empty.
    std::string TypeForMenuCommand(int commandId) const;

private:
    enum class ScanKind { Widget, Template };

    void Clear();
    void LoadRoot();
    void Scan(const std::string& directory, CWidgetTree& node, ScanKind kind, std::vector<std::string>& ancestors);
    bool IsEntry(const std::string& directory, const std::string& name, ScanKind kind) const;
    void AddEntry(const std::string& directory, const std::string& name, CWidgetTree& node, ScanKind kind);
    void LoadWidget(const std::string& directory, const std::string& name, const std::string& typeName);
    void LoadTemplates(CWidgetTemplate& widget);
    void AppendMenuLevel(const CWidgetTree& node, IWidgetMenu& menu);

    std::string directory_;
    bool loaded_ = false;
    unsigned loadSerial_ = 0;
    Json::Value root_;
    std::map<std::string, Json::Value> widgetDefinitions_;
    std::map<std::string, CWidgetTemplate> widgetTemplates_;
    CWidgetTree widgetTree_;
    CWidgetTree templateTree_;
    std::map<int, std::string> menuCommands_;
    int nextMenuCommand_ = kFirstWidgetMenuCommand;
};

// The loader in use: the one process-wide instance unless a test installed another.
CConfigLoader& ConfigLoader();
// Installs another loader (not owned); null restores the process-wide one.
void UseConfigLoader(CConfigLoader* loader);

// Name of the fallback screenshot below the program directory.
extern const char* const kFallbackScreenshot;
