#include "app/ArtworkSettings.h"

#include "app/SettingsStore.h"
#include "platform/ArtworkLocations.h"

namespace quenby {

void ReadArtworkSettings(const SettingsStore& store, ArtworkLocations& locations) {
    const SettingsKey key = store.OpenForReading(QString::fromLatin1(SettingsStore::kOptionsKey));
    locations.imagesLocal = store.ReadNumber(key, QStringLiteral("ImagesLocal"), 0) != 0;
    locations.templatesLocal = store.ReadNumber(key, QStringLiteral("TemplatesLocal"), 0) != 0;
    locations.calendarsLocal = store.ReadNumber(key, QStringLiteral("CalendarsLocal"), 0) != 0;
    QString cdFolder;
    store.ReadString(key, QStringLiteral("CDFileLocation"), cdFolder, 128, QString());
    locations.SetCdFolder(cdFolder);
}

int ReadLanguage(const SettingsStore& store) {
    return store.ReadNumber(store.Root(), QStringLiteral("Language"), 0);
}

}  // namespace quenby
