#include <QMdiArea>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <QtTest>

#include "app/browser/ChooseDirDlg.h"
#include "app/browser/InvokeScript.h"
#include "app/design/SiteCommands.h"
#include "app/design/TesseraView.h"
#include "app/design/ViewClientHandler.h"
#include "app/shell/CommandIds.h"
#include "app/shell/DocManager.h"
#include "app/shell/MainFrame.h"
#include "app/shell/ObjectView.h"
#include "app/shell/QuilloraApp.h"
#include "app/shell/SiteView.h"
#include "core/document/AppEventHub.h"
#include "core/document/TesseraDoc.h"
#include "core/model/TsObject.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/RecordingPrompt.h"

namespace {

const QString kFixture = QStringLiteral(QUILLORA_FIXTURES_DIR "/app/design.quillora");

QStringList openedPaths;
void RecordOpened(const QString& path) { openedPaths << path; }

QStringList ChildNames(const CTsObject* object) {
    QStringList names;
    for (const CTsObject* child : object->children) names << QString::fromStdString(child->GetName());
    return names;
}

// The element's box in document coordinates, as the page lays it out.
QRect ElementBox(CTesseraView* view, const QString& id) {
    const QString text = InvokeScript(
        view->Handler(), QString("(function(){var r=document.getElementById('%1').getBoundingClientRect();"
                                 "return [r.left+window.scrollX,r.top+window.scrollY,r.width,r.height].join(',');})()")
                             .arg(id));
    const QStringList parts = text.split(',');
    if (parts.size() != 4) return {};
    return QRect(qRound(parts[0].toDouble()), qRound(parts[1].toDouble()), qRound(parts[2].toDouble()),
                 qRound(parts[3].toDouble()));
}

QRect RectOf(const CTsObject* object) {
    const TSRECT& r = object->rect;
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

class DesignViewTest : public QObject {
    Q_OBJECT

    QuilloraApp app;
    CRecordingPrompt startPrompt;
    CMainFrame* frame = nullptr;

    CTesseraView* View() const { return frame->ActiveView(); }
    CTesseraDoc* Document() const { return View()->Document(); }
    CTsObject* Named(const char* name) const { return Document()->site.FindObjectByName(name); }

    // Runs `work` and waits for the page load it causes.
    bool LoadsAfter(const std::function<void()>& work) {
        const int loads = View()->CompletedLoads();
        work();
        return WaitUntil([&] { return View()->CompletedLoads() > loads; });
    }

    // A fresh copy of the fixture opened in its own window (edits stay private).
    void OpenFreshFixture() {
        while (!frame->Documents()->Documents().empty())
            frame->Documents()->CloseDocument(frame->Documents()->Documents().front(), false);
        QTest::qWait(20);
        static QTemporaryDir scratch;
        static int copies = 0;
        const QString path = scratch.filePath(QString("copy%1.quillora").arg(++copies));
        QVERIFY(QFile::copy(kFixture, path));
        QVERIFY(frame->Documents()->OpenDocumentFile(path));
        QVERIFY(WaitUntil([&] { return View() && View()->CompletedLoads() >= 1; }));
    }

private slots:
    void initTestCase() {
        openWithDefaultHandler = RecordOpened;
        qputenv("QUILLORA_STATS_URL", "");
        app.prompt = &startPrompt;
        QVERIFY(app.InitInstance({kFixture}));
        for (const std::string& message : startPrompt.messages) qInfo("start-up message: %s", message.c_str());
        frame = app.MainFrame();
        QVERIFY(View());
        QVERIFY(WaitUntil([&] { return View()->CompletedLoads() >= 1; }));
    }

    void cleanupTestCase() { app.ExitInstance(0); }

    void fixtureOpensOnItsFirstPage() {
        QCOMPARE(View()->FrameText(), QString("Fixture : index"));
        QCOMPARE(View()->CurrentPage(), Document()->site.children.front());
        QCOMPARE(frame->SiteView()->Tree()->topLevelItem(0)->childCount(), 2);
        QCOMPARE(frame->SiteView()->Tree()->topLevelItem(0)->child(1)->text(0), QString("about.htm"));
        QCOMPARE(frame->ObjectView()->Tree()->topLevelItem(0)->text(0), QString("index.htm"));
    }

    void measuredRectanglesMatchThePage() {
        for (const char* name : {"Hero", "Box", "Inner", "Footer"}) {
            const QRect expected = ElementBox(View(), name);
            QVERIFY2(!expected.isNull(), name);
            QCOMPARE(RectOf(Named(name)), expected);
        }
        QCOMPARE(RectOf(Named("Hero")).size(), QSize(200, 100));
    }

    void checkedObjectsGetRedFrames() {
        frame->ObjectView()->CheckObjects({Named("Hero"), Named("Inner")});
        QVERIFY(LoadsAfter([] { AppEventHub::Instance().Dispatch(MarkCheckedObjects); }));
        QVERIFY(Named("Hero")->selected && Named("Inner")->selected && !Named("Box")->selected);
        const QString overlay = InvokeScript(View()->Handler(), "shadow_objects.innerHTML");
        QCOMPARE(overlay.count("2px solid red"), 2);
        const TSRECT& r = Named("Inner")->rect;
        QVERIFY(overlay.contains(QString("left: %1px; top: %2px; width: %3px; height: %4px; border: 2px solid red")
                                     .arg(r.left)
                                     .arg(r.top)
                                     .arg(r.right - r.left - 4)
                                     .arg(r.bottom - r.top - 4)));
        QCOMPARE(overlay.count("1px dotted #B7B7B7"), 3);  // the page, Box and Footer
    }

    void zoomReachesTheView() {
        frame->SetZoom(120);
        QCOMPARE(View()->ZoomPercent(), 120);
        QCOMPARE(View()->Browser()->zoomFactor(), 1.2);
        frame->SetZoom(100);
        QCOMPARE(View()->Browser()->zoomFactor(), 1.0);
    }

    void reloadsKeepTheScrollPosition() {
        // A footer far down makes the page taller than the view.
        Named("Footer")->SetProperty("top", std::string("2000px"));
        QVERIFY(LoadsAfter([] { AppEventHub::Instance().Dispatch(RefreshDesignPage); }));
        View()->RunScript(View()->ScrollScript(0, 60));
        int x = -1, y = -1;
        View()->ReadScroll(x, y);
        QCOMPARE(y, 60);
        QVERIFY(LoadsAfter([] { AppEventHub::Instance().Dispatch(RefreshDesignPage); }));
        QVERIFY(LoadsAfter([] { AppEventHub::Instance().Dispatch(RefreshDesignPage); }));
        QVERIFY(WaitUntil([&] {
            View()->ReadScroll(x, y);
            return y == 60;
        }, 3000));
        AppEventHub::Instance().Dispatch(ScrollToObject, reinterpret_cast<intptr_t>(Named("Hero")));
        View()->ReadScroll(x, y);
        QCOMPARE(QPoint(x, y), QPoint(0, 0));
    }

    void navigationRule_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("another site") << "https://example.com/" << "file:///c:/a.htm" << false;
        QTest::newRow("blank while a page shows") << "about:blank" << "file:///c:/a.htm" << false;
        QTest::newRow("blank at start") << "about:blank" << "" << true;
        QTest::newRow("devtools") << "chrome-devtools://devtools/devtools.html?x" << "file:///c:/a.htm" << true;
        QTest::newRow("base address any case") << "FILE:///C:/A.HTM" << "about:blank" << true;
        QTest::newRow("submit in capitals") << "HTTP://SUBMIT/" << "file:///c:/a.htm" << true;
        QTest::newRow("editing file") << "file:///data/editing.htm" << "file:///c:/a.htm" << true;
    }
    void navigationRule() {
        QFETCH(QString, target);
        QFETCH(QString, current);
        QFETCH(bool, allowed);
        QCOMPARE(DesignNavigationAllowed(target, current, "file:///data/editing.htm"), allowed);
    }

    void navigationToAnotherSiteIsRefused() {
        const int loads = View()->CompletedLoads();
        InvokeScript(View()->Handler(), "location.href='https://example.com/'; ''");
        QTest::qWait(400);
        QCOMPARE(View()->CompletedLoads(), loads);
        QCOMPARE(InvokeScript(View()->Handler(), "document.getElementById('Hero') ? 'still' : 'gone'"), QString("still"));
    }

    void submitAndCancelQueueEndEdit() {
        QList<intptr_t> ends;
        AppEventHub::Instance().SetHandler(EndEdit, [&](const EventRecord& record) { ends << record.first; });
        InvokeScript(View()->Handler(), "location.href='HTTP://SUBMIT/'; ''");
        QVERIFY(WaitUntil([&] { return !ends.isEmpty(); }, 5000));
        InvokeScript(View()->Handler(), "location.href='http://cancel/'; ''");
        QVERIFY(WaitUntil([&] { return ends.size() >= 2; }, 5000));
        QTest::qWait(200);
        QCOMPARE(ends, (QList<intptr_t>{1, 0}));
        QVERIFY(InvokeScript(View()->Handler(), "document.getElementById('Hero') ? 'still' : 'gone'") == "still");
        AppEventHub::Instance().SetHandler(EndEdit, nullptr);
    }

    void pageSwitchThroughTheSiteTreeCanBeUndone() {
        OpenFreshFixture();
        CTsObject* index = Document()->site.children[0];
        CTsObject* about = Document()->site.children[1];
        const size_t actions = Document()->history.UndoList().size();
        QTreeWidget* tree = frame->SiteView()->Tree();
        QVERIFY(LoadsAfter([&] { tree->setCurrentItem(tree->topLevelItem(0)->child(1)); }));
        QCOMPARE(View()->CurrentPage(), about);
        QCOMPARE(View()->FrameText(), QString("Fixture : about"));
        QCOMPARE(Document()->history.UndoList().size(), actions + 1);
        QCOMPARE(frame->ObjectView()->Tree()->topLevelItem(0)->text(0), QString("about.htm"));
        QVERIFY(LoadsAfter([&] { frame->Command(ID_EDIT_UNDO)->trigger(); }));
        QCOMPARE(View()->CurrentPage(), index);
        QVERIFY(!ElementBox(View(), "Hero").isNull());
    }

    void deletePageRefusals() {
        OpenFreshFixture();
        CSiteView* sites = frame->SiteView();
        QTreeWidget* tree = sites->Tree();
        CRecordingPrompt prompt;
        tree->setCurrentItem(nullptr);
        sites->OnDeletePage();
        tree->setCurrentItem(tree->topLevelItem(0));
        sites->OnDeletePage();
        QCOMPARE(prompt.messages, (std::vector<std::string>{"Please choose the page to delete.", "Can't delete site."}));
        QVERIFY(prompt.questions.empty());

        tree->setCurrentItem(tree->topLevelItem(0)->child(1));
        prompt.Script(PromptAnswer::No);
        sites->OnDeletePage();
        QCOMPARE(prompt.questions, (std::vector<std::string>{"Delete Page ?"}));
        QCOMPARE(Document()->site.children.size(), size_t(2));

        sites->OnDeletePage();  // Yes: the about page goes
        QCOMPARE(Document()->site.children.size(), size_t(1));
        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        prompt.messages.clear();
        sites->OnDeletePage();
        QCOMPARE(prompt.messages, (std::vector<std::string>{"Can't delete last page of site."}));
        QCOMPARE(Document()->site.children.size(), size_t(1));
    }

    void moves_data() {
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("command");
        QTest::addColumn<QStringList>("pageChildren");
        QTest::addColumn<QString>("parent");
        QTest::newRow("right into the previous sibling")
            << "Box" << int(ID_MOVE_RIGHT) << QStringList{"Hero", "Footer"} << "Hero";
        QTest::newRow("left out of the parent")
            << "Inner" << int(ID_MOVE_LEFT) << QStringList{"Hero", "Box", "Inner", "Footer"} << "index";
        QTest::newRow("up before the previous sibling")
            << "Footer" << int(ID_MOVE_UP) << QStringList{"Hero", "Footer", "Box"} << "index";
        QTest::newRow("down after the next sibling")
            << "Hero" << int(ID_MOVE_DOWN) << QStringList{"Box", "Hero", "Footer"} << "index";
    }
    void moves() {
        QFETCH(QString, object);
        QFETCH(int, command);
        QFETCH(QStringList, pageChildren);
        QFETCH(QString, parent);
        OpenFreshFixture();
        CTsObject* moved = Named(object.toUtf8().constData());
        const size_t actions = Document()->history.UndoList().size();
        frame->ObjectView()->Tree()->setCurrentItem(frame->ObjectView()->ItemOf(moved));
        frame->Command(command)->trigger();
        QCOMPARE(ChildNames(View()->CurrentPage()), pageChildren);
        QCOMPARE(QString::fromStdString(moved->parent->GetName()), parent);
        QCOMPARE(Document()->history.UndoList().size(), actions + 2);
        QVERIFY(Document()->modified);
        QVERIFY(frame->ObjectView()->ItemOf(moved));  // the tree was rebuilt
    }

    void moveEnablingRules() {
        OpenFreshFixture();
        CObjectView* objects = frame->ObjectView();
        auto select = [&](const char* name) { objects->Tree()->setCurrentItem(objects->ItemOf(Named(name))); };
        select("Hero");
        QVERIFY(!objects->CanMoveLeft() && !objects->CanMoveRight() && !objects->CanMoveUp() && objects->CanMoveDown());
        select("Inner");
        QVERIFY(objects->CanMoveLeft() && !objects->CanMoveRight() && !objects->CanMoveDown());
        objects->Tree()->setCurrentItem(objects->Tree()->topLevelItem(0));
        QVERIFY(!objects->CanDelete() && !objects->CanMoveDown());
    }

    void rebuildKeepsSelectionAndCheckMarks() {
        OpenFreshFixture();
        CObjectView* objects = frame->ObjectView();
        objects->Tree()->setCurrentItem(objects->ItemOf(Named("Box")));
        objects->CheckObjects({Named("Box"), Named("Footer")});
        AppEventHub::Instance().Dispatch(RefreshWidgetTree);
        QCOMPARE(CTreePane::ObjectOf(objects->Tree()->currentItem()), Named("Box"));
        QCOMPARE(objects->CollectChecked(), (std::vector<CTsObject*>{Named("Box"), Named("Footer")}));
    }

    void exportThroughTheCommandWritesTheSite() {
        OpenFreshFixture();
        QTemporaryDir target;
        const QString directory = target.filePath("out");
        Document()->site.SetProperty("export-directory", directory.toStdString());
        CRecordingPrompt prompt;
        openedPaths.clear();
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<CChooseDirDlg*>(QApplication::activeModalWidget());
            if (dialog) dialog->OnOK();
        });
        frame->Command(ID_EXPORT_SITE)->trigger();
        QVERIFY(QFile::exists(directory + "/index.htm"));
        QVERIFY(QFile::exists(directory + "/about.htm"));
        QCOMPARE(openedPaths, QStringList{directory});
        QVERIFY(prompt.messages.empty());
    }

    void previewOpensTheShownPageFromAFreshFolder() {
        OpenFreshFixture();
        const QString stale = PreviewDirectoryPath() + "/stale.htm";
        QDir().mkpath(PreviewDirectoryPath());
        QFile file(stale);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        openedPaths.clear();
        frame->Command(ID_PREVIEW_SITE)->trigger();
        QCOMPARE(openedPaths.size(), 1);
        QCOMPARE(QFileInfo(openedPaths.front()).fileName(), QString("index.htm"));
        QVERIFY(QFile::exists(openedPaths.front()));
        QVERIFY(!QFile::exists(stale));
    }

    void sitemapNeedsADomain() {
        OpenFreshFixture();
        CRecordingPrompt prompt;
        frame->Command(ID_GENERATE_SITEMAP)->trigger();
        QCOMPARE(prompt.messages, (std::vector<std::string>{"Please set domain name first."}));
    }

    void closingAModifiedDocumentAsksAndCancelKeepsIt() {
        OpenFreshFixture();
        CTesseraDoc* document = Document();
        AppEventHub::Instance().Dispatch(AddPage);
        QVERIFY(document->modified);
        QStringList asked;
        int answer = QMessageBox::Cancel;
        CDocManager::askSaveChanges = [&](const QString& title) {
            asked << title;
            return answer;
        };
        frame->Command(ID_FILE_CLOSE)->trigger();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(frame->Documents()->Documents(), std::vector<CTesseraDoc*>{document});
        answer = QMessageBox::No;
        frame->Command(ID_FILE_CLOSE)->trigger();
        QVERIFY(WaitUntil([&] { return frame->Documents()->Documents().empty(); }, 3000));
        CDocManager::askSaveChanges = [](const QString&) { return int(QMessageBox::No); };
    }
};

int main(int argc, char** argv) {
    QuilloraApp::PrepareProcess(argc, argv);
    QApplication application(argc, argv);
    DesignViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesignView_test.moc"
