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
// Drawing a face into a picture (RenderCommand.cpp).
int RunRender(const QStringList& args);
// Graphic files (GraphicCommands.cpp).
int RunWxgInfo(const QStringList& args);
int RunWxg2Png(const QStringList& args);
int RunPng2Wxg(const QStringList& args);
// Printing to a PDF file (PrintCommand.cpp).
int RunPrint(const QStringList& args);

}  // namespace quenby::tool
