#include "app/design/PageEvaluator.h"

#include "app/design/TesseraView.h"

std::string CPageScriptEvaluator::Evaluate(const std::string& script) {
    return view_->RunScript(QString::fromStdString(script)).toStdString();
}
