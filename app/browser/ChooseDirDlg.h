#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;

// Asks for a directory and, when the caller proposes one, a site name. Used when
// a site is saved to a directory for the first time and by export.
class CChooseDirDlg : public QDialog {
    Q_OBJECT
public:
    explicit CChooseDirDlg(QWidget* parent = nullptr);

    // Set before running: the caption, the start directory and the proposed site
    // name (an empty name hides the site-name row).
    QString caption;
    QString directory;
    QString siteName;

    int exec() override;
    // The checks of OK; accepts, rejects, or leaves the dialog open.
    void OnOK();
    // "...": the folder browser.
    void OnBrowse();

    QLineEdit* DirectoryEdit() const { return directoryEdit_; }
    QLineEdit* SiteNameEdit() const { return siteNameEdit_; }

    // Applies caption, directory and site name to the controls (exec does it).
    void InitDialog();

private:

    QLineEdit* directoryEdit_;
    QLabel* siteNameLabel_;
    QLineEdit* siteNameEdit_;
};
