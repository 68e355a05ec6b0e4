#pragma once
#include <string>

#include "core/generation/PageForm.h"

class CTsObject;

// The rules of an object and all its descendants. The export form writes the base
// rules, then one "@media" block per enabled viewport of the site; every object's
// own rules are followed by its own "@media" blocks, so an ancestor's block holds
// its descendants' rules again.
std::string BuildStyleSheet(CTsObject& object, PageForm form);
// One object's rules (page rules, container rules) followed by BuildStyleSheet of
// each child.
std::string BuildRules(CTsObject& object, PageForm form);

// Helpers shared with the page document.
// "Int" value, or the leading decimal integer of a "String" text; 0 otherwise.
int NumberOf(const CTsObject& object, const std::string& key);
// Five background-image lines for the vendor forms of a linear gradient; empty
// unless all three texts are given.
std::string Gradient(const std::string& direction, const std::string& color1, const std::string& color2);
// "filter:Alpha(opacity=N);\n" for an opacity text (N = value x 100, truncated).
std::string OpacityFilter(const std::string& opacity);
