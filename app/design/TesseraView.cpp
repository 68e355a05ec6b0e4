#include "app/design/TesseraView.h"

#include <QDir>
#include <QMouseEvent>
#include <QTemporaryFile>
#include <QTimer>
#include <QWebEngineView>

#include "app/browser/BrowserWindow.h"
#include "app/browser/InvokeScript.h"
#include "app/design/OverlayMarkup.h"
#include "app/design/PageEvaluator.h"
#include "app/design/ViewClientHandler.h"
#include "app/shell/MainFrame.h"
#include "core/document/AppEventHub.h"
#include "core/document/TesseraDoc.h"
#include "core/generation/PageRender.h"
#include "core/model/SharedObjects.h"
#include "core/model/TsObject.h"
#include "core/services/Paths.h"
#include "core/services/Prompt.h"
#include "core/services/TextFile.h"

namespace {

constexpr const char* kMemoryBaseUrl = "file:///c:/a.htm";
// Documents above this size go through a temporary file instead of setHtml.
constexpr int kMaxInlineDocument = 2 * 1024 * 1024 - 1024;

QString Q(const std::string& text) { return QString::fromStdString(text); }

bool InEditingMode(const CTsObject* page) { return page && const_cast<CTsObject*>(page)->FindEditing(); }

int ReadInt(const QString& text) { return text.trimmed().toInt(); }

}  // namespace

CTesseraView::CTesseraView(CTesseraDoc* document, QWidget* parent) : QWidget(parent), document_(document) {
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(200, 150);
    if (!document_->site.children.empty()) {
        currentPage_ = document_->shownPage ? document_->shownPage : document_->FirstPage();
        document_->shownPage = currentPage_;
    }
    CreateBrowser();
}

CTesseraView::~CTesseraView() {
    AppEventHub& hub = AppEventHub::Instance();
    if (hub.lastView == this) hub.lastView = nullptr;
    if (QWebEngineView* browser = Browser()) browser->setPage(nullptr);
}

void CTesseraView::CreateBrowser() {
    handler_ = new CViewClientHandler(this);
    zoomPercent_ = 100;
    CreateBrowserInWindow(this, handler_, QUrl("about:blank"));
}

QWebEngineView* CTesseraView::Browser() const { return handler_ ? handler_->Browser() : nullptr; }

void CTesseraView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (QWebEngineView* browser = Browser()) browser->setGeometry(rect());
    if (currentPage_ && completedLoads_ > 0) AfterPageLoaded(false);
}

QString CTesseraView::EditingFileUrl() const {
    return Q(FileUrlFromPath(PathJoin(AppDataDirectory(), "editing.htm")));
}

void CTesseraView::LoadPage(bool selectAfterLoad) {
    if (!currentPage_) return;
    selectAfterLoad_ = selectAfterLoad;
    const std::string html = RenderPage(*currentPage_, PageForm::Design);
    if (savedScrollX_ == -1) ReadScroll(savedScrollX_, savedScrollY_);
    if (InEditingMode(currentPage_)) {
        if (editingFileLoaded_) return;
        const std::string path = PathJoin(AppDataDirectory(), "editing.htm");
        if (!WriteTextFile(path, html)) ShowMessage("Can't access temporary editing page.");
        else handler_->load(QUrl(EditingFileUrl()));
        editingFileLoaded_ = true;
        return;
    }
    editingFileLoaded_ = false;
    LoadDocumentText(Q(html));
}

void CTesseraView::LoadDocumentText(const QString& html) {
    if (!handler_) return;
    if (html.toUtf8().size() < kMaxInlineDocument) {
        handler_->ExpectOwnLoad();
        handler_->setHtml(html, QUrl(kMemoryBaseUrl));
        return;
    }
    // Too large for a data address: the same text through a file of its own.
    const std::string path = PathJoin(AppDataDirectory(), "design.htm");
    if (WriteTextFile(path, html.toStdString())) handler_->load(QUrl(Q(FileUrlFromPath(path))));
}

void CTesseraView::AfterPageLoaded(bool restoreScroll) {
    QString scrollScript;
    if (restoreScroll) {
        scrollScript = ScrollScript(savedScrollX_, savedScrollY_);
        savedScrollX_ = -1;
    }
    if (!currentPage_) return;
    CPageScriptEvaluator evaluator(this);
    currentPage_->MeasureFromPageBatched(evaluator, 0, 0);
    int scrollX = 0, scrollY = 0;
    if (currentPage_->hasDragRect) ReadScroll(scrollX, scrollY);
    const std::string markup = OverlayMarkup(*currentPage_) + FeedbackMarkup(*currentPage_, scrollX, scrollY);
    if (handler_ && Browser()) {
        ExecuteScript(handler_, Q(OverlayScript(markup)));
        if (selectAfterLoad_) {
            selectAfterLoad_ = false;
            if (CTsObject* selected = currentPage_->FindSelected())
                AppEventHub::Instance().Dispatch(AppEvent::ScrollToObject, reinterpret_cast<intptr_t>(selected));
        } else if (!scrollScript.isEmpty()) {
            ExecuteScript(handler_, scrollScript);
        }
    }
    if (restoreScroll) {
        ++completedLoads_;
        emit pageLoaded();
    }
}

void CTesseraView::ReadScroll(int& x, int& y) {
    x = y = 0;
    if (!Browser()) return;
    // Both values in one evaluation, as text: the evaluation hands back strings only.
    const QStringList values =
        RunScript("[document.body.scrollLeft||document.documentElement.scrollLeft,"
                  "document.body.scrollTop||document.documentElement.scrollTop].join(',')")
            .split(',');
    if (values.size() != 2) return;
    x = ReadInt(values[0]);
    y = ReadInt(values[1]);
}

QString CTesseraView::ScrollScript(int x, int y) const {
    if (!handler_) return {};
    return QString("document.body.scrollLeft=%1;document.body.scrollTop=%2;window.scrollTo(%1,%2);").arg(x).arg(y);
}

QString CTesseraView::RunScript(const QString& script) { return Browser() ? InvokeScript(handler_, script) : QString(); }

void CTesseraView::ApplyZoom(int percent) {
    zoomPercent_ = percent;
    if (QWebEngineView* browser = Browser()) browser->setZoomFactor(percent / 100.0);
}

void CTesseraView::SetCurrentPage(CTsObject* page) {
    if (currentPage_) {
        if (!currentPage_->root || !currentPage_->root->IsSite()) ShowMessage("only site object can link two object");
        else SyncShared(currentPage_->root->sharedGroups, *currentPage_);
    }
    currentPage_ = page;
    document_->shownPage = page;
    LoadPage(false);
    emit frameTextChanged(FrameText());
}

QString CTesseraView::FrameText() const {
    if (!currentPage_) return {};
    return Q(document_->site.GetName()) + " : " + Q(currentPage_->GetName());
}

void CTesseraView::ScrollToObject(CTsObject* object) {
    if (!object || object->IsSiteOrPage()) return;
    const TSRECT& r = object->rect;
    const int centreX = (r.left + r.right) / 2, centreY = (r.top + r.bottom) / 2;
    const int x = std::max(0, centreX - width() / 2);
    const int y = std::max(0, centreY - height() / 2);
    RunScript(ScrollScript(x, y));
}

void CTesseraView::ShowDevTools() {
    if (handler_) handler_->ShowDevTools();
}

void CTesseraView::InstallInputHook() {
    QWebEngineView* browser = Browser();
    if (!browser || hooked_) return;
    // The focus proxy is created with the page's render widget, a moment later.
    QTimer::singleShot(0, this, [this] {
        QWebEngineView* browser = Browser();
        if (!browser || !browser->focusProxy()) return;
        browser->focusProxy()->installEventFilter(this);
        browser->focusProxy()->setMouseTracking(true);
        hooked_ = true;
    });
}

bool CTesseraView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && currentPage_) {
        const QPoint point = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (auto* frame = AppEventHub::Instance().mainFrame)
            frame->ShowPosition(point.x() - currentPage_->rect.left, point.y());
    }
    return QWidget::eventFilter(watched, event);
}
