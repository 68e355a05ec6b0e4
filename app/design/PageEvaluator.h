#pragma once
#include "core/model/PageEvaluator.h"

class CTesseraView;

// Lets the model read from the page a design view shows.
class CPageScriptEvaluator : public IPageEvaluator {
public:
    explicit CPageScriptEvaluator(CTesseraView* view) : view_(view) {}
    std::string Evaluate(const std::string& script) override;

private:
    CTesseraView* view_;
};
