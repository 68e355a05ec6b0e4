#include "app/shell/QuilloraApp.h"

#include <QApplication>
#include <QMetaObject>
#include <QThread>
#include <QWebEngineProfile>
#include <QtWebEngineCore/qtwebenginecoreversion.h>

#include "app/shell/AppIcon.h"
#include "app/shell/MainFrame.h"
#include "app/shell/QtPrompt.h"
#include "core/document/AppEventHub.h"
#include "core/services/Log.h"
#include "core/services/Paths.h"

namespace {

// Queued events travel to the user-interface thread as queued calls.
void InstallEventPoster() {
    AppEventHub& hub = AppEventHub::Instance();
    hub.SetUserInterfaceThread(std::this_thread::get_id());
    hub.SetPoster([](EventRecord record) {
        QMetaObject::invokeMethod(
            qApp, [record = std::move(record)] { AppEventHub::Instance().Deliver(record); }, Qt::QueuedConnection);
    });
}

}  // namespace

void QuilloraApp::PrepareProcess(int argc, char** argv) {
    SetProgramPath(argc > 0 ? argv[0] : "");
    OpenLog(QTWEBENGINECORE_VERSION_STR);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setOrganizationName("Quillora Inc");
    QCoreApplication::setApplicationName("Quillora");
}

QuilloraApp::QuilloraApp() = default;

QuilloraApp::~QuilloraApp() = default;

bool QuilloraApp::InitInstance() {
    static CQtPrompt prompt;
    SetPrompt(&prompt);
    QApplication::setWindowIcon(ApplicationIcon());
    InstallEventPoster();
    mainFrame_ = std::make_unique<CMainFrame>();
    AppEventHub::Instance().mainFrame = mainFrame_.get();
    mainFrame_->show();
    return true;
}

int QuilloraApp::ExitInstance(int exitCode) {
    AppEventHub::Instance().mainFrame = nullptr;
    mainFrame_.reset();
    SetPrompt(nullptr);
    CloseLog();
    return exitCode;
}
