#pragma once
#include <QDialog>

// The About box: the application icon, "Quillora, Version 1.1" and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
