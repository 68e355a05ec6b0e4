// Scanning the widget and site-template trees of the library.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/library/ConfigLoader.h"
#include "core/library/DefinitionJson.h"
#include "core/library/TemplateParser.h"
#include "core/library/TypeNames.h"
#include "core/model/ValueSyntax.h"
#include "core/services/Paths.h"
#include "core/services/Prompt.h"
#include "core/services/TextFile.h"

namespace fs = std::filesystem;

namespace {

// The names of the sub-directories (or of the plain files) of a directory, sorted
// so that catalogue and menu order do not depend on the file system.
std::vector<std::string> ListEntries(const std::string& directory, bool directories) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        const bool isDirectory = it->is_directory(typeError);
        if (typeError) continue;
        if (isDirectory == directories) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool HasTemplateExtension(const std::string& fileName) {
    return fileName.size() >= 4 && EqualsNoCase(fileName.substr(fileName.size() - 4), ".htm");
}

}  // namespace

void CConfigLoader::Scan(const std::string& directory, CWidgetTree& node, ScanKind kind,
                         std::vector<std::string>& ancestors) {
    // A directory reached again through a link is not scanned a second time.
    std::error_code error;
    const std::string identity = fs::canonical(directory, error).string();
    if (error || std::find(ancestors.begin(), ancestors.end(), identity) != ancestors.end()) return;
    ancestors.push_back(identity);
    for (const std::string& name : ListEntries(directory, true)) {
        const std::string path = PathJoin(directory, name);
        if (IsEntry(path, name, kind)) {
            AddEntry(path, name, node, kind);
            continue;
        }
        CWidgetTree category;
        category.name = name;
        category.id = ChildTypeName(node.id, name);
        Scan(path, category, kind, ancestors);
        node.children.push_back(std::move(category));
    }
    ancestors.pop_back();
}

bool CConfigLoader::IsEntry(const std::string& directory, const std::string& name, ScanKind kind) const {
    if (kind == ScanKind::Widget) return FileExists(PathJoin(directory, "config.json"));
    return FileExists(PathJoin(directory, name + ".quillora"));
}

void CConfigLoader::AddEntry(const std::string& directory, const std::string& name, CWidgetTree& node,
                             ScanKind kind) {
    node.names.push_back(name);
    if (kind == ScanKind::Widget) LoadWidget(directory, name, ChildTypeName(node.id, name));
    std::string description;
    ReadTextFile(PathJoin(directory, "desc.txt"), description);
    node.descriptions.push_back(description);
    const std::string screenshot = PathJoin(directory, "screenshot.jpg");
    node.screenshots.push_back(FileUrlFromPath(
        FileExists(screenshot) ? screenshot : PathJoin(directory_, kFallbackScreenshot)));
}

void CConfigLoader::LoadWidget(const std::string& directory, const std::string& name,
                               const std::string& typeName) {
    std::string text, error;
    ReadTextFile(PathJoin(directory, "config.json"), text);
    Json::Value definition;
    if (!ParseDefinitionText(text, definition, error))
        ShowMessage("Error parsing " + directory + ", please check the file for formating error.");
    widgetDefinitions_[typeName] = std::move(definition);

    CWidgetTemplate widget;
    widget.name = name;
    widget.directory = directory;
    LoadTemplates(widget);
    widgetTemplates_[typeName] = std::move(widget);
}

void CConfigLoader::LoadTemplates(CWidgetTemplate& widget) {
    for (const std::string& fileName : ListEntries(widget.directory, false)) {
        if (!HasTemplateExtension(fileName)) continue;
        TEMPLATEFILE file;
        file.path = PathJoin(widget.directory, fileName);
        TemplateParseResult result = ParseTemplate(file.path);
        if (!result.ok || result.nodes.empty()) {
            ShowMessage("loading " + file.path + " error: " + result.messages);
            continue;
        }
        file.nodes = std::make_shared<const TemplateList>(std::move(result.nodes));
        widget.templates[fileName] = std::move(file);
    }
}
