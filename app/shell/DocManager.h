#pragma once
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class CChildFrame;
class CMainFrame;
class CTesseraDoc;
class CTesseraView;
class QMenu;

// The document side of the program: New, Open, Save, Save As and Close of site
// documents, the recent-file list, the question to save changes before a
// modified document closes, and one design view in a document window for each
// open document.
class CDocManager : public QObject {
    Q_OBJECT
public:
    explicit CDocManager(CMainFrame* frame);
    ~CDocManager() override;

    // The question before a modified document closes: "Save changes to %1?" with
    // Yes, No and Cancel. Returns QMessageBox::Yes, No or Cancel; tests replace it.
    static std::function<int(const QString& title)> askSaveChanges;
    // True while a document is being made or read: the events its model raises
    // then concern no open window.
    static bool Creating() { return creating_; }

    CTesseraDoc* OnFileNew();
    void OnFileOpen();
    // Opens a site file (or activates it when it is open already); null on failure.
    CTesseraDoc* OpenDocumentFile(const QString& path);
    void OnFileClose();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnLoadTemplate();
    void OnEditUndo();
    void OnEditRedo();

    // Asks to save a modified document; false when the user cancels (or saving fails).
    bool SaveModified(CTesseraDoc* document);
    // Closes a document and its window; with `ask`, after SaveModified.
    bool CloseDocument(CTesseraDoc* document, bool ask = true);
    // Every document in turn; stops at the first cancel.
    bool CloseAllDocuments();
    bool CanCloseFrame(CChildFrame* frame);

    CTesseraDoc* ActiveDocument() const;
    CTesseraView* ViewOf(const CTesseraDoc* document) const;
    std::vector<CTesseraDoc*> Documents() const;
    QString TitleOf(const CTesseraDoc* document) const;
    void UpdateTitle(CTesseraDoc* document);

    void AttachRecentMenu(QMenu* menu);
    QStringList RecentFiles() const;
    void AddToRecentFiles(const QString& path);

private:
    CChildFrame* OpenFrame(std::unique_ptr<CTesseraDoc> document);
    CChildFrame* FrameOf(const CTesseraDoc* document) const;
    bool DoSave(CTesseraDoc* document, bool saveAs);
    void FillRecentMenu();
    void OnFrameActivated();

    static inline bool creating_ = false;
    CMainFrame* frame_;
    std::vector<std::unique_ptr<CTesseraDoc>> documents_;
    QMenu* recentMenu_ = nullptr;
    int untitledCount_ = 0;
    bool closingWithoutQuestion_ = false;
};
