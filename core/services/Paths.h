#pragma once
#include <string>

// Where the program, its library and the user's data live, and how local paths
// become addresses a page can load.

// Records the program's own path (argv[0] or /proc/self/exe) once at start.
void SetProgramPath(const std::string& programPath);
// The folder of the program file, with a trailing "/". The widget library and the
// support files are found there.
std::string ProgramDirectory();
// $XDG_DATA_HOME/Quillora (default ~/.local/share/Quillora), created when missing.
// No trailing separator.
std::string AppDataDirectory();
// One "/" between the parts unless a side supplies one already.
std::string PathJoin(const std::string& left, const std::string& right);
// The address of a local path: absolute paths and the two Windows forms
// ("\\server\share", "X:\dir") become file URLs, anything else only has "\" turned
// into "/"; then "(" ")" "'" are percent-encoded.
std::string FileUrlFromPath(const std::string& path);
// Writes every byte for which `unsafe` is true as "%XX".
std::string PercentEncode(const std::string& text, bool (*unsafe)(unsigned char));
// Creates a directory and its parents; true when it exists afterwards.
bool MakeDirectories(const std::string& path);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
