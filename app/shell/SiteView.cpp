#include "app/shell/SiteView.h"

#include <QMenu>
#include <QToolBar>

#include "app/design/HubHandlers.h"
#include "app/design/TesseraView.h"
#include "app/shell/CommandIds.h"
#include "core/document/AppEventHub.h"
#include "core/document/TesseraDoc.h"
#include "core/model/TsObject.h"
#include "core/services/Prompt.h"

namespace {

void Raise(int event, const CTsObject* object = nullptr) {
    AppEventHub::Instance().Dispatch(event, reinterpret_cast<intptr_t>(object));
}

QAction* AddCommand(QWidget* owner, QMenu* menu, int id, const QString& text, void (CSiteView::*slot)(),
                    CSiteView* pane) {
    auto* action = new QAction(text, owner);
    action->setObjectName(QString("ID_%1").arg(id));
    QObject::connect(action, &QAction::triggered, pane, slot);
    if (menu) menu->addAction(action);
    return action;
}

}  // namespace

CSiteView::CSiteView(QWidget* parent) : CTreePane(parent) {
    setObjectName("SiteView");
    menu_ = new QMenu("Site", this);
    AddCommand(this, menu_, ID_SITE_ADD_PAGE, "&Add Page", &CSiteView::OnAddPage, this);
    AddCommand(this, menu_, ID_SITE_DELETE_PAGE, "&Delete Page", &CSiteView::OnDeletePage, this);
    AddCommand(this, menu_, ID_SITE_CLONE_PAGE, "&Clone Page", &CSiteView::OnClonePage, this);
    menu_->addSeparator();
    AddCommand(this, menu_, ID_SITE_CUT_PAGE, "Cu&t Page", &CSiteView::OnCutPage, this);
    AddCommand(this, menu_, ID_SITE_COPY_PAGE, "C&opy Page", &CSiteView::OnCopyPage, this);
    AddCommand(this, menu_, ID_SITE_PASTE_PAGE, "&Paste Page", &CSiteView::OnPastePage, this);
    menu_->addSeparator();
    AddCommand(this, menu_, ID_SHOW_SITE_PROPERTY, "Show Site Property", &CSiteView::OnShowSiteProperty, this);
    AddCommand(this, menu_, ID_SITE_SHOW_PAGE_PROPERTY, "Show Page Property", &CSiteView::OnShowPageProperty, this);

    QStyle* style = QApplication::style();
    const std::pair<int, std::pair<const char*, void (CSiteView::*)()>> tools[] = {
        {ID_SHOW_SITE_PROPERTY, {"Show Site Property", &CSiteView::OnShowSiteProperty}},
        {ID_ADD_PAGE, {"Add Page", &CSiteView::OnAddPage}},
        {ID_DELETE_PAGE, {"Delete Page", &CSiteView::OnDeletePage}},
        {ID_CLONE_PAGE, {"Clone Page", &CSiteView::OnClonePage}},
        {ID_CUT_PAGE, {"Cut Page", &CSiteView::OnCutPage}},
        {ID_COPY_PAGE, {"Copy Page", &CSiteView::OnCopyPage}},
        {ID_PASTE_PAGE, {"Paste Page", &CSiteView::OnPastePage}},
    };
    const QStyle::StandardPixmap icons[] = {QStyle::SP_FileDialogInfoView, QStyle::SP_FileIcon,
                                            QStyle::SP_TrashIcon,          QStyle::SP_FileDialogNewFolder,
                                            QStyle::SP_DialogDiscardButton, QStyle::SP_DialogSaveButton,
                                            QStyle::SP_DialogApplyButton};
    int index = 0;
    for (const auto& [id, tool] : tools) {
        QAction* action = AddCommand(this, nullptr, id, tool.first, tool.second, this);
        action->setIcon(style->standardIcon(icons[index++]));
        toolBar_->addAction(action);
    }

    connect(tree_, &QTreeWidget::currentItemChanged, this, &CSiteView::OnSelectionChanged);
    connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { ShowMenuAt(menu_, at); });
}

void CSiteView::Rebuild() {
    CTesseraView* view = CurrentView();
    if (!view) return;
    CTesseraDoc* document = view->Document();
    const QString remembered = SelectedLabel();
    const QSignalBlocker blocker(tree_);
    Clear();
    QTreeWidgetItem* root = AddItem(nullptr, &document->site, SiteImage);
    for (CTsObject* page : document->site.children) {
        QTreeWidgetItem* item = AddItem(root, page, SiteImage);
        if (!remembered.isEmpty() && item->text(0).compare(remembered, Qt::CaseInsensitive) == 0)
            tree_->setCurrentItem(item);
    }
    root->setExpanded(true);
}

CTsObject* CSiteView::SelectedPage() const {
    CTsObject* object = SelectedObject();
    return object && object->IsType("Page") ? object : nullptr;
}

void CSiteView::OnSelectionChanged() {
    CTsObject* object = SelectedObject();
    if (!object) return;
    if (object->IsPage()) {
        Raise(ShowPage, object);
        Raise(RefreshProperties, object->FindSelected());
    } else if (object->IsSite()) {
        Raise(RefreshProperties, object);
    }
}

void CSiteView::focusInEvent(QFocusEvent* event) {
    CTreePane::focusInEvent(event);
    CTsObject* object = SelectedObject();
    if (object && object->IsSite()) Raise(RefreshProperties, object);
}

void CSiteView::OnAddPage() { Raise(AddPage); }

void CSiteView::OnDeletePage() {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item) {
        ShowMessage("Please choose the page to delete.");
        return;
    }
    if (!item->parent()) {
        ShowMessage("Can't delete site.");
        return;
    }
    if (!AskYesNo("Delete Page ?")) return;
    if (!ObjectOf(item->parent())) {
        ShowMessage("want to delete a page who have no parent object.");
        return;
    }
    Raise(DeletePage, ObjectOf(item));
}

void CSiteView::OnClonePage() {
    if (CTsObject* page = SelectedPage()) Raise(ClonePage, page);
}

void CSiteView::OnCutPage() {
    if (CTsObject* page = SelectedPage()) Raise(CutPage, page);
}

void CSiteView::OnCopyPage() {
    if (CTsObject* page = SelectedPage()) Raise(CopyPage, page);
}

void CSiteView::OnPastePage() { Raise(PastePage); }

void CSiteView::OnShowSiteProperty() {
    if (QTreeWidgetItem* root = tree_->topLevelItem(0)) Raise(RefreshProperties, ObjectOf(root));
}

void CSiteView::OnShowPageProperty() {
    if (CTsObject* object = SelectedObject()) Raise(RefreshProperties, object);
}
