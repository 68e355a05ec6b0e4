#include "app/browser/InvokeScript.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <memory>

#include "core/services/Log.h"

namespace {

// The script as a JavaScript string literal (JSON text is valid JavaScript).
QString QuotedForScript(const QString& script) {
    QByteArray json = QJsonDocument(QJsonArray{script}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

// Evaluates through the global eval, as the engine's own evaluation did, and
// reports [1, text] for a string, [0] for another value, [2, message] for an
// exception.
QString WrappedScript(const QString& script) {
    return QStringLiteral(
               "(function(){try{var v=(0,eval)(%1);return typeof v==='string'?[1,v]:[0];}"
               "catch(e){return [2,String(e)];}})()")
        .arg(QuotedForScript(script));
}

struct PendingResult {
    QEventLoop* loop = nullptr;
    bool arrived = false;
    QVariant value;
};

}  // namespace

QString InvokeScript(QWebEnginePage* page, const QString& script, int timeoutMs) {
    if (!page) return {};
    const QByteArray url = page->url().toString().toUtf8();
    auto pending = std::make_shared<PendingResult>();
    page->runJavaScript(WrappedScript(script), [pending](const QVariant& value) {
        pending->arrived = true;
        pending->value = value;
        if (pending->loop) pending->loop->quit();
    });
    if (!pending->arrived) {
        QEventLoop loop;
        pending->loop = &loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        pending->loop = nullptr;
    }
    const QVariantList result = pending->value.toList();
    if (!pending->arrived || result.isEmpty()) {
        WriteLog("Failed to get V8 context! %s\n", url.constData());
        return {};
    }
    const int kind = result.at(0).toInt();
    if (kind == 2) {
        WriteLog("InvokeScript %s error %s\n", script.toUtf8().constData(),
                 result.value(1).toString().toUtf8().constData());
        return {};
    }
    return kind == 1 ? result.value(1).toString() : QString();
}

void ExecuteScript(QWebEnginePage* page, const QString& script) {
    if (page && !script.isEmpty()) page->runJavaScript(script);
}
