#pragma once
#include <string>

// The one thing the model needs from the page shown on the design surface:
// evaluate a script expression there and give its value as text (empty text on
// any failure or when the value is not a string or number).
class IPageEvaluator {
public:
    virtual ~IPageEvaluator() = default;
    virtual std::string Evaluate(const std::string& script) = 0;
};
