#pragma once

class CTesseraView;

// Installs the design view's handlers of the application event hub: the events
// that refresh the panes and the page, and those that edit the tree (each model
// change is made by the document's tree edits, then shown).
void InstallHubHandlers();
// The design view of the main frame's active document window, or null.
CTesseraView* CurrentView();
