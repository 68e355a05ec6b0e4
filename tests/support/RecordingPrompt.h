#pragma once
#include <deque>
#include <string>
#include <vector>

#include "core/services/Prompt.h"

// Records every message and question and answers questions from a script
// (Yes / OK when the script is empty). Installs itself while it lives.
class CRecordingPrompt : public IPrompt {
public:
    CRecordingPrompt() { SetPrompt(this); }
    ~CRecordingPrompt() override { SetPrompt(nullptr); }

    void ShowMessage(const std::string& text, const std::string&) override { messages.push_back(text); }
    PromptAnswer AskYesNo(const std::string& text, const std::string&) override {
        questions.push_back(text);
        return Next(PromptAnswer::Yes);
    }
    PromptAnswer AskOkCancel(const std::string& text, const std::string&) override {
        questions.push_back(text);
        return Next(PromptAnswer::Ok);
    }
    void Script(PromptAnswer answer) { answers.push_back(answer); }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<PromptAnswer> answers;

private:
    PromptAnswer Next(PromptAnswer fallback) {
        if (answers.empty()) return fallback;
        PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
