#include "app/RecentFiles.h"
#include "app/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quenby {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QString UserFile() const { return dir.filePath(QStringLiteral("config/Craftdesk-1.0.ini")); }
    QString ProgramFolder() const { return dir.filePath(QStringLiteral("program")); }
    QString InstallationFile() const { return SettingsStore::InstallationFileIn(ProgramFolder()); }

    void WriteFile(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString MakeDocument(const QString& name) {
        const QString path = dir.filePath(name);
        WriteFile(path, "WXQU");
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(SettingsStoreTest, MissingFilesGiveEveryDefault) {
    SettingsStore store(UserFile(), InstallationFile());
    const SettingsKey options = store.OpenForReading(QStringLiteral("Options"));
    EXPECT_TRUE(options.IsNull());
    EXPECT_EQ(store.ReadNumber(options, QStringLiteral("MainWindowFlags"), -1), -1);
    QString text;
    EXPECT_FALSE(store.ReadString(options, QStringLiteral("CDFileLocation"), text, 128,
                                  QStringLiteral("x")));
    EXPECT_EQ(text, QStringLiteral("x"));
    EXPECT_EQ(store.recentFiles().Count(), 0);
}

TEST_F(SettingsStoreTest, WrittenValuesComeBackAtTheNextStart) {
    {
        SettingsStore store(UserFile(), InstallationFile());
        const SettingsKey key = store.OpenForWriting(QStringLiteral("Toolbar2"));
        EXPECT_TRUE(store.WriteNumber(key, QStringLiteral("Button0"), 1761));
        EXPECT_TRUE(store.WriteNumber(key, QStringLiteral("PosX"), -1));
        EXPECT_TRUE(store.WriteString(key, QStringLiteral("Name"), QStringLiteral("a, b")));
    }
    SettingsStore store(UserFile(), InstallationFile());
    const SettingsKey key = store.OpenForReading(QStringLiteral("Toolbar2"));
    ASSERT_FALSE(key.IsNull());
    EXPECT_EQ(store.ReadNumber(key, QStringLiteral("Button0"), 0), 1761);
    EXPECT_EQ(store.ReadNumber(key, QStringLiteral("PosX"), 0), -1);
    QString text;
    EXPECT_TRUE(store.ReadString(key, QStringLiteral("Name"), text, 128));
    EXPECT_EQ(text, QStringLiteral("a, b"));
}

TEST_F(SettingsStoreTest, ValuesThatAreNotNumbersTakeTheirDefault) {
    WriteFile(UserFile(),
              "[Options]\nMainWindowFlags=abc\nMainWindowShowState=99999999999\n"
              "MainWindowMinPosX=4294967295\nMainWindowMinPosY=010\n");
    SettingsStore store(UserFile(), InstallationFile());
    const SettingsKey key = store.OpenForReading(QStringLiteral("Options"));
    EXPECT_EQ(store.ReadNumber(key, QStringLiteral("MainWindowFlags"), 7), 7);
    EXPECT_EQ(store.ReadNumber(key, QStringLiteral("MainWindowShowState"), 7), 7);
    EXPECT_EQ(store.ReadNumber(key, QStringLiteral("MainWindowMinPosX"), 7), -1);  // a double word
    EXPECT_EQ(store.ReadNumber(key, QStringLiteral("MainWindowMinPosY"), 7),
              10);  // decimal, not octal
}

TEST_F(SettingsStoreTest, GarbageFileIsSetAsideAndTheStoreStillWrites) {
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 7919) & 0xff);
    }
    WriteFile(UserFile(), garbage);
    {
        SettingsStore store(UserFile(), InstallationFile());
        const SettingsKey key = store.OpenForReading(QStringLiteral("Options"));
        EXPECT_EQ(store.ReadNumber(key, QStringLiteral("MainWindowFlags"), -1), -1);
        EXPECT_TRUE(store.WriteNumber(store.OpenForWriting(QStringLiteral("Options")),
                                      QStringLiteral("MainWindowFlags"), 0));
    }
    SettingsStore store(UserFile(), InstallationFile());
    EXPECT_EQ(store.ReadNumber(store.OpenForReading(QStringLiteral("Options")),
                               QStringLiteral("MainWindowFlags"), -1),
              0);
}

TEST_F(SettingsStoreTest, OversizedFileIsNotRead) {
    WriteFile(UserFile(), "[Options]\nMainWindowFlags=3\n" + QByteArray(2 << 20, ' '));
    SettingsStore store(UserFile(), InstallationFile());
    EXPECT_TRUE(store.OpenForReading(QStringLiteral("Options")).IsNull());
    EXPECT_TRUE(QFile::exists(UserFile() + QStringLiteral(".damaged")));
}

TEST_F(SettingsStoreTest, InstallationValuesAreReadBeneathTheUsers) {
    WriteFile(InstallationFile(),
              "[General]\nLanguage=2\n[Options]\nImagesLocal=1\nTemplatesLocal=1\n");
    WriteFile(UserFile(), "[Options]\nTemplatesLocal=0\n");
    SettingsStore store(UserFile(), InstallationFile());
    const SettingsKey key = store.OpenForReading(QStringLiteral("Options"));
    EXPECT_EQ(store.ReadNumber(store.Root(), QStringLiteral("Language"), 0), 2);
    EXPECT_EQ(store.ReadNumber(key, QStringLiteral("ImagesLocal"), 0), 1);
    EXPECT_EQ(store.ReadNumber(key, QStringLiteral("TemplatesLocal"), 1), 0);
}

TEST_F(SettingsStoreTest, StringsAreCutToTheirBuffer) {
    WriteFile(UserFile(), "[Options]\nCDFileLocation=" + QByteArray(300, 'a') + "\n");
    SettingsStore store(UserFile(), InstallationFile());
    QString text;
    EXPECT_TRUE(store.ReadString(store.OpenForReading(QStringLiteral("Options")),
                                 QStringLiteral("CDFileLocation"), text, 128));
    EXPECT_EQ(text.size(), 127);
}

TEST(RecentFilesTest, SamePathInAnotherCaseKeepsOneEntryNowFirst) {
    RecentFiles recent;
    recent.Add(QStringLiteral("/home/ana/Tarjeta.wxd"));
    recent.Add(QStringLiteral("/home/ana/otra.wxd"));
    recent.Add(QStringLiteral("/HOME/ana/tarjeta.WXD"));
    ASSERT_EQ(recent.Count(), 2);
    EXPECT_EQ(recent.At(0), QStringLiteral("/HOME/ana/tarjeta.WXD"));
    EXPECT_EQ(recent.At(1), QStringLiteral("/home/ana/otra.wxd"));
}

TEST(RecentFilesTest, KeepsTheTenMostRecent) {
    RecentFiles recent;
    for (int i = 0; i < 12; ++i) {
        recent.Add(QStringLiteral("/f%1.wxd").arg(i));
    }
    ASSERT_EQ(recent.Count(), 10);
    EXPECT_EQ(recent.At(0), QStringLiteral("/f11.wxd"));
    EXPECT_EQ(recent.At(9), QStringLiteral("/f2.wxd"));
    EXPECT_TRUE(recent.At(10).isEmpty());
}

TEST_F(SettingsStoreTest, RecentFilesDropMissingFilesAndUnusedValues) {
    const QString a = MakeDocument(QStringLiteral("a.wxd"));
    const QString b = MakeDocument(QStringLiteral("b.wxd"));
    WriteFile(UserFile(),
              QStringLiteral("[Recent%20File%20List]\nFile1=%1\nFile2=/nowhere/gone.wxd\n"
                             "File3=NoKey\nFile4=\nFile5=%2\nFile9=%1\n")
                  .arg(a, b)
                  .toUtf8());
    {
        SettingsStore store(UserFile(), InstallationFile());
        ASSERT_EQ(store.recentFiles().Count(), 2);
        EXPECT_EQ(store.recentFiles().At(0), a);
        EXPECT_EQ(store.recentFiles().At(1), b);
        store.recentFiles().Add(b);
    }  // written when the store goes
    SettingsStore store(UserFile(), InstallationFile());
    const SettingsKey key = store.OpenForReading(QStringLiteral("Recent File List"));
    QString text;
    EXPECT_TRUE(store.ReadString(key, QStringLiteral("File1"), text, 4096));
    EXPECT_EQ(text, b);
    EXPECT_TRUE(store.ReadString(key, QStringLiteral("File2"), text, 4096));
    EXPECT_EQ(text, a);
    EXPECT_FALSE(store.HasValue(key, QStringLiteral("File3")));
    EXPECT_FALSE(store.HasValue(key, QStringLiteral("File4")));
    EXPECT_FALSE(store.HasValue(key, QStringLiteral("File9")));
}

TEST_F(SettingsStoreTest, RecentFilesAreLookedAtWithoutOpeningThem) {
    // A FIFO opened for reading waits for a writer: the start would never come.
    const QString fifo = dir.filePath(QStringLiteral("fifo.wxd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString a = MakeDocument(QStringLiteral("a.wxd"));
    WriteFile(UserFile(), QStringLiteral("[Recent%20File%20List]\nFile1=%1\nFile2=%2\n"
                                         "File3=/dev/zero\nFile4=%3\n")
                              .arg(fifo, a, dir.path())
                              .toUtf8());
    // The installation's file too is looked at before it is read.
    QDir().mkpath(ProgramFolder());
    ASSERT_EQ(::mkfifo(QFile::encodeName(InstallationFile()).constData(), 0600), 0);
    SettingsStore store(UserFile(), InstallationFile());
    EXPECT_EQ(store.recentFiles().entries(), QStringList{a});
    EXPECT_EQ(store.ReadNumber(store.Root(), QStringLiteral("Language"), 7), 7);
}

}  // namespace
}  // namespace quenby
