#pragma once
#include <string>

// Where the widget library was loaded from (with a trailing "/"): the program
// directory, unless a tool loaded another library.
std::string LibraryDirectory();
// A path that begins with "bootstrap/", "widgets/" or "thirdparty/" names a support
// file beside the program or a file of the widget library: it becomes the file URL
// of that directory followed by the path. Any other path is returned unchanged.
std::string ResolveLibraryPath(const std::string& path);
// The file URL of the program directory followed by `relative`.
std::string ProgramFileUrl(const std::string& relative);
// Replaces, in `text`, every entry of an ExternalFiles list ("a;b;...") by the file
// URL of its library directory followed by the entry (design form).
void RewriteExternalFiles(std::string& text, const std::string& externalFiles);
