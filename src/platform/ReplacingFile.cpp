#include "platform/ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quenby {
namespace {

// Writes go out in blocks of this size: one system call per block, not per write.
constexpr std::size_t kBlock = std::size_t(64) << 10;

// The mode a new file would get from the process's umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

ReplacingFile::ReplacingFile(QString target) : target_(std::move(target)) {}

ReplacingFile::~ReplacingFile() {
    Abandon();
}

bool ReplacingFile::open(OpenMode mode) {
    if (isOpen() || (mode & ReadOnly) || !(mode & WriteOnly)) {
        return false;
    }
    const QFileInfo target(target_);
    const QString suffix = target.suffix().isEmpty() ? QString() : u'.' + target.suffix();
    QByteArray name = QFile::encodeName(target.absoluteDir().filePath(
        QStringLiteral(".quenby-XXXXXX") + suffix));
    const int fd = ::mkstemps(name.data(), int(QFile::encodeName(suffix).size()));
    if (fd < 0) {
        Fail(errno);
        return false;
    }
    fd_ = fd;
    temporary_ = QFile::decodeName(name);
    removeOnSignal_ = std::make_unique<RemoveOnSignal>(temporary_);
    // The new file keeps the earlier one's permissions, or gets a new file's.
    struct stat existing {};
    const mode_t permissions = ::stat(QFile::encodeName(target_).constData(), &existing) == 0
                                   ? (existing.st_mode & 07777)
                                   : NewFileMode();
    ::fchmod(fd_, permissions);
    error_ = 0;
    written_ = 0;
    buffer_.clear();
    buffer_.reserve(kBlock);
    return QIODevice::open(mode | Unbuffered);
}

qint64 ReplacingFile::readData(char*, qint64) {
    return -1;
}

qint64 ReplacingFile::writeData(const char* data, qint64 size) {
    if (fd_ < 0 || error_ != 0) {
        return -1;
    }
    buffer_.insert(buffer_.end(), data, data + size);
    if (buffer_.size() >= kBlock && !WriteOut()) {
        return -1;
    }
    written_ += size;
    return size;
}

bool ReplacingFile::WriteOut() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            Fail(n < 0 ? errno : ENOSPC);
            return false;
        }
        done += std::size_t(n);
    }
    buffer_.clear();
    return true;
}

void ReplacingFile::Fail(int error) {
    if (error_ == 0) {
        error_ = error != 0 ? error : EIO;
        setErrorString(QString::fromLocal8Bit(std::strerror(error_)));
    }
}

bool ReplacingFile::IsOutOfSpace() const {
    return error_ == ENOSPC || error_ == EDQUOT || error_ == EFBIG;
}

bool ReplacingFile::commit() {
    if (fd_ < 0) {
        return false;
    }
    QIODevice::close();
    bool ok = error_ == 0 && WriteOut();
    if (ok && ::fsync(fd_) != 0) {
        Fail(errno);
        ok = false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && ok) {
        Fail(errno);
        ok = false;
    }
    if (ok && std::rename(QFile::encodeName(temporary_).constData(),
                          QFile::encodeName(target_).constData()) != 0) {
        Fail(errno);
        ok = false;
    }
    if (ok) {
        temporary_.clear();  // it is the target now
    }
    Abandon();
    return ok;
}

void ReplacingFile::close() {
    // A writer may close its device when it ends; the file stays for commit().
    QIODevice::close();
}

void ReplacingFile::Abandon() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.isEmpty()) {
        ::unlink(QFile::encodeName(temporary_).constData());
        temporary_.clear();
    }
    removeOnSignal_.reset();
    buffer_.clear();
}

}  // namespace quenby
