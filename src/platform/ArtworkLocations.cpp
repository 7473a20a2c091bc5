#include "platform/ArtworkLocations.h"

#include "platform/FileProbe.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QStorageInfo>

#include <chrono>

namespace quenby {

namespace {

// A CD drive may take a few seconds to spin up.
constexpr std::chrono::milliseconds kMarkerCheckTime{10000};

QString FolderOf(ArtworkKind kind) {
    switch (kind) {
        case ArtworkKind::Images:
            return QStringLiteral("Images");
        case ArtworkKind::Calendars:
            return QStringLiteral("Calendars");
        case ArtworkKind::Templates:
            return QStringLiteral("Templates");
    }
    return {};
}

QString WithSlash(QString folder) {
    if (!folder.isEmpty() && !folder.endsWith(u'/')) {
        folder += u'/';
    }
    return folder;
}

}  // namespace

std::optional<std::vector<MountedVolume>> SystemVolumeList::Volumes() const {
    std::vector<MountedVolume> volumes;
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
        if (!info.isValid() || !info.isReady()) {
            continue;
        }
        const QByteArray type = info.fileSystemType().toLower();
        const QByteArray device = info.device();
        MountedVolume v;
        v.rootPath = info.rootPath();
        v.label = info.name();
        v.isOptical = type == "iso9660" || type == "udf" || device.startsWith("/dev/sr");
        volumes.push_back(std::move(v));
    }
    return volumes;
}

QString ArtworkLocations::DefaultProgramFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/quenby")) +
           u'/';
}

void ArtworkLocations::SetCdFolder(const QString& folder) {
    QString path = folder;
    path.replace(u'\\', u'/');
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    if (parts.contains(QStringLiteral("..")) || parts.contains(QStringLiteral("."))) {
        cdFolder_.clear();
    } else {
        cdFolder_ = parts.isEmpty() ? QString() : parts.join(u'/') + u'/';
    }
}

bool ArtworkLocations::IsLocal(ArtworkKind kind) const {
    switch (kind) {
        case ArtworkKind::Images:
            return imagesLocal;
        case ArtworkKind::Calendars:
            return calendarsLocal;
        case ArtworkKind::Templates:
            return templatesLocal;
    }
    return false;
}

QString ArtworkLocations::ProgramFilePath(const QString& relative) const {
    QString rest = relative;
    while (rest.startsWith(u'/')) {
        rest.remove(0, 1);
    }
    return WithSlash(programFolder_) + rest;
}

std::optional<QString> ArtworkLocations::FindArtworkCd() const {
    const auto volumes = volumes_.Volumes();
    if (!volumes) {
        return std::nullopt;
    }
    for (const MountedVolume& v : *volumes) {
        if (v.isOptical && v.label.toUpper().startsWith(QLatin1String(kCdLabelPrefix))) {
            return WithSlash(v.rootPath);
        }
    }
    return std::nullopt;
}

std::optional<QString> ArtworkLocations::ResolveArtworkPath(const QString& name, bool local,
                                                            ArtworkKind kind) const {
    if (local) {
        return ProgramFilePath(FolderOf(kind) + u'/' + name);
    }
    const auto cd = FindArtworkCd();
    if (!cd) {
        return std::nullopt;
    }
    return *cd + cdFolder_ + FolderOf(kind) + u'/' + name;
}

bool ArtworkLocations::CheckArtworkReachable(MessageBoxes& messages) const {
    const auto marker =
        ResolveArtworkPath(QStringLiteral("images.def"), false, ArtworkKind::Images);
    // Only its presence counts: it is looked at, never opened, and a drive that does not
    // answer in time counts as missing rather than holding up the program.
    if (marker && ProbeFiles({*marker}, kMarkerCheckTime).front() == FileKind::Regular) {
        return true;
    }
    messages.Warn(7205, 7206);
    return false;
}

}  // namespace quenby
