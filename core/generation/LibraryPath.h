#pragma once
#include <string>

// A path that begins with "bootstrap/", "widgets/" or "thirdparty/" names a file of
// the widget library: it becomes the file URL of the program directory followed by
// the path. Any other path is returned unchanged.
std::string ResolveLibraryPath(const std::string& path);
// The file URL of the program directory followed by `relative`.
std::string ProgramFileUrl(const std::string& relative);
// Replaces, in `text`, every entry of an ExternalFiles list ("a;b;...") by the file
// URL of the program directory followed by the entry (design form).
void RewriteExternalFiles(std::string& text, const std::string& externalFiles);
