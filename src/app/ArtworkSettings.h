#pragma once

namespace quenby {

class ArtworkLocations;
class SettingsStore;

// The artwork locations the installation wrote ("Options": "ImagesLocal",
// "TemplatesLocal", "CalendarsLocal", "CDFileLocation").
void ReadArtworkSettings(const SettingsStore& store, ArtworkLocations& locations);

// The language number of the installation (0 when not given); read afresh each time.
int ReadLanguage(const SettingsStore& store);

}  // namespace quenby
