#pragma once
#include <string>

// The diagnostic log "quillora.log": one header per run, then time-stamped entries.
// Every failure is silent; without a log the program simply runs on.

// Opens the log in <appData>/log, trimming it to its last 5000 lines first, and
// writes the run header. `engineVersion` is the browser engine's version, or empty
// when there is none ("Can't get" is written then).
void OpenLog(const std::string& engineVersion = std::string());
// The same with an explicit application-data directory (tests, tools).
void OpenLogIn(const std::string& appDataDirectory, const std::string& engineVersion);
void CloseLog();
bool IsLogOpen();
// The path of the log file below an application-data directory.
std::string LogFilePath(const std::string& appDataDirectory);

// Appends "[YYYY-MM-DD hh:mm:ss]" (UTC) and the formatted message, cut at 1023
// characters. Callers end their messages with "\n".
void WriteLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The debugger output: mirrored to stderr when QUILLORA_DEBUG_OUTPUT is set.
void DebugOutput(const std::string& text);
