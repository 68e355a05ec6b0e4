#include "app/shell/ObjectView.h"

#include <QMenu>
#include <QToolBar>

#include "app/design/HubHandlers.h"
#include "app/design/TesseraView.h"
#include "app/shell/CommandIds.h"
#include "core/document/AppEventHub.h"
#include "core/model/SharedObjects.h"
#include "core/model/TsObject.h"
#include "core/services/Prompt.h"

namespace {

AppEventHub& Hub() { return AppEventHub::Instance(); }

intptr_t Arg(const CTsObject* object) { return reinterpret_cast<intptr_t>(object); }

bool Structural(const CTsObject* object) { return object->IsType("Site") || object->IsType("Page"); }

void ForEachItem(QTreeWidgetItem* item, const std::function<void(QTreeWidgetItem*)>& visit) {
    if (!item) return;
    visit(item);
    for (int i = 0; i < item->childCount(); ++i) ForEachItem(item->child(i), visit);
}

}  // namespace

CObjectView::CObjectView(QWidget* parent) : CTreePane(parent) {
    setObjectName("ObjectView");
    menu_ = new QMenu("Object", this);
    QStyle* style = QApplication::style();
    auto command = [this](int id, const QString& text, void (CObjectView::*slot)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString("ID_%1").arg(id));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QAction* insert = command(ID_OBJECT_INSERT_BLOCK, "&Insert Block", &CObjectView::OnInsertBlock);
    QAction* remove = command(ID_OBJECT_DELETE, "&Delete", &CObjectView::OnDelete);
    QAction* left = command(ID_MOVE_LEFT, "Move &Left", &CObjectView::OnMoveLeft);
    QAction* right = command(ID_MOVE_RIGHT, "Move &Right", &CObjectView::OnMoveRight);
    QAction* up = command(ID_MOVE_UP, "Move &Up", &CObjectView::OnMoveUp);
    QAction* down = command(ID_MOVE_DOWN, "Move &Down", &CObjectView::OnMoveDown);
    QAction* pageProperty = command(ID_SHOW_PAGE_PROPERTY, "Show Page Property", &CObjectView::OnShowPageProperty);
    menu_->addAction(insert);
    menu_->addAction(remove);
    menu_->addSeparator();
    for (QAction* move : {left, right, up, down}) menu_->addAction(move);
    connect(menu_, &QMenu::aboutToShow, this, &CObjectView::UpdateCommandStates);

    pageProperty->setIcon(style->standardIcon(QStyle::SP_FileDialogInfoView));
    left->setIcon(style->standardIcon(QStyle::SP_ArrowLeft));
    up->setIcon(style->standardIcon(QStyle::SP_ArrowUp));
    down->setIcon(style->standardIcon(QStyle::SP_ArrowDown));
    right->setIcon(style->standardIcon(QStyle::SP_ArrowRight));
    for (QAction* tool : {pageProperty, left, up, down, right}) toolBar_->addAction(tool);

    connect(tree_, &QTreeWidget::currentItemChanged, this, &CObjectView::OnSelectionChanged);
    connect(tree_, &QTreeWidget::itemChanged, this, &CObjectView::OnItemChanged);
    connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { ShowMenuAt(menu_, at); });
}

void CObjectView::Rebuild() {
    CTesseraView* view = CurrentView();
    if (!view) return;
    const QString remembered = SelectedLabel();
    const std::vector<CTsObject*> checked = CollectChecked();
    const bool saved = notifications_;
    notifications_ = false;
    {
        const QSignalBlocker blocker(tree_);
        Clear();
        if (CTsObject* page = view->CurrentPage()) AddObject(nullptr, page, remembered);
    }
    for (CTsObject* object : checked)
        if (QTreeWidgetItem* item = ItemOf(object)) item->setCheckState(0, Qt::Checked);
    notifications_ = saved;
}

void CObjectView::AddObject(QTreeWidgetItem* parent, CTsObject* object, const QString& remembered) {
    Image image = WidgetImage;
    if (!object->root || !object->root->IsSite()) ShowMessage("only site object can link two object");
    else if (FindGroup(object->root->sharedGroups, object).size() > 1) image = SharedWidgetImage;
    QTreeWidgetItem* item = AddItem(parent, object, image);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
    if (!remembered.isEmpty() && item->text(0).compare(remembered, Qt::CaseInsensitive) == 0) tree_->setCurrentItem(item);
    for (CTsObject* child : object->children) AddObject(item, child, remembered);
    item->setExpanded(true);
}

void CObjectView::CheckObjects(const std::vector<CTsObject*>& objects) {
    const bool saved = notifications_;
    notifications_ = false;
    SetAllChecks(false);
    for (CTsObject* object : objects)
        if (QTreeWidgetItem* item = ItemOf(object)) item->setCheckState(0, Qt::Checked);
    notifications_ = saved;
}

std::vector<CTsObject*> CObjectView::CollectChecked() const {
    std::vector<CTsObject*> checked;
    ForEachItem(tree_->topLevelItem(0), [&](QTreeWidgetItem* item) {
        if (item->checkState(0) == Qt::Checked) checked.push_back(ObjectOf(item));
    });
    return checked;
}

void CObjectView::SetAllChecks(bool checked) {
    ForEachItem(tree_->topLevelItem(0),
                [checked](QTreeWidgetItem* item) { item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked); });
}

void CObjectView::OnSelectionChanged() {
    if (!notifications_) return;
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item) return;
    notifications_ = false;
    SetAllChecks(false);
    item->setCheckState(0, Qt::Checked);
    notifications_ = true;
}

void CObjectView::OnItemChanged(QTreeWidgetItem*) {
    if (!notifications_) return;
    Hub().Post(MarkCheckedObjects);
    Hub().Post(RefreshProperties);
}

void CObjectView::focusInEvent(QFocusEvent* event) {
    CTreePane::focusInEvent(event);
    if (CTsObject* object = SelectedObject()) {
        Hub().Dispatch(RefreshProperties, Arg(object));
        Hub().Dispatch(MarkCheckedObjects);
    }
}

CTsObject* CObjectView::MovableObject() const {
    CTsObject* object = SelectedObject();
    return object && !Structural(object) ? object : nullptr;
}

bool CObjectView::CanDelete() const { return MovableObject() != nullptr; }

bool CObjectView::CanMoveLeft() const {
    CTsObject* object = MovableObject();
    return object && (!object->parent || !object->parent->IsType("Page"));
}

bool CObjectView::CanMoveRight() const {
    CTsObject* object = MovableObject();
    return object && object->GetPrevSibling();
}

bool CObjectView::CanMoveUp() const { return CanMoveRight(); }

bool CObjectView::CanMoveDown() const {
    CTsObject* object = MovableObject();
    return object && object->GetNextSibling();
}

void CObjectView::UpdateCommandStates() {
    auto enable = [this](int id, bool on) {
        for (QAction* action : findChildren<QAction*>(QString("ID_%1").arg(id))) action->setEnabled(on);
    };
    enable(ID_OBJECT_DELETE, CanDelete());
    enable(ID_MOVE_LEFT, CanMoveLeft());
    enable(ID_MOVE_RIGHT, CanMoveRight());
    enable(ID_MOVE_UP, CanMoveUp());
    enable(ID_MOVE_DOWN, CanMoveDown());
}

void CObjectView::OnInsertBlock() {
    CTesseraView* view = CurrentView();
    CTsObject* selected = SelectedObject();
    CTsObject* parent = view ? view->CurrentPage() : nullptr;
    if (selected && selected->OwnValue("position").size() == 8 &&
        QString::fromStdString(selected->OwnValue("position")).compare("relative", Qt::CaseInsensitive) == 0)
        parent = selected;
    if (parent) Hub().Dispatch(AppendObject, Arg(parent));
}

void CObjectView::OnDelete() {
    if (!CanDelete()) return;
    if (!AskYesNo("Delete Object ?")) return;
    for (CTsObject* object : CollectChecked()) Hub().Dispatch(DeleteObject, Arg(object));
}

void CObjectView::OnMoveLeft() {
    if (CanMoveLeft()) Hub().Dispatch(MoveObjectLeft, Arg(SelectedObject()));
}

void CObjectView::OnMoveRight() {
    if (!CanMoveRight()) return;
    CTsObject* object = SelectedObject();
    Hub().Dispatch(MoveObjectRight, Arg(object), Arg(object->GetPrevSibling()));
}

void CObjectView::OnMoveUp() {
    if (CanMoveUp()) Hub().Dispatch(MoveObjectUp, Arg(SelectedObject()));
}

void CObjectView::OnMoveDown() {
    if (CanMoveDown()) Hub().Dispatch(MoveObjectDown, Arg(SelectedObject()));
}

void CObjectView::OnShowPageProperty() {
    CTesseraView* view = CurrentView();
    if (view && view->CurrentPage()) Hub().Dispatch(RefreshProperties, Arg(view->CurrentPage()));
}
