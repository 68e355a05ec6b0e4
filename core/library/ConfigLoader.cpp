#include "core/library/ConfigLoader.h"

#include "core/library/DefinitionJson.h"
#include "core/library/Instantiate.h"
#include "core/services/Paths.h"
#include "core/services/Prompt.h"
#include "core/services/TextFile.h"

const char* const kFallbackScreenshot = "img/bootstrap-mdo-sfmoma-01.jpg";

namespace {

CConfigLoader*& InstalledLoader() {
    static CConfigLoader* installed = nullptr;
    return installed;
}

const Json::Value& NullDefinition() {
    static const Json::Value null;
    return null;
}

}  // namespace

CConfigLoader& ConfigLoader() {
    static CConfigLoader processLoader;
    CConfigLoader* installed = InstalledLoader();
    return installed ? *installed : processLoader;
}

void UseConfigLoader(CConfigLoader* loader) {
    InstalledLoader() = loader;
}

void CConfigLoader::Load() {
    LoadFrom(ProgramDirectory());
}

void CConfigLoader::LoadFrom(const std::string& directory) {
    Clear();
    directory_ = directory;
    if (directory_.empty() || directory_.back() != '/') directory_ += '/';
    LoadRoot();
    std::vector<std::string> ancestors;
    Scan(PathJoin(directory_, "widgets"), widgetTree_, ScanKind::Widget, ancestors);
    Scan(PathJoin(directory_, "template"), templateTree_, ScanKind::Template, ancestors);
    static unsigned lastSerial = 0;
    loadSerial_ = ++lastSerial;
    loaded_ = true;
    InstallInstantiation();
}

void CConfigLoader::Clear() {
    loaded_ = false;
    root_ = Json::Value();
    widgetDefinitions_.clear();
    widgetTemplates_.clear();
    widgetTree_ = CWidgetTree();
    templateTree_ = CWidgetTree();
    menuCommands_.clear();
    nextMenuCommand_ = kFirstWidgetMenuCommand;
}

void CConfigLoader::LoadRoot() {
    std::string text;
    ReadTextFile(PathJoin(directory_, "config.json"), text);
    std::string error;
    if (!ParseDefinitionText(text, root_, error))
        ShowMessage("Error parsing root config.json, please check the file for formating error.");
}

const Json::Value& CConfigLoader::GetDefinition(const std::string& typeName) const {
    const Json::Value& root = Member(typeName, root_);
    if (!root.isNull()) return root;
    return GetWidgetDefinition(typeName);
}

const Json::Value& CConfigLoader::GetWidgetDefinition(const std::string& typeName) const {
    const auto found = widgetDefinitions_.find(typeName);
    return found == widgetDefinitions_.end() ? NullDefinition() : found->second;
}

bool CConfigLoader::HasWidget(const std::string& typeName) const {
    return widgetDefinitions_.count(typeName) > 0;
}

const CWidgetTemplate* CConfigLoader::FindWidgetTemplate(const std::string& typeName) const {
    const auto found = widgetTemplates_.find(typeName);
    return found == widgetTemplates_.end() ? nullptr : &found->second;
}

CWidgetTemplate* CConfigLoader::FindWidgetTemplate(const std::string& typeName) {
    const auto found = widgetTemplates_.find(typeName);
    return found == widgetTemplates_.end() ? nullptr : &found->second;
}
