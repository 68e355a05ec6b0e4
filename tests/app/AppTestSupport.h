#pragma once
// Helpers shared by the Qt tests of the program.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "core/services/Log.h"
#include "core/services/Paths.h"

// Runs the event loop until `done` holds or `timeoutMs` passes.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 15000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return false;
        QTest::qWait(5);
    }
    return true;
}

// The lines of the diagnostic log that contain `needle`.
inline int CountLogLines(const QString& needle) {
    QFile file(QString::fromStdString(LogFilePath(AppDataDirectory())));
    if (!file.open(QIODevice::ReadOnly)) return 0;
    int count = 0;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (QString::fromUtf8(line).contains(needle)) ++count;
    return count;
}
