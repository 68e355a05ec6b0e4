#pragma once
#include <string>

// The one way the system speaks to the user: messages with an OK button and
// questions. The program answers with message boxes, the command-line tool on
// stderr, tests with a recorder.
enum class PromptAnswer { Ok, Cancel, Yes, No };

class IPrompt {
public:
    virtual ~IPrompt() = default;
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
    virtual PromptAnswer AskYesNo(const std::string& text, const std::string& caption) = 0;
    virtual PromptAnswer AskOkCancel(const std::string& text, const std::string& caption) = 0;
};

// Installs the process-wide prompt (not owned); null restores the default, which
// writes messages to stderr and answers No / Cancel.
void SetPrompt(IPrompt* prompt);
IPrompt& CurrentPrompt();

void ShowMessage(const std::string& text, const std::string& caption = "Quillora");
// True when the user answered Yes.
bool AskYesNo(const std::string& text, const std::string& caption = "Quillora");
// True when the user answered OK.
bool AskOkCancel(const std::string& text, const std::string& caption = "Quillora");
