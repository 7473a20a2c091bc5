#pragma once

#include <QApplication>
#include <QCoreApplication>

namespace quenby::bench {

// Drawing text needs the application's fonts; the benchmarks run without a display.
inline void EnsureBenchApplication() {
    if (QCoreApplication::instance()) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "quenby_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

}  // namespace quenby::bench
