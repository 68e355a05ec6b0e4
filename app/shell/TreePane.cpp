#include "app/shell/TreePane.h"

#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/model/TsObject.h"

namespace {

QIcon ImageIcon(int image) {
    QStyle* style = QApplication::style();
    switch (image) {
    case 2: return style->standardIcon(QStyle::SP_FileIcon);
    case 5: return style->standardIcon(QStyle::SP_FileLinkIcon);
    default: return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    }
}

}  // namespace

CTreePane::CTreePane(QWidget* parent) : QWidget(parent) {
    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(16, 16));
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setIconSize(QSize(16, 16));
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    tree_->setFrameShape(QFrame::Box);
    tree_->setLineWidth(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    auto* inset = new QVBoxLayout;
    inset->setContentsMargins(1, 1, 1, 1);
    inset->addWidget(tree_);
    layout->addLayout(inset, 1);
    setFocusPolicy(Qt::StrongFocus);
}

CTsObject* CTreePane::ObjectOf(const QTreeWidgetItem* item) {
    return item ? reinterpret_cast<CTsObject*>(item->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

CTsObject* CTreePane::SelectedObject() const { return ObjectOf(tree_->currentItem()); }

void CTreePane::Clear() {
    const QSignalBlocker blocker(tree_);
    tree_->clear();
    items_.clear();
}

QTreeWidgetItem* CTreePane::AddItem(QTreeWidgetItem* parent, CTsObject* object, Image image) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setText(0, QString::fromStdString(object->GetFileName()));
    item->setIcon(0, ImageIcon(image));
    item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(object)));
    items_.insert(object, item);
    return item;
}

QString CTreePane::SelectedLabel() const {
    QTreeWidgetItem* item = tree_->currentItem();
    return item ? item->text(0) : QString();
}

void CTreePane::ShowMenuAt(QMenu* menu, const QPoint& position) {
    if (QTreeWidgetItem* item = tree_->itemAt(position)) tree_->setCurrentItem(item);
    tree_->setFocus();
    menu->popup(tree_->viewport()->mapToGlobal(position));
}

void CTreePane::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    tree_->setFocus();
}
