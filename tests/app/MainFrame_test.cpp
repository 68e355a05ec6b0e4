#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>
#include <QToolButton>
#include <QMenu>

#include "app/shell/AboutBox.h"
#include "app/shell/CommandIds.h"
#include "app/shell/DocManager.h"
#include "app/shell/MainFrame.h"
#include "app/shell/QuilloraApp.h"
#include "app/shell/UserSettings.h"
#include "app/services/Tracking.h"
#include "core/document/TesseraDoc.h"
#include "core/model/TsObject.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/RecordingPrompt.h"

namespace {

QMenu* TopMenu(CMainFrame* frame, const QString& title) {
    for (QAction* action : frame->menuBar()->actions())
        if (action->menu() && action->text() == title) return action->menu();
    return nullptr;
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qputenv("QUILLORA_STATS_URL", "");
        QFile::remove(ProfileIniPath());
    }

    void startsWithANewSiteAndQuits() {
        CRecordingPrompt prompt;
        QuilloraApp app;
        app.prompt = &prompt;
        QVERIFY(app.InitInstance(QStringList{}));
        CMainFrame* frame = app.MainFrame();
        QVERIFY(frame->isVisible());
        const std::vector<CTesseraDoc*> documents = frame->Documents()->Documents();
        QCOMPARE(documents.size(), size_t(1));
        CTsObject& site = documents.front()->site;
        QCOMPARE(site.children.size(), size_t(1));
        QCOMPARE(QString::fromStdString(site.children.front()->GetName()), QString("index"));
        QCOMPARE(site.children.front()->children.size(), size_t(1));
        QVERIFY(!documents.front()->modified);
        QCOMPARE(frame->windowTitle(), QString("Quillora1 - Quillora"));
        QVERIFY(!frame->Command(ID_SHOW_DEVTOOLS));
        frame->exitAction()->trigger();
        QVERIFY(!frame->isVisible());
        QCOMPARE(app.ExitInstance(0), 0);
    }

    void debugSwitchAddsTheDebugCommands() {
        CRecordingPrompt prompt;
        QuilloraApp app;
        app.prompt = &prompt;
        QVERIFY(app.InitInstance({"/DEBUG"}));
        QVERIFY(app.DebugMode());
        for (int id : {ID_SHOW_DEVTOOLS, ID_DUMP_UNDO_REDO, ID_DUMP_SHARED_OBJECTS}) QVERIFY(app.MainFrame()->Command(id));
        app.MainFrame()->close();
        app.ExitInstance(0);
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("debug");
        QTest::newRow("nothing") << QStringList{} << "" << false;
        QTest::newRow("a file") << QStringList{"/home/a/site.quillora"} << "/home/a/site.quillora" << false;
        QTest::newRow("file then debug") << QStringList{"s.quillora", "/DEBUG"} << "s.quillora" << true;
        QTest::newRow("debug in lower case") << QStringList{"/debug"} << "/debug" << false;
        QTest::newRow("engine switch only") << QStringList{"--locale=de"} << "" << false;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(bool, debug);
        QCOMPARE(SiteFileFromCommandLine(arguments), file);
        QCOMPARE(CommandLineAsksForDebug(arguments), debug);
    }

    void aSiteFileThatIsNotJsonEndsTheStart() {
        QTemporaryDir scratch;
        const QString path = scratch.filePath("broken.quillora");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is not json");
        file.close();
        CRecordingPrompt prompt;
        QuilloraApp app;
        app.prompt = &prompt;
        QVERIFY(!app.InitInstance({path}));
        QVERIFY(std::count(prompt.messages.begin(), prompt.messages.end(), "Failed to open document.") == 1);
        app.ExitInstance(1);
    }

    void zoomSliderStaysBetween50And200() {
        CMainFrame frame;
        QCOMPARE(frame.ZoomSlider()->minimum(), 50);
        QCOMPARE(frame.ZoomSlider()->maximum(), 200);
        QCOMPARE(frame.ZoomPane()->text(), QString("100%"));
        frame.SetZoom(30);
        QCOMPARE(frame.ZoomPane()->text(), QString("50%"));
        frame.SetZoom(250);
        QCOMPARE(frame.ZoomPane()->text(), QString("200%"));
        frame.ZoomSlider()->setValue(120);
        QCOMPARE(frame.ZoomPane()->text(), QString("120%"));
        frame.ShowPosition(12, 34);
        QCOMPARE(frame.PositionPane()->text(), QString("12 x 34"));
    }

    void applicationLookIsStoredAndUsedAtTheNextStart() {
        {
            CMainFrame frame;
            frame.Command(217)->trigger();
            QCOMPARE(frame.CurrentLook(), 217);
            QVERIFY(frame.Command(217)->isChecked());
        }
        QCOMPARE(QSettings("Quillora Inc", "Quillora").value("ApplicationLook").toInt(), 217);
        CMainFrame next;
        QCOMPARE(next.CurrentLook(), 217);
        next.OnApplicationLook(205);
        QCOMPARE(QApplication::style()->name().toLower(), QString("windows"));
        next.OnApplicationLook(ID_VIEW_APPLOOK_DEFAULT);
    }

    void advancedPropertiesArePersistedInPIni() {
        QFile::remove(ProfileIniPath());
        QCOMPARE(ReadShowDemoSiteAfterStarted(), 1);
        CMainFrame frame;
        QVERIFY(!frame.ShowAdvanced());
        frame.Command(ID_SHOW_ADVANCED_PROPERTY)->trigger();
        QVERIFY(frame.ShowAdvanced());
        QVERIFY(frame.Command(ID_SHOW_ADVANCED_PROPERTY)->isChecked());
        QCOMPARE(QSettings(ProfileIniPath(), QSettings::IniFormat).value("setting/advanced").toString(), QString("true"));
        CMainFrame next;
        QVERIFY(next.ShowAdvanced());
        next.OnShowAdvancedProperty();
        QCOMPARE(QSettings(ProfileIniPath(), QSettings::IniFormat).value("setting/advanced").toString(), QString("false"));
    }

    void siteMenusShowOnlyWithAnOpenSite() {
        CRecordingPrompt prompt;
        QuilloraApp app;
        app.prompt = &prompt;
        QVERIFY(app.InitInstance(QStringList{}));
        CMainFrame* frame = app.MainFrame();
        QVERIFY(TopMenu(frame, "&Site")->menuAction()->isVisible());
        frame->Command(ID_FILE_CLOSE)->trigger();
        QVERIFY(WaitUntil([&] { return !TopMenu(frame, "&Site")->menuAction()->isVisible(); }));
        QVERIFY(frame->MdiArea()->subWindowList().isEmpty());
        QVERIFY(!TopMenu(frame, "&Edit")->menuAction()->isVisible());
        QVERIFY(TopMenu(frame, "&File")->menuAction()->isVisible());
        frame->Command(ID_FILE_NEW)->trigger();
        QCOMPARE(frame->windowTitle(), QString("Quillora2 - Quillora"));
        QVERIFY(TopMenu(frame, "&Site")->menuAction()->isVisible());
        frame->close();
        app.ExitInstance(0);
    }

    void documentListNamesEveryOpenSiteAndActivatesTheChosenOne() {
        CRecordingPrompt prompt;
        QuilloraApp app;
        app.prompt = &prompt;
        QVERIFY(app.InitInstance(QStringList{}));
        CMainFrame* frame = app.MainFrame();
        frame->Command(ID_FILE_NEW)->trigger();
        QCOMPARE(frame->MdiArea()->subWindowList().size(), 2);
        auto* list = frame->MdiArea()->findChild<QToolButton*>("DocumentList");
        QVERIFY(list);
        emit list->menu()->aboutToShow();
        const QList<QAction*> entries = list->menu()->actions();
        QCOMPARE(entries.size(), 2);
        QVERIFY(entries[1]->isChecked());
        entries[0]->trigger();
        QCOMPARE(frame->MdiArea()->activeSubWindow(), frame->MdiArea()->subWindowList().first());
        frame->close();
        app.ExitInstance(0);
    }

    void droppedSiteFilesOpen() {
        CRecordingPrompt prompt;
        QuilloraApp app;
        app.prompt = &prompt;
        QVERIFY(app.InitInstance(QStringList{}));
        CMainFrame* frame = app.MainFrame();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QUILLORA_FIXTURES_DIR "/app/design.quillora")});
        QVERIFY(frame->acceptDrops());
        QVERIFY(frame->OpenDroppedFiles(data));
        QCOMPARE(frame->Documents()->Documents().size(), size_t(2));
        QCOMPARE(frame->Documents()->RecentFiles().front(),
                 QFileInfo(QUILLORA_FIXTURES_DIR "/app/design.quillora").absoluteFilePath());
        frame->close();
        app.ExitInstance(0);
    }

    void startEventAddress() {
        qputenv("QUILLORA_STATS_URL", "http://stats.example/count");
        const QString address = TrackingAddress("program", "start", "1", 1);
        QVERIFY(address.startsWith("http://stats.example/count?cat=program&act=start&label=1&v=1&rand="));
        qputenv("QUILLORA_STATS_URL", "");
        QVERIFY(TrackingAddress("program", "start", "1", 1).isEmpty());
    }

    void aboutBoxShowsNameAndVersion() {
        CAboutDlg about;
        auto* text = about.findChild<QLabel*>("aboutText");
        QVERIFY(text);
        QCOMPARE(text->text(), QString("Quillora, Version 1.1"));
    }
};

int main(int argc, char** argv) {
    QuilloraApp::PrepareProcess(argc, argv);
    QApplication application(argc, argv);
    MainFrameTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainFrame_test.moc"
