#include "app/shell/QtPrompt.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QWidget* DialogParent() { return QApplication::activeWindow(); }

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void CQtPrompt::ShowMessage(const std::string& text, const std::string& caption) {
    QMessageBox::information(DialogParent(), Text(caption), Text(text));
}

PromptAnswer CQtPrompt::AskYesNo(const std::string& text, const std::string& caption) {
    auto answer = QMessageBox::question(DialogParent(), Text(caption), Text(text), QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
}

PromptAnswer CQtPrompt::AskOkCancel(const std::string& text, const std::string& caption) {
    auto answer = QMessageBox::question(DialogParent(), Text(caption), Text(text), QMessageBox::Ok | QMessageBox::Cancel);
    return answer == QMessageBox::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
}
