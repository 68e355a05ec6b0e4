#pragma once
#include <QPointer>
#include <QWidget>

#include "app/design/ViewClientHandler.h"

class CTesseraDoc;
class CTsObject;
class QWebEngineView;

// The design view: the current page of a site shown in an embedded browser as
// its generated editing document, with an overlay layer of selection frames.
// The page is reloaded from the model after every change; after each load the
// view measures every object and draws the frames.
class CTesseraView : public QWidget {
    Q_OBJECT
public:
    explicit CTesseraView(CTesseraDoc* document, QWidget* parent = nullptr);
    ~CTesseraView() override;

    CTesseraDoc* Document() const { return document_; }
    CTsObject* CurrentPage() const { return currentPage_; }
    QWebEngineView* Browser() const;
    CViewClientHandler* Handler() const { return handler_; }
    int ZoomPercent() const { return zoomPercent_; }

    // Regenerates the current page's design document and loads it.
    void LoadPage(bool selectAfterLoad);
    // After a load: measures the objects, draws the overlays, restores the scroll.
    void AfterPageLoaded(bool restoreScroll);
    void ReadScroll(int& x, int& y);
    QString ScrollScript(int x, int y) const;
    // InvokeScript on the view's page; empty without a browser.
    QString RunScript(const QString& script);
    void ApplyZoom(int percent);
    void SetCurrentPage(CTsObject* page);
    // Site name + " : " + page name; empty without a page.
    QString FrameText() const;
    // The file URL of the editing file ("editing.htm" in the application data).
    QString EditingFileUrl() const;
    // Scrolls an object into view, centred where the page allows.
    void ScrollToObject(CTsObject* object);
    void ShowDevTools();
    // Watches the browser's input widget (pointer position for the status bar).
    void InstallInputHook();
    // Counts completed page loads (each AfterPageLoaded after a load end).
    int CompletedLoads() const { return completedLoads_; }

signals:
    // A generated page has loaded and its overlays are drawn.
    void pageLoaded();
    void frameTextChanged(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateBrowser();
    void LoadDocumentText(const QString& html);

    CTesseraDoc* document_;
    CTsObject* currentPage_ = nullptr;
    QPointer<CViewClientHandler> handler_;
    int savedScrollX_ = -1;
    int savedScrollY_ = 0;
    int zoomPercent_ = 100;
    bool editingFileLoaded_ = false;
    bool selectAfterLoad_ = false;
    bool hooked_ = false;
    int completedLoads_ = 0;
};
