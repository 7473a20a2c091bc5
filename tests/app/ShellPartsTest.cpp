#include "app/DisplayCheck.h"
#include "app/HelpLauncher.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenby {
namespace {

TEST(DisplayCheckTest, NeedsEightHundredBySixHundredInSixteenBits) {
    EXPECT_TRUE(IsDisplayLargeEnough({QSize(800, 600), 16}));
    EXPECT_FALSE(IsDisplayLargeEnough({QSize(799, 600), 32}));
    EXPECT_FALSE(IsDisplayLargeEnough({QSize(800, 599), 32}));
    EXPECT_FALSE(IsDisplayLargeEnough({QSize(1920, 1080), 8}));
}

TEST(HelpLauncherTest, HelpFileFallsBackToLanguageZero) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("help/0")));
    EXPECT_EQ(HelpLauncher::HelpFile(dir.path(), 4),
              dir.filePath(QStringLiteral("help/0/index.html")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("help/4")));
    QFile file(dir.filePath(QStringLiteral("help/4/index.html")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(HelpLauncher::HelpFile(dir.path(), 4), file.fileName());
}

TEST(HelpLauncherTest, ASecondRequestEndsTheFirstViewer) {
    const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
    if (sleep.isEmpty()) {
        GTEST_SKIP() << "no sleep program to stand in for the viewer";
    }
    HelpLauncher launcher;
    ASSERT_TRUE(launcher.Show(sleep, QStringLiteral("30")));
    const qint64 first = launcher.processId();
    ASSERT_NE(first, 0);
    ASSERT_TRUE(launcher.Show(sleep, QStringLiteral("30")));
    const qint64 second = launcher.processId();
    EXPECT_NE(second, first);
    EXPECT_TRUE(launcher.IsRunning());
    // The first one is gone.
    EXPECT_FALSE(QDir(QStringLiteral("/proc/%1").arg(first)).exists());
    EXPECT_FALSE(launcher.Show(QStringLiteral("/nonexistent/viewer"), QString()));
    EXPECT_FALSE(QDir(QStringLiteral("/proc/%1").arg(second)).exists());
}

}  // namespace
}  // namespace quenby
