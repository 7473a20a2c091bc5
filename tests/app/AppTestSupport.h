#pragma once

#include "app/StudioApp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

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

// Answers the next modal dialog: accepts it, or closes it as Cancel would. `before`
// runs first, while the dialog is up.
template <typename Before = void (*)()>
inline void AnswerNextDialog(bool accept, Before before = [] {}) {
    QTimer::singleShot(50, [accept, before] {
        before();
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            accept ? dialog->accept() : dialog->reject();
        }
    });
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
