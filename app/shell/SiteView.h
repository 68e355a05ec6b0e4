#pragma once
#include "app/shell/TreePane.h"

class QMenu;

// The "Site View" pane: the site and its pages, with the page commands.
class CSiteView : public CTreePane {
    Q_OBJECT
public:
    explicit CSiteView(QWidget* parent);

    // Rebuilds the tree from the active document, keeping the selected page.
    void Rebuild();
    // The object of the selected item when it is a page; otherwise null.
    CTsObject* SelectedPage() const;

    void OnAddPage();
    void OnDeletePage();
    void OnClonePage();
    void OnCutPage();
    void OnCopyPage();
    void OnPastePage();
    void OnShowSiteProperty();
    void OnShowPageProperty();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void OnSelectionChanged();
    QMenu* menu_;
};
