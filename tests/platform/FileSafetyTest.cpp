// Files written so that the earlier file survives every failure, temporary files that
// go away with an ended process, and looking at files without opening them.
#include "platform/FileProbe.h"
#include "platform/ProcessSignals.h"
#include "platform/ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <condition_variable>
#include <csignal>
#include <memory>
#include <mutex>

#include <sys/stat.h>

namespace quenby {
namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteText(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The temporary files the replacing writes left in a folder.
QStringList Leftovers(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList({QStringLiteral(".quenby-*")}, QDir::Files | QDir::Hidden);
}

TEST(ReplacingFile, ReplacesTheTargetOnlyWhenCommitted) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("tarjeta.pdf"));
    WriteText(target, "earlier");
    ::chmod(QFile::encodeName(target).constData(), 0640);
    {
        ReplacingFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(file.temporaryName().endsWith(QLatin1String(".pdf")));
        file.write(QByteArray(200000, 'x'));  // more than one block
        EXPECT_EQ(Contents(target), "earlier");
        EXPECT_EQ(Leftovers(dir).size(), 1);
    }
    // Not committed: the earlier file stays and the temporary one is gone.
    EXPECT_EQ(Contents(target), "earlier");
    EXPECT_TRUE(Leftovers(dir).isEmpty());

    ReplacingFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("new ");
    file.write("file");
    file.close();  // a writer may close its device first
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(file.systemError(), 0);
    EXPECT_EQ(Contents(target), "new file");
    EXPECT_TRUE(Leftovers(dir).isEmpty());
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);  // the earlier file's permissions
}

TEST(ReplacingFile, AFolderThatCannotTakeTheFileFailsAtOpen) {
    ReplacingFile file(QStringLiteral("/nonexistent-folder/x.pdf"));
    EXPECT_FALSE(file.open(QIODevice::WriteOnly));
    EXPECT_NE(file.systemError(), 0);
    EXPECT_FALSE(file.commit());
}

TEST(RemoveOnSignal, AnEndedProcessLeavesNoTemporaryFile) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("salida.pdf"));
    WriteText(target, "earlier");
    for (const int signal : {SIGTERM, SIGINT}) {
        EXPECT_EXIT(
            {
                ReplacingFile file(target);
                if (file.open(QIODevice::WriteOnly)) {
                    file.write("half a page");
                    std::raise(signal);
                }
            },
            ::testing::KilledBySignal(signal), "");
        EXPECT_TRUE(Leftovers(dir).isEmpty()) << signal;
        EXPECT_EQ(Contents(target), "earlier");
    }
    // Once the guard is gone the file is left alone.
    const QString kept = dir.filePath(QStringLiteral("kept"));
    EXPECT_EXIT(
        {
            WriteText(kept, "x");
            { RemoveOnSignal guard(kept); }
            std::raise(SIGTERM);
        },
        ::testing::KilledBySignal(SIGTERM), "");
    EXPECT_TRUE(QFile::exists(kept));
}

TEST(FileProbe, KindsAreFoundWithoutOpeningAnything) {
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.wxd"));
    WriteText(plain, "WXQU");
    const QString fifo = dir.filePath(QStringLiteral("fifo.wxd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A FIFO with no writer would hold up anything that opened it.
    EXPECT_EQ(LookAtFile(fifo), FileKind::Special);
    EXPECT_EQ(LookAtFile(plain), FileKind::Regular);
    EXPECT_EQ(LookAtFile(dir.path()), FileKind::Directory);
    EXPECT_EQ(LookAtFile(QStringLiteral("/dev/zero")), FileKind::Special);
    EXPECT_EQ(LookAtFile(dir.filePath(QStringLiteral("missing"))), FileKind::Missing);
    EXPECT_EQ(LookAtFile(QString()), FileKind::Missing);
    EXPECT_EQ(ProbeFiles({plain, fifo}, std::chrono::seconds(30)),
              (std::vector<FileKind>{FileKind::Regular, FileKind::Special}));
}

TEST(FileProbe, AFileSystemThatDoesNotAnswerIsNotWaitedFor) {
    // The second path hangs until the test lets it go, after the probe has returned;
    // the helper may still be running when the test ends, so what it shares is shared.
    struct Gate {
        std::mutex mutex;
        std::condition_variable released;
        bool release = false;
    };
    const auto gate = std::make_shared<Gate>();
    const auto look = [gate](const QString& path) {
        if (path == QLatin1String("/mnt/lost/a.wxd")) {
            std::unique_lock lock(gate->mutex);
            gate->released.wait(lock, [&] { return gate->release; });
            return FileKind::Regular;
        }
        return FileKind::Missing;
    };
    const std::vector<FileKind> kinds = ProbeFiles(
        {QStringLiteral("/gone.wxd"), QStringLiteral("/mnt/lost/a.wxd"), QStringLiteral("/b.wxd")},
        std::chrono::milliseconds(50), look);
    ASSERT_EQ(kinds.size(), 3u);
    EXPECT_NE(kinds[0], FileKind::Regular);  // answered or not, as the helper got on
    EXPECT_EQ(kinds[1], FileKind::Unanswered);
    EXPECT_EQ(kinds[2], FileKind::Unanswered);
    {
        const std::lock_guard lock(gate->mutex);
        gate->release = true;
    }
    gate->released.notify_all();
}

}  // namespace
}  // namespace quenby
