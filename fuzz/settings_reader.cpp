// Feeds arbitrary bytes to the settings reader as the user's settings file: the
// placement, toolbar, artwork and recent-file reads must cope, and toolbars written
// back from what was read must read back to the same gadgets.
#include "FuzzTarget.h"

#include "app/ArtworkSettings.h"
#include "app/SettingsStore.h"
#include "app/ToolbarSettings.h"
#include "platform/ArtworkLocations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>

namespace quenby::fuzz {

namespace {

class NoVolumes final : public VolumeList {
public:
    std::optional<std::vector<MountedVolume>> Volumes() const override { return std::nullopt; }
};

}  // namespace

int SettingsReader(const std::uint8_t* data, std::size_t size) {
    // In memory where there is a memory file system: every run writes the settings back.
    static const QString folder =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable()
            ? QStringLiteral("/dev/shm/quenby-settings-XXXXXX")
            : QDir::temp().filePath(QStringLiteral("quenby-settings-XXXXXX"));
    QTemporaryDir dir(folder);
    if (!dir.isValid()) {
        return 0;
    }
    const QString userFile = dir.filePath(QStringLiteral("user.ini"));
    {
        QFile file(userFile);
        if (!file.open(QIODevice::WriteOnly)) {
            return 0;
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const QString installation = SettingsStore::InstallationFileIn(dir.path());
    ToolbarRestorePlan first;
    {
        SettingsStore store(userFile, installation);
        const ToolbarOptions options = ReadToolbarOptions(store);
        first = PlanToolbarRestore(store, options, GadgetOrder());
        NoVolumes volumes;
        ArtworkLocations artwork(dir.path(), volumes);
        ReadArtworkSettings(store, artwork);
        (void)ReadLanguage(store);
        WriteToolbarOptions(store, options);
        for (int i = 0; i < kToolbarCount; ++i) {
            ToolbarSnapshot snapshot;
            snapshot.location = first.toolbars[i].location;
            snapshot.rect = first.toolbars[i].rect;
            snapshot.visible = first.toolbars[i].visible;
            snapshot.gadgets = first.toolbars[i].gadgets;
            SaveToolbar(store, i, snapshot);
        }
    }
    SettingsStore store(userFile, installation);
    const ToolbarRestorePlan second =
        PlanToolbarRestore(store, ReadToolbarOptions(store), GadgetOrder());
    for (int i = 0; i < kToolbarCount; ++i) {
        if (second.toolbars[i].gadgets != first.toolbars[i].gadgets ||
            second.toolbars[i].visible != first.toolbars[i].visible) {
            std::abort();  // the program could not read back what it wrote
        }
    }
    return 0;
}

}  // namespace quenby::fuzz
