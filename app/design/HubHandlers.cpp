#include "app/design/HubHandlers.h"

#include <QDockWidget>
#include <QWebEngineView>

#include "app/design/TesseraView.h"
#include "app/shell/DocManager.h"
#include "app/shell/MainFrame.h"
#include "app/shell/ObjectView.h"
#include "app/shell/SiteView.h"
#include "core/document/AppEventHub.h"
#include "core/document/TesseraDoc.h"
#include "core/document/TreeEdits.h"
#include "core/generation/PageRender.h"
#include "core/model/TsObject.h"

namespace {

AppEventHub& Hub() { return AppEventHub::Instance(); }

CTsObject* ObjectArg(intptr_t value) { return reinterpret_cast<CTsObject*>(value); }

void Raise(int event, intptr_t first = 0, intptr_t second = 0) { Hub().Dispatch(event, first, second); }

// Reload the view, then the widget tree, then the site tree.
void Refresh() {
    Raise(RefreshDesignPage);
    Raise(RefreshWidgetTree);
    Raise(RefreshSiteTree);
}

// Runs `work` with the tree edits of the current view's document.
template <typename Work>
void WithEdits(Work work) {
    if (CDocManager::Creating()) return;
    if (CTesseraView* view = CurrentView()) {
        CTreeEdits edits(*view->Document());
        work(*view, edits);
    }
}

void OnActiveDocumentChanged(const EventRecord&) {
    CTesseraView* view = CurrentView();
    CTesseraDoc* document = view ? view->Document() : nullptr;
    if (document == Hub().lastDocument) return;
    Hub().lastDocument = document;
    SetActiveDocument(document);
    if (Hub().siteTree) Hub().siteTree->Rebuild();
}

void OnActiveViewChanged(const EventRecord&) {
    CTesseraView* view = CurrentView();
    if (view == Hub().lastView) return;
    Hub().lastView = view;
    if (Hub().widgetTree) Hub().widgetTree->Rebuild();
}

void OnRefreshProperties(const EventRecord&) {
    // The property grid comes with its own pane later; the pane is shown.
    if (CMainFrame* frame = Hub().mainFrame) frame->PropertiesPane()->show();
}

void OnClearPanes(const EventRecord&) {
    if (Hub().siteTree) Hub().siteTree->Clear();
    if (Hub().widgetTree) Hub().widgetTree->Clear();
    Hub().lastDocument = nullptr;
    Hub().lastView = nullptr;
}

void OnInsertObject(const EventRecord& record) {
    WithEdits([&](CTesseraView&, CTreeEdits& edits) {
        if (!edits.InsertObject(ObjectArg(record.first), ObjectArg(record.second), static_cast<int>(record.third)))
            return;
        Refresh();
        Raise(SetModified);
    });
}

void OnAppendObject(const EventRecord& record) {
    WithEdits([&](CTesseraView&, CTreeEdits& edits) {
        if (!edits.AppendObject(ObjectArg(record.first), ObjectArg(record.second), record.text)) return;
        Refresh();
        Raise(SetModified);
    });
}

void OnDeleteObject(const EventRecord& record) {
    WithEdits([&](CTesseraView&, CTreeEdits& edits) {
        if (!edits.DeleteObject(ObjectArg(record.first), record.second != 0)) return;
        if (record.second == 1) return;
        Refresh();
        Raise(RefreshProperties);
        Raise(SetModified);
    });
}

void OnMarkCheckedObjects(const EventRecord&) {
    CTesseraView* view = CurrentView();
    CTsObject* page = view ? view->CurrentPage() : nullptr;
    if (!page || !Hub().widgetTree) return;
    std::function<void(CTsObject&)> clear = [&](CTsObject& object) {
        object.selected = false;
        for (CTsObject* child : object.children) clear(*child);
    };
    clear(*page);
    for (CTsObject* object : Hub().widgetTree->CollectChecked())
        if (!object->IsSiteOrPage()) object->selected = true;
    view->LoadPage(true);
}

void OnAddPage(const EventRecord&) {
    WithEdits([](CTesseraView&, CTreeEdits& edits) {
        if (edits.AddPage()) Raise(RefreshSiteTree);
    });
}

void OnDeletePage(const EventRecord& record) {
    WithEdits([&](CTesseraView& view, CTreeEdits& edits) {
        CTsObject* page = ObjectArg(record.first);
        if (!page) return;
        CTsObject* shown = view.Document()->shownPage;
        if (!edits.DeletePage(page)) return;
        // The tree edits have shown the first page in the model; the view follows.
        if (view.CurrentPage() != view.Document()->shownPage || shown == page)
            view.SetCurrentPage(view.Document()->shownPage);
        Raise(RefreshWidgetTree);
        Raise(RefreshProperties);
        Raise(RefreshSiteTree);
        Raise(SetModified);
    });
}

void OnShowPage(const EventRecord& record) {
    WithEdits([&](CTesseraView& view, CTreeEdits& edits) {
        CTsObject* page = ObjectArg(record.first);
        if (!page || !page->IsPage() || page == view.CurrentPage()) return;
        // The model may already show it (an undo); the view follows either way.
        edits.ShowPage(page, record.second != 0 || !view.CurrentPage());
        view.SetCurrentPage(page);
        Raise(RefreshWidgetTree);
    });
}

void OnClonePage(const EventRecord& record) {
    WithEdits([&](CTesseraView&, CTreeEdits& edits) {
        if (edits.ClonePage(ObjectArg(record.first))) Raise(RefreshSiteTree);
    });
}

void OnSetModified(const EventRecord&) {
    if (CDocManager::Creating()) return;
    if (CTesseraView* view = CurrentView()) {
        CTreeEdits(*view->Document()).SetModified();
        if (Hub().mainFrame) Hub().mainFrame->Documents()->UpdateTitle(view->Document());
    }
}

template <bool (CTreeEdits::*Move)(CTsObject*)>
void OnMove(const EventRecord& record) {
    WithEdits([&](CTesseraView&, CTreeEdits& edits) {
        if (!(edits.*Move)(ObjectArg(record.first))) return;
        Refresh();
        Raise(SetModified);
    });
}

void OnMoveObjectRight(const EventRecord& record) {
    WithEdits([&](CTesseraView&, CTreeEdits& edits) {
        if (!edits.MoveObjectRight(ObjectArg(record.first), ObjectArg(record.second))) return;
        Refresh();
        Raise(SetModified);
    });
}

bool PageInEditingMode() {
    CTesseraView* view = CurrentView();
    return view && view->CurrentPage() && view->CurrentPage()->FindEditing();
}

void OnCutPage(const EventRecord& record) {
    WithEdits([&](CTesseraView& view, CTreeEdits& edits) {
        CTsObject* page = ObjectArg(record.first);
        const bool shown = page == view.CurrentPage();
        if (!edits.CutPage(page)) return;
        if (shown) view.SetCurrentPage(view.Document()->shownPage);
        Raise(RefreshWidgetTree);
        Raise(RefreshProperties);
        Raise(RefreshSiteTree);
        Raise(SetModified);
    });
}

void OnPastePage(const EventRecord&) {
    WithEdits([](CTesseraView&, CTreeEdits& edits) {
        if (!edits.PastePage()) return;
        Refresh();
        Raise(SetModified);
    });
}

void OnFocusDesignView(const EventRecord&) {
    CTesseraView* view = CurrentView();
    QWebEngineView* browser = view ? view->Browser() : nullptr;
    if (!browser) return;
    if (QWidget* proxy = browser->focusProxy()) proxy->setFocus();
    else browser->setFocus();
}

void OnLoadTemplate(const EventRecord& record) {
    PendingTemplatePath() = record.text;
    if (Hub().mainFrame) Hub().mainFrame->Documents()->OnFileNew();
}

}  // namespace

CTesseraView* CurrentView() { return Hub().mainFrame ? Hub().mainFrame->ActiveView() : nullptr; }

void InstallHubHandlers() {
    SetDocumentDirectoryAccessor([](std::string& directory) {
        CTesseraView* view = CurrentView();
        if (!view) return false;
        directory = view->Document()->GetDocumentDirectory();
        return true;
    });
    AppEventHub& hub = Hub();
    hub.SetHandler(ActiveDocumentChanged, OnActiveDocumentChanged);
    hub.SetHandler(ActiveViewChanged, OnActiveViewChanged);
    hub.SetHandler(RefreshProperties, OnRefreshProperties);
    hub.SetHandler(ClearPanes, OnClearPanes);
    hub.SetHandler(RefreshDesignPage, [](const EventRecord&) {
        if (CTesseraView* view = CurrentView()) view->LoadPage(false);
    });
    hub.SetHandler(InsertObject, OnInsertObject);
    hub.SetHandler(AppendObject, OnAppendObject);
    hub.SetHandler(RefreshWidgetTree, [](const EventRecord&) {
        if (Hub().widgetTree) Hub().widgetTree->Rebuild();
    });
    hub.SetHandler(RefreshSiteTree, [](const EventRecord&) {
        if (Hub().siteTree) Hub().siteTree->Rebuild();
    });
    hub.SetHandler(DeleteObject, OnDeleteObject);
    hub.SetHandler(MarkCheckedObjects, OnMarkCheckedObjects);
    hub.SetHandler(AddPage, OnAddPage);
    hub.SetHandler(DeletePage, OnDeletePage);
    hub.SetHandler(ShowPage, OnShowPage);
    hub.SetHandler(ClonePage, OnClonePage);
    hub.SetHandler(SetModified, OnSetModified);
    hub.SetHandler(MoveObjectRight, OnMoveObjectRight);
    hub.SetHandler(MoveObjectLeft, OnMove<&CTreeEdits::MoveObjectLeft>);
    hub.SetHandler(MoveObjectUp, OnMove<&CTreeEdits::MoveObjectUp>);
    hub.SetHandler(MoveObjectDown, OnMove<&CTreeEdits::MoveObjectDown>);
    hub.SetHandler(DisableAccelerators, [](const EventRecord&) {
        if (Hub().mainFrame) Hub().mainFrame->DisableAccelerators();
    });
    hub.SetHandler(RestoreAccelerators, [](const EventRecord&) {
        if (Hub().mainFrame) Hub().mainFrame->RestoreAccelerators();
    });
    hub.SetHandler(SyncAccelerators, [](const EventRecord&) {
        Raise(PageInEditingMode() ? DisableAccelerators : RestoreAccelerators);
    });
    hub.SetHandler(CutPage, OnCutPage);
    hub.SetHandler(CopyPage, [](const EventRecord& record) {
        WithEdits([&](CTesseraView&, CTreeEdits& edits) { edits.CopyPage(ObjectArg(record.first)); });
    });
    hub.SetHandler(PastePage, OnPastePage);
    hub.SetHandler(FocusDesignView, OnFocusDesignView);
    hub.SetHandler(LoadTemplate, OnLoadTemplate);
    hub.SetHandler(ScrollToObject, [](const EventRecord& record) {
        if (CTesseraView* view = CurrentView()) view->ScrollToObject(ObjectArg(record.first));
    });
}
