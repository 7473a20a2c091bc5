#pragma once

#include "app/RecentFiles.h"

#include <QString>

#include <memory>

class QSettings;

namespace quenby {

// A key of the settings store: a group path, or nothing when the key could not be
// opened. Every operation on a null key fails quietly.
class SettingsKey {
public:
    SettingsKey() = default;
    explicit SettingsKey(QString path) : path_(std::move(path)), valid_(true) {}
    bool IsNull() const { return !valid_; }
    const QString& path() const { return path_; }

private:
    QString path_;
    bool valid_ = false;
};

// The program's settings: what the program writes lives in an INI file in the user's
// config folder; what the installation writes (language, artwork locations) lives in
// an INI file in the program folder and is read beneath the user's values. A file that
// is missing, unreadable or damaged reads as empty, so every value takes its default.
class SettingsStore {
public:
    static constexpr const char* kOptionsKey = "Options";
    static constexpr const char* kToolbarOptionsKey = "ToolbarOptions";
    static constexpr const char* kRecentFilesKey = "Recent File List";

    // `userFile`: the file the program writes; `installationFile`: read only.
    // Reads the recent-file list.
    SettingsStore(const QString& userFile, const QString& installationFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The user's file in the config folder ($XDG_CONFIG_HOME/Wexmoor Arts/Craftdesk-1.0.ini).
    static QString DefaultUserFile();
    // The installation's file in the program folder.
    static QString InstallationFileIn(const QString& programFolder);

    SettingsKey Root() const;
    // Null when the key exists in neither file.
    SettingsKey OpenForReading(const QString& name) const;
    // Null when the user's file cannot be written.
    SettingsKey OpenForWriting(const QString& name);

    // The stored 32-bit number, or `fallback` when missing or not a number.
    int ReadNumber(const SettingsKey& key, const QString& name, int fallback) const;
    // The stored text cut to `size` − 1 characters; false (and `fallback`) when missing.
    bool ReadString(const SettingsKey& key, const QString& name, QString& out, int size,
                    const QString& fallback = {}) const;
    bool WriteNumber(const SettingsKey& key, const QString& name, int value);
    bool WriteString(const SettingsKey& key, const QString& name, const QString& text);
    bool DeleteValue(const SettingsKey& key, const QString& name);
    bool HasValue(const SettingsKey& key, const QString& name) const;

    RecentFiles& recentFiles() { return recentFiles_; }
    const RecentFiles& recentFiles() const { return recentFiles_; }

    // Reads the recent-file list afresh (dropping files that no longer exist).
    void ReadRecentFiles();
    // Writes "File1".."File10" and deletes the unused ones.
    void WriteRecentFiles();
    // Writes everything to disk now; false when the file could not be written.
    bool Flush();

private:
    QString FullName(const SettingsKey& key, const QString& name) const;
    bool UserWritable() const;

    std::unique_ptr<QSettings> user_;
    std::unique_ptr<QSettings> installation_;
    bool userUsable_ = false;
    bool installationUsable_ = false;
    RecentFiles recentFiles_;
};

}  // namespace quenby
