// The widget menu built from the widget tree.
#include "core/library/ConfigLoader.h"

void CConfigLoader::AppendWidgetMenu(IWidgetMenu& menu) {
    nextMenuCommand_ = kFirstWidgetMenuCommand;
    menuCommands_.clear();
    AppendMenuLevel(widgetTree_, menu);
}

void CConfigLoader::AppendMenuLevel(const CWidgetTree& node, IWidgetMenu& menu) {
    for (size_t i = 0; i < node.names.size(); ++i) {
        menu.AppendItem(node.names[i], nextMenuCommand_);
        menuCommands_[nextMenuCommand_] = TypeNameOf(node, i);
        ++nextMenuCommand_;
    }
    for (const CWidgetTree& child : node.children) AppendMenuLevel(child, menu.AppendPopup(child.name));
}

std::string CConfigLoader::TypeForMenuCommand(int commandId) const {
    const auto found = menuCommands_.find(commandId);
    return found == menuCommands_.end() ? std::string() : found->second;
}
