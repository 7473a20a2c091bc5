#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace quenby {

class MessageBoxes;

// The kinds of artwork and the folder each lives in.
enum class ArtworkKind { Images = 0, Calendars = 1, Templates = 2 };

// A mounted volume as the artwork search sees it.
struct MountedVolume {
    QString rootPath;  // where it is mounted
    QString label;     // its volume name
    bool isOptical = false;
};

// The mounted volumes; the program's own reads QStorageInfo, tests give a list.
class VolumeList {
public:
    virtual ~VolumeList() = default;
    // Nothing when the volumes cannot be listed.
    virtual std::optional<std::vector<MountedVolume>> Volumes() const = 0;
};

class SystemVolumeList final : public VolumeList {
public:
    std::optional<std::vector<MountedVolume>> Volumes() const override;
};

// Where artwork, help and the other program files are found: the program folder, and
// the artwork CD among the mounted volumes by its label.
class ArtworkLocations {
public:
    static constexpr const char* kCdLabelPrefix = "Q_QUENBY";

    ArtworkLocations(QString programFolder, const VolumeList& volumes)
        : programFolder_(std::move(programFolder)), volumes_(volumes) {}

    // The program folder (<exe>/../share/quenby/), ending in a slash.
    static QString DefaultProgramFolder();

    const QString& programFolder() const { return programFolder_; }

    // Where each kind of artwork is read from, as the installation said: true is the
    // program folder, false the artwork CD.
    bool imagesLocal = false;
    bool templatesLocal = false;
    bool calendarsLocal = false;
    // Folder on the CD holding the artwork folders; empty = its root.
    const QString& cdFolder() const { return cdFolder_; }
    // Takes `\` or `/` separators; a folder that leads up and out of the CD is refused
    // (the root is used).
    void SetCdFolder(const QString& folder);

    bool IsLocal(ArtworkKind kind) const;

    // The program folder followed by `relative` (a leading slash is not doubled).
    QString ProgramFilePath(const QString& relative) const;
    // The full path of artwork `name` of `kind`, in the program folder when `local`,
    // otherwise on the artwork CD; nothing when no CD is found.
    std::optional<QString> ResolveArtworkPath(const QString& name, bool local,
                                              ArtworkKind kind) const;
    // The first optical volume whose label begins with the CD prefix, any case.
    std::optional<QString> FindArtworkCd() const;
    // True when the CD artwork's marker file "images.def" is there (a readable plain
    // file, looked at without opening it, within a few seconds); otherwise the
    // message 7205/7206 is shown and false returned.
    bool CheckArtworkReachable(MessageBoxes& messages) const;

private:
    QString programFolder_;
    QString cdFolder_;
    const VolumeList& volumes_;
};

}  // namespace quenby
