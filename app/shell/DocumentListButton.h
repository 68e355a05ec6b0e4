#pragma once
#include <QToolButton>

class QMdiArea;

// The list of open documents at the right end of the document tabs: a button whose
// menu names every open window and activates the one chosen.
class CDocumentListButton : public QToolButton {
    Q_OBJECT
public:
    explicit CDocumentListButton(QMdiArea* area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillMenu();
    void PlaceAtTopRight();

    QMdiArea* area_;
};
