#pragma once
#include <string>

// A popup menu as the widget menu needs it, free of any window toolkit. The
// program wraps its own menus in it; tests record what is appended.
class IWidgetMenu {
public:
    virtual ~IWidgetMenu() = default;
    // Appends a plain item with a command identifier.
    virtual void AppendItem(const std::string& text, int commandId) = 0;
    // Appends a popup item and returns its menu, to be filled next; the menu
    // stays owned by this one.
    virtual IWidgetMenu& AppendPopup(const std::string& text) = 0;
};

// Command identifiers of the widget menu: handed out from 5000; the design view
// handles 5000 to 6000.
constexpr int kFirstWidgetMenuCommand = 5000;
constexpr int kLastWidgetMenuCommand = 6000;
