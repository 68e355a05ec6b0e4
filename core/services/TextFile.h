#pragma once
#include <string>

// Reads a whole file as bytes (UTF-8 text on this platform). False when it
// cannot be opened or read; `text` is then empty.
bool ReadTextFile(const std::string& path, std::string& text);
// Writes text to a file, replacing it. False on any failure.
bool WriteTextFile(const std::string& path, const std::string& text);
