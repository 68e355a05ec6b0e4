#include "app/browser/ChildFrame.h"

#include <QCloseEvent>

#include "app/design/TesseraView.h"
#include "app/shell/DocManager.h"

CChildFrame::CChildFrame(CTesseraView* view, CDocManager* manager) : view_(view), manager_(manager) {
    setWidget(view);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(view, &CTesseraView::frameTextChanged, this, &CChildFrame::UpdateFrameText);
    UpdateFrameText();
}

void CChildFrame::UpdateFrameText() {
    const QString text = view_->FrameText();
    setWindowTitle(text.isEmpty() ? manager_->TitleOf(view_->Document()) : text);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!manager_->CanCloseFrame(this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
