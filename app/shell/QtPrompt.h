#pragma once
#include "core/services/Prompt.h"

// Answers the system's messages and questions with modal message boxes.
class CQtPrompt : public IPrompt {
public:
    void ShowMessage(const std::string& text, const std::string& caption) override;
    PromptAnswer AskYesNo(const std::string& text, const std::string& caption) override;
    PromptAnswer AskOkCancel(const std::string& text, const std::string& caption) override;
};
