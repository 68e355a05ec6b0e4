// Quillora: the windowed program.
#include <QApplication>

#include "app/shell/QuilloraApp.h"

int main(int argc, char** argv) {
    QuilloraApp::PrepareProcess(argc, argv);
    QApplication application(argc, argv);
    QuilloraApp quillora;
    if (!quillora.InitInstance()) return 1;
    const int code = application.exec();
    return quillora.ExitInstance(code);
}
