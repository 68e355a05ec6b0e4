#pragma once
#include <string>

#include "core/services/Prompt.h"

// Swallows every message and answers every question No / Cancel: for fuzzers and
// benchmarks, where a message would only disturb the run.
class CSilentPrompt : public IPrompt {
public:
    void ShowMessage(const std::string&, const std::string&) override {}
    PromptAnswer AskYesNo(const std::string&, const std::string&) override { return PromptAnswer::No; }
    PromptAnswer AskOkCancel(const std::string&, const std::string&) override { return PromptAnswer::Cancel; }
};
