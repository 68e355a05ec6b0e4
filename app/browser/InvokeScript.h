#pragma once
#include <QString>

class QWebEnginePage;

// Evaluates script text in the page's main frame and returns its value when that
// value is a string; empty text when there is no page, on any failure, or for a
// value of another type. Synchronous: waits for the engine in a local event loop
// that leaves user input queued, for at most `timeoutMs` milliseconds. Failures are
// written to the diagnostic log. Call it on the user-interface thread only.
QString InvokeScript(QWebEnginePage* page, const QString& script, int timeoutMs = 5000);

// Runs script in the page's main frame without waiting for or reading a result.
void ExecuteScript(QWebEnginePage* page, const QString& script);
