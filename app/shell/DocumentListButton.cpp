#include "app/shell/DocumentListButton.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

CDocumentListButton::CDocumentListButton(QMdiArea* area) : QToolButton(area), area_(area) {
    setObjectName("DocumentList");
    setToolTip(tr("Open documents"));
    setArrowType(Qt::DownArrow);
    setAutoRaise(true);
    setPopupMode(QToolButton::InstantPopup);
    setMenu(new QMenu(this));
    connect(menu(), &QMenu::aboutToShow, this, &CDocumentListButton::FillMenu);
    area_->installEventFilter(this);
    PlaceAtTopRight();
}

void CDocumentListButton::FillMenu() {
    menu()->clear();
    QMdiSubWindow* active = area_->activeSubWindow();
    for (QMdiSubWindow* window : area_->subWindowList()) {
        QAction* action = menu()->addAction(window->windowTitle());
        action->setCheckable(true);
        action->setChecked(window == active);
        connect(action, &QAction::triggered, area_, [this, window] { area_->setActiveSubWindow(window); });
    }
}

bool CDocumentListButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_ && event->type() == QEvent::Resize) PlaceAtTopRight();
    return QToolButton::eventFilter(watched, event);
}

void CDocumentListButton::PlaceAtTopRight() {
    resize(sizeHint());
    move(area_->width() - width() - 2, 2);
    raise();
}
