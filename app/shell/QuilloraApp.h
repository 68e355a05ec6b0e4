#pragma once
#include <QStringList>
#include <memory>

class CMainFrame;
class IPrompt;

// The application object: start-up in order, the main frame, and shutdown.
class QuilloraApp {
public:
    // Steps that must happen before QApplication exists: the program directory,
    // the diagnostic log, the settings names and the engine's command line.
    static void PrepareProcess(int argc, char** argv);

    QuilloraApp();
    ~QuilloraApp();
    // Start-up with the command line's arguments (the program name left out);
    // false ends the process.
    bool InitInstance(const QStringList& arguments);
    bool InitInstance();
    int ExitInstance(int exitCode);
    CMainFrame* MainFrame() const { return mainFrame_.get(); }
    bool DebugMode() const { return debugMode_; }
    bool EngineInitialized() const { return engineInitialized_; }

    // The prompt to install at start (not owned); message boxes when null.
    IPrompt* prompt = nullptr;

private:
    std::unique_ptr<CMainFrame> mainFrame_;
    bool debugMode_ = false;
    bool engineInitialized_ = false;
};

// "/DEBUG" as the last six characters of the command line.
bool CommandLineAsksForDebug(const QStringList& arguments);
// The site file named on the command line, or empty.
QString SiteFileFromCommandLine(const QStringList& arguments);
