#pragma once

#include "app/StudioApp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

namespace quenby::test {

// Runs the event loop for `ms` milliseconds.
inline void Wait(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

// Settings and program folder inside a temporary folder.
inline StudioPaths PathsIn(const QTemporaryDir& dir) {
    StudioPaths paths;
    paths.userSettingsFile = dir.filePath(QStringLiteral("config/Craftdesk-1.0.ini"));
    paths.programFolder = dir.filePath(QStringLiteral("program/"));
    return paths;
}

// Starts the application and lets the first paint bring up the start screen.
inline std::unique_ptr<StudioApp> StartApp(const StudioPaths& paths) {
    auto app = std::make_unique<StudioApp>(paths);
    app->Start();
    for (int i = 0; i < 50 && !app->startScreenUp(); ++i) {
        Wait(20);
    }
    return app;
}

}  // namespace quenby::test
