#include "platform/ProcessSignals.h"

#include <QFile>

#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>

#include <unistd.h>

namespace quenby {
namespace {

// The handler may run at any moment, so what it reads is fixed in size and published
// through an atomic flag once written.
constexpr int kSlots = 8;
constexpr std::size_t kPathBytes = 4096;

struct Slot {
    std::atomic<bool> used{false};
    char path[kPathBytes] = {};
};

Slot watched[kSlots];
std::mutex watchedMutex;  // taking and giving back slots, never in the handler

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
struct sigaction previous[std::size(kSignals)];
bool installed = false;

void RemoveAndEnd(int signal) {
    for (Slot& slot : watched) {
        if (slot.used.load()) {
            ::unlink(slot.path);
        }
    }
    // Then end as the signal would have ended the process.
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (kSignals[i] == signal) {
            ::sigaction(signal, &previous[i], nullptr);
        }
    }
    ::raise(signal);
}

void InstallOnce() {
    if (installed) {
        return;
    }
    installed = true;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], nullptr, &previous[i]);
        if (previous[i].sa_handler != SIG_DFL) {
            continue;  // ignored (nohup) or handled by someone else: leave it so
        }
        struct sigaction action {};
        action.sa_handler = RemoveAndEnd;
        sigemptyset(&action.sa_mask);
        ::sigaction(kSignals[i], &action, nullptr);
    }
}

}  // namespace

void IgnoreFileSizeLimitSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

RemoveOnSignal::RemoveOnSignal(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || std::size_t(name.size()) >= kPathBytes) {
        return;
    }
    const std::lock_guard lock(watchedMutex);
    InstallOnce();
    for (int i = 0; i < kSlots; ++i) {
        if (!watched[i].used.load()) {
            std::memcpy(watched[i].path, name.constData(), std::size_t(name.size()) + 1);
            watched[i].used.store(true);
            slot_ = i;
            return;
        }
    }
}

RemoveOnSignal::~RemoveOnSignal() {
    if (slot_ >= 0) {
        const std::lock_guard lock(watchedMutex);
        watched[slot_].used.store(false);
    }
}

}  // namespace quenby
