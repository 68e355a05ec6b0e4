#pragma once
#include <string>

// Writes text as a text file of the published site: every line feed becomes CR LF.
// False when the file cannot be opened or written.
bool WriteTextWithCrLf(const std::string& path, const std::string& text);
// The text with every line feed written as CR LF.
std::string WithCrLf(const std::string& text);
