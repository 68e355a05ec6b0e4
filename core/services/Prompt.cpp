#include "core/services/Prompt.h"

#include <cstdio>

namespace {

class CStderrPrompt : public IPrompt {
public:
    void ShowMessage(const std::string& text, const std::string&) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    PromptAnswer AskYesNo(const std::string& text, const std::string&) override {
        std::fprintf(stderr, "%s [answered No]\n", text.c_str());
        return PromptAnswer::No;
    }
    PromptAnswer AskOkCancel(const std::string& text, const std::string&) override {
        std::fprintf(stderr, "%s [answered Cancel]\n", text.c_str());
        return PromptAnswer::Cancel;
    }
};

CStderrPrompt& DefaultPrompt() {
    static CStderrPrompt prompt;
    return prompt;
}

IPrompt* g_prompt = nullptr;

}  // namespace

void SetPrompt(IPrompt* prompt) { g_prompt = prompt; }

IPrompt& CurrentPrompt() { return g_prompt ? *g_prompt : DefaultPrompt(); }

void ShowMessage(const std::string& text, const std::string& caption) {
    CurrentPrompt().ShowMessage(text, caption);
}

bool AskYesNo(const std::string& text, const std::string& caption) {
    return CurrentPrompt().AskYesNo(text, caption) == PromptAnswer::Yes;
}

bool AskOkCancel(const std::string& text, const std::string& caption) {
    return CurrentPrompt().AskOkCancel(text, caption) == PromptAnswer::Ok;
}
