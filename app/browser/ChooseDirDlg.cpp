#include "app/browser/ChooseDirDlg.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/services/Prompt.h"

namespace {

// A directory that does not exist counts as not empty: the question is asked.
bool IsEmptyDirectory(const QString& path) {
    QDir directory(path);
    return directory.exists() && directory.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

}  // namespace

CChooseDirDlg::CChooseDirDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Choose Directory ...");
    directoryEdit_ = new QLineEdit(this);
    directoryEdit_->setObjectName("1068");
    directoryEdit_->setReadOnly(true);
    auto* browse = new QPushButton("...", this);
    browse->setObjectName("1069");
    browse->setFixedWidth(32);
    siteNameLabel_ = new QLabel("Site Name:", this);
    siteNameLabel_->setObjectName("1071");
    siteNameEdit_ = new QLineEdit(this);
    siteNameEdit_->setObjectName("1070");
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("IDOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("IDCANCEL");

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Directory:", this), 0, 0);
    grid->addWidget(directoryEdit_, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(siteNameLabel_, 1, 0);
    grid->addWidget(siteNameEdit_, 1, 1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(600, sizeHint().height());

    connect(browse, &QPushButton::clicked, this, &CChooseDirDlg::OnBrowse);
    connect(ok, &QPushButton::clicked, this, &CChooseDirDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CChooseDirDlg::InitDialog() {
    setWindowTitle(caption);
    directoryEdit_->setText(directory);
    siteNameEdit_->setText(siteName);
    const bool askName = !siteName.isEmpty();
    siteNameLabel_->setVisible(askName);
    siteNameEdit_->setVisible(askName);
}

int CChooseDirDlg::exec() {
    InitDialog();
    return QDialog::exec();
}

void CChooseDirDlg::OnBrowse() {
    const QString chosen = QFileDialog::getExistingDirectory(this, caption, directoryEdit_->text());
    if (chosen.isEmpty()) return;
    directory = chosen;
    directoryEdit_->setText(chosen);
}

void CChooseDirDlg::OnOK() {
    directory = directoryEdit_->text();
    siteName = siteNameEdit_->text();
    if (directory.isEmpty()) {
        ShowMessage("Please choose directory, or click cancel.");
        return;
    }
    if (!siteNameEdit_->isHidden() && siteName.isEmpty()) {
        ShowMessage("Please set site name, or click cancel.");
        return;
    }
    if (!IsEmptyDirectory(directory)) {
        const QString question =
            QString("Directory %1 is not empty,\nclick OK to overwrite, all data in the directory will be lost!")
                .arg(directory);
        if (!AskOkCancel(question.toStdString())) {
            reject();
            return;
        }
    }
    accept();
}
