#pragma once
#include <string>

#include "core/generation/PageForm.h"

class CTsObject;

// Wraps a page's body text into its document: the head (metas, style sheets,
// scripts, the generated style sheet), the full-width objects, the body, and in
// the export form the tracking text and the height script.
std::string AssemblePageDocument(CTsObject& page, PageForm form, const std::string& styleSheet, const std::string& body,
                                 bool socketPass, bool noWrapper);
