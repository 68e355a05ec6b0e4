#include "app/shell/QuilloraApp.h"

#include <QApplication>
#include <QMetaObject>
#include <QThread>
#include <QtWebEngineCore/qtwebenginecoreversion.h>

#include "app/browser/EngineSetup.h"
#include "app/design/HubHandlers.h"
#include "app/services/Tracking.h"
#include "app/shell/AppIcon.h"
#include "app/shell/DocManager.h"
#include "app/shell/MainFrame.h"
#include "app/shell/QtPrompt.h"
#include "core/document/AppEventHub.h"
#include "core/library/ConfigLoader.h"
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

std::vector<std::string> ToStrings(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return arguments;
}

}  // namespace

bool CommandLineAsksForDebug(const QStringList& arguments) { return arguments.join(' ').endsWith("/DEBUG"); }

QString SiteFileFromCommandLine(const QStringList& arguments) {
    for (const QString& argument : arguments)
        if (!argument.startsWith('-') && !argument.startsWith('/')) return argument;
    // An absolute path also starts with "/": anything but the debug switch counts.
    for (const QString& argument : arguments)
        if (argument.startsWith('/') && argument != "/DEBUG") return argument;
    return {};
}

void QuilloraApp::PrepareProcess(int argc, char** argv) {
    SetProgramPath(argc > 0 ? argv[0] : "");
    OpenLog(QTWEBENGINECORE_VERSION_STR);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setOrganizationName("Quillora Inc");
    QCoreApplication::setApplicationName("Quillora");
    PrepareBrowserEngine(CCommandLine(ToStrings(argc, argv)));
}

QuilloraApp::QuilloraApp() = default;

QuilloraApp::~QuilloraApp() = default;

bool QuilloraApp::InitInstance() { return InitInstance(QCoreApplication::arguments().mid(1)); }

bool QuilloraApp::InitInstance(const QStringList& arguments) {
    static CQtPrompt messageBoxes;
    SetPrompt(prompt ? prompt : &messageBoxes);
    QApplication::setWindowIcon(ApplicationIcon());
    InstallEventPoster();
    InstallHubHandlers();
    mainFrame_ = std::make_unique<CMainFrame>();
    debugMode_ = CommandLineAsksForDebug(arguments);
    if (debugMode_) mainFrame_->EnableDebugCommands();
    TrackEventAsync("program", "start", "1", 1);
    InitBrowserEngine();
    ConfigLoader().Load();
    const QString siteFile = SiteFileFromCommandLine(arguments);
    const bool opened = siteFile.isEmpty() ? mainFrame_->Documents()->OnFileNew() != nullptr
                                           : mainFrame_->Documents()->OpenDocumentFile(siteFile) != nullptr;
    if (!opened) return false;
    mainFrame_->show();
    engineInitialized_ = true;
    return true;
}

int QuilloraApp::ExitInstance(int exitCode) {
    AppEventHub::Instance().ClearHandlers();
    mainFrame_.reset();
    SetPrompt(nullptr);
    CloseLog();
    return exitCode;
}
