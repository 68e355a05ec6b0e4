#pragma once
#include <vector>

#include "app/shell/TreePane.h"

class QMenu;

// The "Page View" pane: the objects of the page shown in the design view. Its
// check marks are the multiple selection the property pane and the design view
// work on; its commands restructure the widget tree.
class CObjectView : public CTreePane {
    Q_OBJECT
public:
    explicit CObjectView(QWidget* parent);

    // Rebuilds from the current view's page, keeping selection and check marks.
    void Rebuild();
    // Exactly these objects become checked (notifications off meanwhile).
    void CheckObjects(const std::vector<CTsObject*>& objects);
    // The checked objects, parents before children, siblings in order.
    std::vector<CTsObject*> CollectChecked() const;

    void OnInsertBlock();
    void OnDelete();
    void OnMoveLeft();
    void OnMoveRight();
    void OnMoveUp();
    void OnMoveDown();
    void OnShowPageProperty();

    bool CanDelete() const;
    bool CanMoveLeft() const;
    bool CanMoveRight() const;
    bool CanMoveUp() const;
    bool CanMoveDown() const;
    void UpdateCommandStates();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void AddObject(QTreeWidgetItem* parent, CTsObject* object, const QString& remembered);
    void OnSelectionChanged();
    void OnItemChanged(QTreeWidgetItem* item);
    void SetAllChecks(bool checked);
    CTsObject* MovableObject() const;

    QMenu* menu_;
    bool notifications_ = true;
};
