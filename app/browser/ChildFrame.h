#pragma once
#include <QMdiSubWindow>

class CDocManager;
class CTesseraView;

// The document window of one design view inside the tabbed document area. Its
// text is the view's: site name, " : ", page name. Closing it asks the document
// to save its changes first.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CTesseraView* view, CDocManager* manager);

    CTesseraView* View() const { return view_; }
    void UpdateFrameText();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CTesseraView* view_;
    CDocManager* manager_;
};
