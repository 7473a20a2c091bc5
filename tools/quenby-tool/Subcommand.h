#pragma once

#include <QStringList>

#include <functional>

namespace quenby::tool {

// A subcommand gets its own arguments (without the program and subcommand names)
// and returns the process exit code: 0 on success, 1 on failure.
struct Subcommand {
    const char* name;
    const char* usage;
    std::function<int(const QStringList& args)> run;
};

// Writes the program's message to standard error and returns 1.
int Fail(const QString& message);

// Subcommands of the document file.
int RunInfo(const QStringList& args);
int RunResave(const QStringList& args);

}  // namespace quenby::tool
