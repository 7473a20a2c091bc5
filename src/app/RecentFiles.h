#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace quenby {

// The recent-file list of the File menu: most recent first, at most ten entries,
// one entry per file whatever the letter case.
class RecentFiles {
public:
    static constexpr int kMaxEntries = 10;

    // Puts `path` first, removing an entry that names the same path in another case.
    void Add(const QString& path);
    // Entry `index` (0-based), or empty.
    QString At(int index) const;
    int Count() const { return static_cast<int>(entries_.size()); }
    const QStringList& entries() const { return entries_; }

    // The stored values in position order: empty texts, the missing-value marker and
    // files that do not exist and repeated entries are dropped; the rest are cut to ten.
    void Load(const QStringList& stored, const std::function<bool(const QString&)>& fileExists);

private:
    QStringList entries_;
};

}  // namespace quenby
