#include "platform/FileProbe.h"

#include <QFile>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace quenby {
namespace {

// What the helper thread and the caller share; the last of them to let go frees it, so
// a helper stuck on a dead mount outlives the call harmlessly.
struct ProbeState {
    std::mutex mutex;
    std::condition_variable done;
    std::vector<FileKind> kinds;
    std::size_t answered = 0;
};

}  // namespace

FileKind LookAtFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0) {
        return FileKind::Missing;
    }
    if (S_ISDIR(info.st_mode)) {
        return FileKind::Directory;
    }
    if (!S_ISREG(info.st_mode)) {
        return FileKind::Special;
    }
    return ::access(name.constData(), R_OK) == 0 ? FileKind::Regular : FileKind::Missing;
}

std::vector<FileKind> ProbeFiles(const QStringList& paths, std::chrono::milliseconds budget,
                                 std::function<FileKind(const QString&)> look) {
    if (paths.isEmpty()) {
        return {};
    }
    if (!look) {
        look = LookAtFile;
    }
    auto state = std::make_shared<ProbeState>();
    state->kinds.assign(std::size_t(paths.size()), FileKind::Unanswered);
    std::thread([state, paths, look] {
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const FileKind kind = look(paths.at(i));
            const std::lock_guard lock(state->mutex);
            state->kinds[std::size_t(i)] = kind;
            ++state->answered;
            state->done.notify_all();
        }
    }).detach();
    std::unique_lock lock(state->mutex);
    state->done.wait_for(lock, budget, [&] { return state->answered == state->kinds.size(); });
    return state->kinds;
}

}  // namespace quenby
