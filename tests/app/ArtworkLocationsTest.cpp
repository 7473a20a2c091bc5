#include "app/ArtworkSettings.h"
#include "app/SettingsStore.h"
#include "platform/ArtworkLocations.h"
#include "support/Fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenby {
namespace {

class FakeVolumes final : public VolumeList {
public:
    std::optional<std::vector<MountedVolume>> Volumes() const override {
        if (unreadable) {
            return std::nullopt;
        }
        return volumes;
    }
    std::vector<MountedVolume> volumes;
    bool unreadable = false;
};

TEST(ArtworkLocationsTest, LocalArtworkIsInTheProgramFolder) {
    FakeVolumes none;
    ArtworkLocations locations(QStringLiteral("/opt/quenby/share/quenby/"), none);
    EXPECT_EQ(locations.ResolveArtworkPath(QStringLiteral("a.wxg"), true, ArtworkKind::Images),
              QStringLiteral("/opt/quenby/share/quenby/Images/a.wxg"));
    EXPECT_EQ(locations.ResolveArtworkPath(QStringLiteral("*.cal"), true, ArtworkKind::Calendars),
              QStringLiteral("/opt/quenby/share/quenby/Calendars/*.cal"));
    EXPECT_EQ(locations.ProgramFilePath(QStringLiteral("/help/0/index.html")),
              QStringLiteral("/opt/quenby/share/quenby/help/0/index.html"));
}

TEST(ArtworkLocationsTest, CdIsFoundByItsLabelPrefixInAnyCase) {
    FakeVolumes volumes;
    volumes.volumes = {{QStringLiteral("/media/usb"), QStringLiteral("Q_QUENBY_DISK"), false},
                       {QStringLiteral("/media/cd0"), QStringLiteral("Q_QUENB"), true},
                       {QStringLiteral("/media/cd1"), QStringLiteral("q_quenby_es"), true}};
    ArtworkLocations locations(QStringLiteral("/prog/"), volumes);
    EXPECT_EQ(locations.ResolveArtworkPath(QStringLiteral("a.wxg"), false, ArtworkKind::Images),
              QStringLiteral("/media/cd1/Images/a.wxg"));

    // Only the first seven characters of the prefix, or not an optical disc: not the CD.
    volumes.volumes.pop_back();
    EXPECT_FALSE(locations.ResolveArtworkPath(QStringLiteral("a.wxg"), false, ArtworkKind::Images));
    volumes.unreadable = true;
    EXPECT_FALSE(locations.FindArtworkCd());
}

TEST(ArtworkLocationsTest, CdFolderComesBetweenTheRootAndTheArtworkFolder) {
    QTemporaryDir dir;
    QFile install(SettingsStore::InstallationFileIn(dir.path()));
    ASSERT_TRUE(install.open(QIODevice::WriteOnly));
    install.write("[Options]\nCDFileLocation=DATA\\\\\nTemplatesLocal=1\n");
    install.close();
    SettingsStore store(dir.filePath(QStringLiteral("user.ini")), install.fileName());

    FakeVolumes volumes;
    volumes.volumes = {{QStringLiteral("/media/E"), QStringLiteral("Q_QUENBY"), true}};
    ArtworkLocations locations(dir.path(), volumes);
    ReadArtworkSettings(store, locations);
    EXPECT_EQ(locations.cdFolder(), QStringLiteral("DATA/"));
    EXPECT_TRUE(locations.templatesLocal);
    EXPECT_FALSE(locations.imagesLocal);
    EXPECT_EQ(locations.ResolveArtworkPath(QStringLiteral("a.wxg"), false, ArtworkKind::Images),
              QStringLiteral("/media/E/DATA/Images/a.wxg"));
}

TEST(ArtworkLocationsTest, CdFolderCannotLeadOutOfTheCd) {
    QTemporaryDir dir;
    QFile install(SettingsStore::InstallationFileIn(dir.path()));
    ASSERT_TRUE(install.open(QIODevice::WriteOnly));
    install.write("[Options]\nCDFileLocation=../../etc\n");
    install.close();
    SettingsStore store(dir.filePath(QStringLiteral("user.ini")), install.fileName());
    FakeVolumes none;
    ArtworkLocations locations(dir.path(), none);
    ReadArtworkSettings(store, locations);
    EXPECT_TRUE(locations.cdFolder().isEmpty());
}

TEST(ArtworkLocationsTest, ReachableOnlyWhenTheMarkerFileIsOnTheCd) {
    QTemporaryDir cd;
    FakeVolumes volumes;
    volumes.volumes = {{cd.path(), QStringLiteral("Q_QUENBY"), true}};
    ArtworkLocations locations(QStringLiteral("/prog/"), volumes);
    test::FakeMessages messages;

    EXPECT_FALSE(locations.CheckArtworkReachable(messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("Asegurar que el CD-ROM")));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("No se pueden encontrar imágenes"));

    ASSERT_TRUE(QDir(cd.path()).mkpath(QStringLiteral("Images")));
    QFile marker(cd.filePath(QStringLiteral("Images/images.def")));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    EXPECT_TRUE(locations.CheckArtworkReachable(messages));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(ArtworkLocationsTest, LanguageComesFromTheInstallationAndDefaultsToZero) {
    QTemporaryDir dir;
    const QString installFile = SettingsStore::InstallationFileIn(dir.path());
    {
        SettingsStore store(dir.filePath(QStringLiteral("user.ini")), installFile);
        EXPECT_EQ(ReadLanguage(store), 0);
    }
    QFile install(installFile);
    ASSERT_TRUE(install.open(QIODevice::WriteOnly));
    install.write("[General]\nLanguage=3\n");
    install.close();
    SettingsStore store(dir.filePath(QStringLiteral("user.ini")), installFile);
    EXPECT_EQ(ReadLanguage(store), 3);
}

}  // namespace
}  // namespace quenby
