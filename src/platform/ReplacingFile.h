#pragma once

#include "platform/ProcessSignals.h"

#include <QIODevice>
#include <QString>

#include <memory>
#include <vector>

namespace quenby {

// A file written under a temporary name beside its target, which replaces the target
// only when every write, the flush to the disk and the close have succeeded, so that a
// full disk, a file-size limit or an ended process never leaves a truncated file where
// the earlier one was. Until then the target is untouched; a file not committed is
// removed, also when the process is ended by a signal that can be caught.
//
// Only writing is supported. A writer that reports nothing of its own failures (the PDF
// engine) can write into it: the device keeps the first failure for commit().
class ReplacingFile final : public QIODevice {
public:
    // The temporary file is named ".quenby-XXXXXX" with the target's suffix.
    explicit ReplacingFile(QString target);
    ~ReplacingFile() override;

    // Makes the temporary file; false when it cannot be made (the error says why).
    bool open(OpenMode mode) override;
    void close() override;  // ends writing; the file waits for commit()
    bool isSequential() const override { return false; }
    qint64 size() const override { return written_; }

    // Writes out what is buffered, flushes it to the disk, closes and renames over the
    // target. False when anything failed; the target is then as it was.
    bool commit();
    // The system's error number of the first failure (ENOSPC for a full disk, EFBIG
    // past the file-size limit), 0 when nothing failed.
    int systemError() const { return error_; }
    // Whether that failure means the disk (or the user's quota or file-size limit) has
    // no room.
    bool IsOutOfSpace() const;

    const QString& target() const { return target_; }
    const QString& temporaryName() const { return temporary_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool WriteOut();
    void Fail(int error);
    void Abandon();

    QString target_;
    QString temporary_;
    int fd_ = -1;
    int error_ = 0;
    qint64 written_ = 0;
    std::vector<char> buffer_;
    std::unique_ptr<RemoveOnSignal> removeOnSignal_;
};

}  // namespace quenby
