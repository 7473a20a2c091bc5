#pragma once

#include <QStringList>

#include <chrono>
#include <functional>
#include <vector>

namespace quenby {

// What a path names, found without opening it: opening a FIFO waits for a writer, and
// a device may never end.
enum class FileKind {
    Missing,     // nothing there, or it cannot be looked at
    Regular,     // a plain file that can be read
    Directory,
    Special,     // a FIFO, device or socket: not a file the program reads
    Unanswered,  // its file system did not answer in time (a slow or lost mount)
};

// Looks at each path (existence, kind and read permission, never opening it) on a
// helper thread and waits at most `budget` for all the answers; what has not been
// answered by then is Unanswered, and the helper finishes on its own. `look` stands in
// for the file system in tests.
std::vector<FileKind> ProbeFiles(
    const QStringList& paths, std::chrono::milliseconds budget,
    std::function<FileKind(const QString&)> look = {});

// One path, looked at directly (the same answer as ProbeFiles without the time limit).
FileKind LookAtFile(const QString& path);

}  // namespace quenby
