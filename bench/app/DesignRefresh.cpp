// The design refresh of the Qt program, offscreen: a page of 300 positioned
// objects from LoadPage to overlays drawn, against loading the same generated
// document into a bare page in the same process. Prints both medians.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/browser/InvokeScript.h"
#include "app/design/TesseraView.h"
#include "app/shell/DocManager.h"
#include "app/shell/MainFrame.h"
#include "app/shell/QuilloraApp.h"
#include "core/document/TesseraDoc.h"
#include "core/generation/PageRender.h"
#include "core/model/TsObject.h"
#include "core/services/Prompt.h"

namespace {

constexpr int kObjects = 300;
constexpr int kRounds = 21;

class QuietPrompt : public IPrompt {
public:
    void ShowMessage(const std::string&, const std::string&) override {}
    PromptAnswer AskYesNo(const std::string&, const std::string&) override { return PromptAnswer::No; }
    PromptAnswer AskOkCancel(const std::string&, const std::string&) override { return PromptAnswer::Cancel; }
};

// Waits for `signal` of `sender`, at most 10 s.
template <typename Sender, typename Signal>
void WaitFor(Sender* sender, Signal signal) {
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
}

void FillPage(CTsObject& page) {
    while (!page.children.empty()) {
        CTsObject* child = page.children.front();
        page.RemoveChildAt(0);
        child->Release();
    }
    for (int i = 0; i < kObjects; ++i) {
        auto* block = new CTsObject(&page, "Block");
        page.AppendChild(block);
        block->SetProperty("position", std::string("absolute"));
        block->SetProperty("left", std::to_string(8 + (i % 15) * 64) + "px");
        block->SetProperty("top", std::to_string(8 + (i / 15) * 48) + "px");
        block->SetProperty("width", std::string("60px"));
        block->SetProperty("height", std::string("44px"));
        block->SetInnerHTML("<p>Block " + std::to_string(i) + "</p>");
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QuilloraApp::PrepareProcess(argc, argv);
    QApplication application(argc, argv);
    QuietPrompt prompt;
    QuilloraApp app;
    app.prompt = &prompt;
    if (!app.InitInstance(QStringList{})) return 1;
    CTesseraView* view = app.MainFrame()->ActiveView();
    if (!view) return 1;
    if (view->CompletedLoads() == 0) WaitFor(view, &CTesseraView::pageLoaded);
    CTsObject& page = *view->CurrentPage();
    FillPage(page);
    QElapsedTimer generation;
    generation.start();
    const QString html = QString::fromStdString(RenderPage(page, PageForm::Design));
    const double generationMs = generation.nsecsElapsed() / 1e6;

    // The bare page shows in a view of the design view's size, like the design page.
    QWebEngineView bareView;
    QWebEnginePage bare;
    bareView.setPage(&bare);
    bareView.resize(view->size());
    bareView.show();
    std::vector<double> design, plain;
    QElapsedTimer timer;
    for (int round = 0; round < kRounds + 1; ++round) {
        timer.start();
        view->LoadPage(false);
        WaitFor(view, &CTesseraView::pageLoaded);
        InvokeScript(view->Handler(), "''");  // the overlay script has run
        const double designMs = timer.nsecsElapsed() / 1e6;

        timer.start();
        bare.setHtml(html, QUrl("file:///c:/a.htm"));
        WaitFor(&bare, &QWebEnginePage::loadFinished);
        const double bareMs = timer.nsecsElapsed() / 1e6;
        if (round == 0) continue;  // warm-up
        design.push_back(designMs);
        plain.push_back(bareMs);
    }
    int measured = 0;
    for (CTsObject* child : page.children) measured += child->rect.right > child->rect.left;
    std::printf("objects: %d (measured %d)\n", kObjects, measured);
    std::printf("design refresh median: %.1f ms\n", Median(design));
    std::printf("bare load median:      %.1f ms\n", Median(plain));
    std::printf("generation (once):     %.1f ms, %d bytes\n", generationMs, int(html.toUtf8().size()));
    std::printf("ratio:                 %.2f\n", Median(design) / Median(plain));
    CDocManager::askSaveChanges = [](const QString&) { return int(QMessageBox::No); };
    app.MainFrame()->close();
    bareView.setPage(nullptr);
    return app.ExitInstance(0);
}
