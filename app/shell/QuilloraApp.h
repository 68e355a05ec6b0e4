#pragma once
#include <memory>

class CMainFrame;

// The application object: start-up in order, the main frame, and shutdown.
class QuilloraApp {
public:
    // Steps that must happen before QApplication exists: the program directory,
    // the diagnostic log and the engine's process attributes.
    static void PrepareProcess(int argc, char** argv);

    QuilloraApp();
    ~QuilloraApp();
    bool InitInstance();
    int ExitInstance(int exitCode);
    CMainFrame* MainFrame() const { return mainFrame_.get(); }

private:
    std::unique_ptr<CMainFrame> mainFrame_;
};
