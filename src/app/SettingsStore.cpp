#include "app/SettingsStore.h"

#include "platform/FileProbe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <chrono>
#include <limits>
#include <vector>

namespace quenby {

namespace {

// A settings file larger than this is not ours: it is set aside rather than read.
constexpr qint64 kMaxSettingsFileBytes = 1 << 20;
// Linux paths may be far longer than the 255 bytes the list once allowed.
constexpr int kRecentPathSize = 4096;
// How long the start waits for the file systems of the recent files to answer.
constexpr std::chrono::milliseconds kRecentFileCheckTime{2000};

bool FileLooksUsable(const QString& file) {
    const QFileInfo info(file);
    return !info.exists() || (info.isFile() && info.size() <= kMaxSettingsFileBytes);
}

QString ValueText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(u',');  // an unquoted text with commas
    }
    return value.toString();
}

}  // namespace

SettingsStore::SettingsStore(const QString& userFile, const QString& installationFile) {
    // A damaged user file is kept aside under another name, so that the program starts
    // with its defaults and can write a sound file again; nothing of it is lost.
    if (!FileLooksUsable(userFile)) {
        QFile::remove(userFile + QStringLiteral(".damaged"));
        QFile::rename(userFile, userFile + QStringLiteral(".damaged"));
    }
    user_ = std::make_unique<QSettings>(userFile, QSettings::IniFormat);
    if (user_->status() == QSettings::FormatError) {
        user_.reset();
        QFile::remove(userFile + QStringLiteral(".damaged"));
        QFile::rename(userFile, userFile + QStringLiteral(".damaged"));
        user_ = std::make_unique<QSettings>(userFile, QSettings::IniFormat);
    }
    userUsable_ = user_->status() == QSettings::NoError;

    // Looked at before it is read: a FIFO in its place would hold up the start.
    if (FileLooksUsable(installationFile)) {
        installation_ = std::make_unique<QSettings>(installationFile, QSettings::IniFormat);
        installationUsable_ = installation_->status() == QSettings::NoError;
    }
    ReadRecentFiles();
}

SettingsStore::~SettingsStore() {
    WriteRecentFiles();
    Flush();
}

QString SettingsStore::DefaultUserFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Wexmoor Arts/Craftdesk-1.0.ini");
}

QString SettingsStore::InstallationFileIn(const QString& programFolder) {
    QString folder = programFolder;
    if (!folder.endsWith(u'/')) {
        folder += u'/';
    }
    return folder + QStringLiteral("installation.ini");
}

SettingsKey SettingsStore::Root() const {
    return SettingsKey(QString());
}

SettingsKey SettingsStore::OpenForReading(const QString& name) const {
    const bool inUser = userUsable_ && user_->childGroups().contains(name);
    const bool inInstallation = installationUsable_ && installation_->childGroups().contains(name);
    return inUser || inInstallation ? SettingsKey(name) : SettingsKey();
}

SettingsKey SettingsStore::OpenForWriting(const QString& name) {
    return UserWritable() ? SettingsKey(name) : SettingsKey();
}

bool SettingsStore::UserWritable() const {
    return userUsable_ && user_->isWritable();
}

QString SettingsStore::FullName(const SettingsKey& key, const QString& name) const {
    return key.path().isEmpty() ? name : key.path() + u'/' + name;
}

bool SettingsStore::HasValue(const SettingsKey& key, const QString& name) const {
    if (key.IsNull()) {
        return false;
    }
    const QString full = FullName(key, name);
    return (userUsable_ && user_->contains(full)) ||
           (installationUsable_ && installation_->contains(full));
}

int SettingsStore::ReadNumber(const SettingsKey& key, const QString& name, int fallback) const {
    if (key.IsNull()) {
        return fallback;
    }
    const QString full = FullName(key, name);
    QVariant value;
    if (userUsable_ && user_->contains(full)) {
        value = user_->value(full);
    } else if (installationUsable_ && installation_->contains(full)) {
        value = installation_->value(full);
    } else {
        return fallback;
    }
    bool ok = false;
    const qlonglong number = ValueText(value).trimmed().toLongLong(&ok, 10);
    // A 32-bit value, signed or unsigned, as the store keeps double words.
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::uint32_t>::max()) {
        return fallback;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

bool SettingsStore::ReadString(const SettingsKey& key, const QString& name, QString& out, int size,
                               const QString& fallback) const {
    out.clear();
    const QString full = FullName(key, name);
    QVariant value;
    if (!key.IsNull() && userUsable_ && user_->contains(full)) {
        value = user_->value(full);
    } else if (!key.IsNull() && installationUsable_ && installation_->contains(full)) {
        value = installation_->value(full);
    } else {
        out = fallback;
        return false;
    }
    out = ValueText(value);
    if (size > 0 && out.size() >= size) {
        out.truncate(size - 1);  // the terminator took the last byte
    }
    return true;
}

bool SettingsStore::WriteNumber(const SettingsKey& key, const QString& name, int value) {
    if (key.IsNull() || !UserWritable()) {
        return false;
    }
    user_->setValue(FullName(key, name), value);
    return true;
}

bool SettingsStore::WriteString(const SettingsKey& key, const QString& name, const QString& text) {
    if (key.IsNull() || !UserWritable()) {
        return false;
    }
    user_->setValue(FullName(key, name), text);
    return true;
}

bool SettingsStore::DeleteValue(const SettingsKey& key, const QString& name) {
    if (key.IsNull() || !UserWritable()) {
        return false;
    }
    const QString full = FullName(key, name);
    if (!user_->contains(full)) {
        return false;
    }
    user_->remove(full);
    return true;
}

void SettingsStore::ReadRecentFiles() {
    const SettingsKey key = OpenForReading(QString::fromLatin1(kRecentFilesKey));
    QStringList stored;
    for (int n = 1; n <= RecentFiles::kMaxEntries; ++n) {
        QString path;
        ReadString(key, QStringLiteral("File%1").arg(n), path, kRecentPathSize,
                   QStringLiteral("NoKey"));
        stored.append(path);
    }
    // The files are looked at, never opened (a FIFO would wait for a writer), and for a
    // limited time: an entry on a slow or lost mount is kept rather than holding up the
    // start.
    QStringList named;
    for (const QString& path : stored) {
        if (!path.isEmpty() && path != QLatin1String("NoKey")) {
            named.append(path);
        }
    }
    const std::vector<FileKind> kinds = ProbeFiles(named, kRecentFileCheckTime);
    recentFiles_.Load(stored, [&](const QString& path) {
        const qsizetype i = named.indexOf(path);
        const FileKind kind = i >= 0 ? kinds[std::size_t(i)] : FileKind::Missing;
        return kind == FileKind::Regular || kind == FileKind::Unanswered;
    });
}

void SettingsStore::WriteRecentFiles() {
    const SettingsKey key = OpenForWriting(QString::fromLatin1(kRecentFilesKey));
    for (int n = 1; n <= RecentFiles::kMaxEntries; ++n) {
        const QString name = QStringLiteral("File%1").arg(n);
        if (n <= recentFiles_.Count()) {
            WriteString(key, name, recentFiles_.At(n - 1));
        } else {
            DeleteValue(key, name);
        }
    }
}

bool SettingsStore::Flush() {
    if (!UserWritable()) {
        return false;
    }
    QDir().mkpath(QFileInfo(user_->fileName()).absolutePath());
    user_->sync();
    return user_->status() == QSettings::NoError;
}

}  // namespace quenby
