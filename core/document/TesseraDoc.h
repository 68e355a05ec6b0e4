#pragma once
#include <string>

#include "core/document/UndoRedo.h"
#include "core/model/TsObject.h"

class CJsonArchive;

// The save-site chooser: asks for a directory and a site name. The program shows
// a dialog; tests script the answer. False means cancelled.
class IDirectoryChooser {
public:
    virtual ~IDirectoryChooser() = default;
    virtual bool ChooseDirectory(const std::string& title, std::string& directory, std::string& siteName) = 0;
};
// Installs the process-wide chooser (not owned); without one a first save is cancelled.
void SetDirectoryChooser(IDirectoryChooser* chooser);

// The template the next new document is made from (process-wide, empty normally).
std::string& PendingTemplatePath();

// The text of the block of a new site.
extern const char* const kDefaultBlockText;

// One open site: the site object tree, the viewport being edited, where it came
// from, and its undo history.
class CTesseraDoc {
public:
    CTesseraDoc();
    // Destroys the history first (releasing what it holds), then the site.
    ~CTesseraDoc();
    CTesseraDoc(const CTesseraDoc&) = delete;
    CTesseraDoc& operator=(const CTesseraDoc&) = delete;

    // Declared before the history so that it is destroyed after it.
    CTsObject site;
    int currentViewport = 0;
    std::string templatePath;
    CUndoRedo history;

    // The framework's part: the file path (empty until saved or opened), the title
    // and the modified flag.
    std::string path;
    std::string title;
    bool modified = false;
    // The page the document's design view shows, or null; the view keeps it up to
    // date through CTreeEdits::ShowPage.
    CTsObject* shownPage = nullptr;

    // The default site (page "index" with "Block1"), or the pending template.
    bool OnNewDocument();
    // Reads a site file; "Failed to open document." when it is not a site file.
    bool OnOpenDocument(const std::string& filePath);
    // Writes the site file: the shown page's shared copies are brought up to date
    // first; the old file is replaced only once the new one is wholly written.
    bool OnSaveDocument(const std::string& filePath);
    // Save (`filePath` = the current path) and Save As (null): without a path asks
    // for a directory and site name; with `replace` collects the site's files into
    // the target directory and adopts the path.
    bool DoSave(const std::string* filePath, bool replace = true);
    // Lets the panes go of the document's objects and hands clipboard pages of
    // this site over to the clipboard's own site.
    void OnCloseDocument();
    void Serialize(CJsonArchive& archive);

    // The folder (with its trailing "/") of the document's file, else of its
    // template, else the program directory.
    std::string GetDocumentDirectory() const;
    // A new page at the end of the site; returns its index.
    int AddPageCommand();
    // Appends a deep copy of the page to the site; returns its index.
    int DuplicatePage(CTsObject& page);

    CTsObject* FirstPage() const { return site.children.empty() ? nullptr : site.children.front(); }
};

// The document whose view is active (its current viewport redirects property
// reads and writes); null when none.
CTesseraDoc* ActiveDocument();
void SetActiveDocument(CTesseraDoc* document);
