#pragma once

#include <QString>


namespace quenby {

// Writing past the process's file-size limit (ulimit -f) raises a signal that ends the
// process without a word. Ignored, the write fails instead (EFBIG) and the program
// reports it like a full disk, keeping the earlier file.
void IgnoreFileSizeLimitSignal();

// While it lives, the file at `path` is removed if the process is ended by SIGINT,
// SIGTERM, SIGHUP or SIGQUIT (a signal that is ignored stays ignored), so that a half
// written temporary file does not stay behind. Nothing can be done for SIGKILL.
class RemoveOnSignal {
public:
    explicit RemoveOnSignal(const QString& path);
    ~RemoveOnSignal();
    RemoveOnSignal(const RemoveOnSignal&) = delete;
    RemoveOnSignal& operator=(const RemoveOnSignal&) = delete;

    // Whether the path is watched: a few files at a time, of a usual path length.
    bool IsWatching() const { return slot_ >= 0; }

private:
    int slot_ = -1;
};

}  // namespace quenby
