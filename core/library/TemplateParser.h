#pragma once
#include <string>

#include "core/library/TemplateNode.h"

// The result of parsing one template file. `messages` holds this file's own
// diagnostics only ("<file>:<line>.<column>: <message>\n" each): dropped "["
// characters of a successful parse, and the reason of a failed one.
struct TemplateParseResult {
    bool ok = false;
    TemplateList nodes;
    std::string messages;
};

// Parses a template file. A CR LF line end counts as one line feed.
TemplateParseResult ParseTemplate(const std::string& filePath);
// Parses template text; `fileName` only labels the messages.
TemplateParseResult ParseTemplateText(const std::string& text, const std::string& fileName);

