#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QtTest>

#include "app/browser/BrowserDlg.h"
#include "app/browser/BrowserWindow.h"
#include "app/browser/ChooseDirDlg.h"
#include "app/browser/ClientHandler.h"
#include "app/browser/InvokeScript.h"
#include "app/shell/QuilloraApp.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/RecordingPrompt.h"

namespace {

// A browser in a host window with a loaded page.
struct LoadedBrowser {
    QWidget host;
    ClientHandler* handler = new ClientHandler(&host);
    QWebEngineView* browser = nullptr;

    explicit LoadedBrowser(const QString& html) {
        host.resize(400, 300);
        browser = CreateBrowserInWindow(&host, handler, QUrl("about:blank"));
        host.show();
        QSignalSpy loaded(handler, &QWebEnginePage::loadFinished);
        handler->setHtml(html, QUrl("file:///c:/a.htm"));
        WaitUntil([&] { return handler->url().toString() != "about:blank" && !loaded.isEmpty() &&
                               loaded.last().at(0).toBool(); });
    }
    ~LoadedBrowser() { browser->setPage(nullptr); }
};

int TopLevelBrowsers() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QWebEngineView*>(widget) && widget->isVisible()) ++count;
    return count;
}

}  // namespace

class BrowserHostTest : public QObject {
    Q_OBJECT
private slots:
    void invokeScriptReturnsOnlyStrings() {
        LoadedBrowser page("<html><body><p id='p'>hello</p></body></html>");
        QCOMPARE(InvokeScript(page.handler, "document.getElementById('p').textContent"), QString("hello"));
        QCOMPARE(InvokeScript(page.handler, "'a' + 'b'"), QString("ab"));
        QCOMPARE(InvokeScript(page.handler, "6 * 7"), QString());
        QCOMPARE(InvokeScript(nullptr, "'x'"), QString());
    }

    void throwingScriptIsLoggedOnceAndGivesEmptyText() {
        LoadedBrowser page("<html><body></body></html>");
        const int before = CountLogLines("InvokeScript no_such_thing.value error");
        QCOMPARE(InvokeScript(page.handler, "no_such_thing.value"), QString());
        QCOMPARE(CountLogLines("InvokeScript no_such_thing.value error"), before + 1);
        QVERIFY(CountLogLines("no_such_thing is not defined") >= 1);
    }

    void consoleMessagesAreLogged() {
        const int before = CountLogLines("console message: from the page, source:");
        LoadedBrowser page("<html><body><script>console.log('from the page')</script></body></html>");
        QVERIFY(WaitUntil([&] { return CountLogLines("console message: from the page, source:") == before + 1; }, 5000));
    }

    void popupsAreRefusedExceptDeveloperTools() {
        LoadedBrowser page("<html><body></body></html>");
        QVERIFY(page.handler->OnBeforePopup(QUrl("chrome-devtools://devtools/devtools.html?ws=1")));
        QVERIFY(!page.handler->OnBeforePopup(QUrl("http://example.com/")));
        const int before = TopLevelBrowsers();
        InvokeScript(page.handler, "window.open('http://example.com/popup'); ''");
        QTest::qWait(500);
        QCOMPARE(TopLevelBrowsers(), before);
        page.handler->ShowDevTools();
        QVERIFY(page.handler->DevToolsWindow());
        QVERIFY(page.handler->DevToolsWindow()->isVisible());
        page.handler->DevToolsWindow()->close();
    }

    void loadErrorPages() {
        QCOMPARE(QString::fromStdString(LoadErrorText(-400, "http://x/")),
                 QString("<html><head><title>Expired Form Data</title></head><body><h1>Expired Form Data</h1><h2>Your "
                         "form request has expired. Click reload to re-submit the form data.</h2></body></html>"));
        QCOMPARE(QString::fromStdString(LoadErrorText(-105, "http://nowhere.invalid/")),
                 QString("<html><head><title>Load Failed</title></head><body><h1>Load Failed</h1><h2>Load of URL "
                         "http://nowhere.invalid/ failed with error code -105.</h2></body></html>"));
    }

    void failedLoadShowsTheErrorPage() {
        LoadedBrowser page("<html><body></body></html>");
        page.handler->load(QUrl("http://nowhere.invalid/"));
        QVERIFY(WaitUntil([&] { return InvokeScript(page.handler, "document.title") == "Load Failed"; }, 20000));
        QVERIFY(InvokeScript(page.handler, "document.body.textContent").contains("Load of URL http://nowhere.invalid/"));
    }

    void browserDialogLeavesRoomForTheCheckBox() {
        for (bool withCheckBox : {true, false}) {
            CBrowserDlg dialog(nullptr, withCheckBox);
            dialog.resize(600, 400);
            dialog.show();
            QVERIFY(dialog.Browser());
            QCOMPARE(dialog.Browser()->height(), dialog.height() - (withCheckBox ? 20 : 0));
            QCOMPARE(dialog.StartupCheckBox()->isVisible(), withCheckBox);
            QCOMPARE(dialog.StartupCheckBox()->text(), QString("Show this dialog after program started"));
            dialog.close();
        }
    }

    void chooseDirectoryChecks_data() {
        QTest::addColumn<QString>("directoryKind");
        QTest::addColumn<QString>("initialName");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("result");  // 1 accepted, 0 rejected, -1 still open
        QTest::newRow("no directory") << "none" << "Site1" << "Site1" << 0
                                      << "Please choose directory, or click cancel." << false << -1;
        QTest::newRow("no site name") << "empty" << "Site1" << "" << 0 << "Please set site name, or click cancel."
                                      << false << -1;
        QTest::newRow("empty directory") << "empty" << "Site1" << "Site1" << 0 << "" << false << 1;
        QTest::newRow("full directory, OK") << "full" << "Site1" << "Site1" << int(PromptAnswer::Ok) << "" << true << 1;
        QTest::newRow("full directory, Cancel")
            << "full" << "Site1" << "Site1" << int(PromptAnswer::Cancel) << "" << true << 0;
        QTest::newRow("missing directory asks") << "missing" << "" << "" << int(PromptAnswer::Ok) << "" << true << 1;
    }
    void chooseDirectoryChecks() {
        QFETCH(QString, directoryKind);
        QFETCH(QString, initialName);
        QFETCH(QString, typedName);
        QFETCH(int, answer);
        QFETCH(QString, message);
        QFETCH(bool, asked);
        QFETCH(int, result);
        QTemporaryDir scratch;
        QString directory;
        if (directoryKind == "empty") directory = scratch.path();
        if (directoryKind == "missing") directory = scratch.filePath("missing");
        if (directoryKind == "full") {
            directory = scratch.path();
            QFile file(scratch.filePath("old.htm"));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        CRecordingPrompt prompt;
        prompt.Script(PromptAnswer(answer));
        CChooseDirDlg dialog;
        dialog.caption = "Save Site to Directory";
        dialog.directory = directory;
        dialog.siteName = initialName;
        dialog.InitDialog();
        QCOMPARE(dialog.windowTitle(), QString("Save Site to Directory"));
        QCOMPARE(dialog.SiteNameEdit()->isHidden(), initialName.isEmpty());
        dialog.SiteNameEdit()->setText(typedName);
        dialog.setResult(-1);
        dialog.OnOK();
        QCOMPARE(prompt.messages.empty() ? QString() : QString::fromStdString(prompt.messages.front()), message);
        QCOMPARE(!prompt.questions.empty(), asked);
        if (asked)
            QCOMPARE(QString::fromStdString(prompt.questions.front()),
                     QString("Directory %1 is not empty,\nclick OK to overwrite, all data in the directory will be "
                             "lost!")
                         .arg(directory));
        QCOMPARE(dialog.result(), result == 1 ? int(QDialog::Accepted) : result == 0 ? int(QDialog::Rejected) : -1);
    }
};

int main(int argc, char** argv) {
    QuilloraApp::PrepareProcess(argc, argv);
    QApplication application(argc, argv);
    BrowserHostTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BrowserHost_test.moc"
