#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace quenby::test {

// One run of quenby-tool: its exit code, standard output and standard error.
struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Printing a busy document takes longer than the rest: `timeoutMs` allows for it.
inline ToolRun Tool(const QStringList& args, int timeoutMs = 60000) {
    QProcess p;
    p.start(QStringLiteral(QUENBY_TOOL), args);
    p.waitForFinished(timeoutMs);
    return {p.exitCode(), p.readAllStandardOutput(),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

}  // namespace quenby::test
