#pragma once
#include <QDialog>
#include <QPointer>
#include <QUrl>

class ClientHandler;
class QCheckBox;
class QWebEngineView;

// The dialog that hosts one browser, with an optional check box
// "Show this dialog after program started" below it. Subclasses choose the page.
class CBrowserDlg : public QDialog {
    Q_OBJECT
public:
    // Without a handler a plain ClientHandler is created with the browser.
    CBrowserDlg(ClientHandler* handler, bool showStartupCheckBox, QWidget* parent = nullptr);
    ~CBrowserDlg() override;

    ClientHandler* Handler() const { return handler_; }
    QWebEngineView* Browser() const { return browser_; }
    QCheckBox* StartupCheckBox() const { return startupCheck_; }

protected:
    // The page the browser starts with; blank by default.
    virtual QUrl StartUrl() const { return QUrl("about:blank"); }
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateBrowser();
    void LayoutControls();

    QPointer<ClientHandler> handler_;
    QWebEngineView* browser_ = nullptr;
    QCheckBox* startupCheck_ = nullptr;
    bool showStartupCheckBox_;
};
