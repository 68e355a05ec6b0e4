#pragma once
#include <QHash>
#include <QTreeWidget>
#include <QWidget>

class CTsObject;
class QToolBar;

// What both tree panes share: a toolbar on top, the tree below it inset by one
// pixel with a thin border, a map from object to item, and the image roles.
class CTreePane : public QWidget {
    Q_OBJECT
public:
    explicit CTreePane(QWidget* parent);

    QTreeWidget* Tree() const { return tree_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QTreeWidgetItem* ItemOf(const CTsObject* object) const { return items_.value(object); }
    static CTsObject* ObjectOf(const QTreeWidgetItem* item);
    // The object of the selected item, or null.
    CTsObject* SelectedObject() const;
    void Clear();

protected:
    enum Image { SiteImage = 2, WidgetImage = 3, SharedWidgetImage = 5 };
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, CTsObject* object, Image image);
    QString SelectedLabel() const;
    void ShowMenuAt(QMenu* menu, const QPoint& position);
    void focusInEvent(QFocusEvent* event) override;

    QTreeWidget* tree_;
    QToolBar* toolBar_;
    QHash<const CTsObject*, QTreeWidgetItem*> items_;
};
