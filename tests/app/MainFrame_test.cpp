#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include "app/shell/AboutBox.h"
#include "app/shell/MainFrame.h"
#include "app/shell/QuilloraApp.h"

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void startsShowsTheMainWindowAndQuits() {
        QuilloraApp app;
        QVERIFY(app.InitInstance());
        QVERIFY(app.MainFrame()->isVisible());
        QCOMPARE(app.MainFrame()->windowTitle(), QString("Quillora"));
        app.MainFrame()->exitAction()->trigger();
        QVERIFY(!app.MainFrame()->isVisible());
        QCOMPARE(app.ExitInstance(0), 0);
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
