#include "app/RecentFiles.h"

#include <algorithm>

namespace quenby {

void RecentFiles::Add(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    entries_.removeIf(
        [&path](const QString& e) { return e.compare(path, Qt::CaseInsensitive) == 0; });
    entries_.prepend(path);
    while (entries_.size() > kMaxEntries) {
        entries_.removeLast();
    }
}

QString RecentFiles::At(int index) const {
    return index >= 0 && index < entries_.size() ? entries_.at(index) : QString();
}

void RecentFiles::Load(const QStringList& stored,
                       const std::function<bool(const QString&)>& fileExists) {
    entries_.clear();
    for (const QString& path : stored) {
        if (path.isEmpty() || path == QLatin1String("NoKey") || !fileExists(path)) {
            continue;
        }
        const bool listed = std::any_of(
            entries_.begin(), entries_.end(),
            [&path](const QString& e) { return e.compare(path, Qt::CaseInsensitive) == 0; });
        if (listed) {
            continue;  // a hand-edited list may name a file twice
        }
        entries_.append(path);
    }
    while (entries_.size() > kMaxEntries) {
        entries_.removeLast();
    }
}

}  // namespace quenby
