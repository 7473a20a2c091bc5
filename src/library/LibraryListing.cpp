#include "library/LibraryListing.h"

#include "platform/Windows1252.h"

#include <QDir>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace quenby::library_listing {
namespace {

const QString kExtension = QStringLiteral(".wxg");

// Plain files ending in ".wxg"; folders, hidden files and anything else are left out.
QStringList GraphicFiles(const QString& folder, Qt::CaseSensitivity extensionCase) {
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) {
        return {};
    }
    const QStringList all = dir.entryList(QDir::Files | QDir::Readable, QDir::NoSort);
    QStringList names;
    for (const QString& name : all) {
        if (name.size() > kExtension.size() && name.endsWith(kExtension, extensionCase)) {
            names.append(name);
        }
    }
    return names;
}

}  // namespace

QString CategoryFolder(int category) {
    return QString::number(category + 1);
}

bool PassesLanguageFilter(const QString& fileName, int language) {
    if (fileName.isEmpty()) {
        return true;
    }
    const char16_t first = fileName.front().unicode();
    if (first < u'0' || first > u'9') {
        return true;
    }
    return int(first - u'0') == language;
}

void SortByteWise(QStringList& names) {
    // Each name's key is worked out once: the product's 8-bit form, cut to the
    // compared length (characters it has no byte for count as '?').
    std::vector<std::pair<QByteArray, QString>> keyed;
    keyed.reserve(std::size_t(names.size()));
    for (QString& name : names) {
        keyed.emplace_back(ToWindows1252(name).left(kNameBytes), std::move(name));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        const int byBytes = std::memcmp(a.first.constData(), b.first.constData(),
                                        std::size_t(std::min(a.first.size(), b.first.size())));
        if (byBytes != 0) {
            return byBytes < 0;
        }
        if (a.first.size() != b.first.size()) {
            return a.first.size() < b.first.size();
        }
        return a.second < b.second;
    });
    names.clear();
    for (auto& entry : keyed) {
        names.append(std::move(entry.second));
    }
}

QStringList ListCategory(const QString& folder, int language) {
    QStringList names;
    // The picture is opened by its whole name, so ".WXG" serves as well.
    for (const QString& name : GraphicFiles(folder, Qt::CaseInsensitive)) {
        if (PassesLanguageFilter(name, language)) {
            names.append(name);
        }
    }
    SortByteWise(names);
    return names;
}

QStringList ListDesigns(const QString& folder) {
    // A design is opened as its name + ".wxg": only names that find their file again.
    QStringList names = GraphicFiles(folder, Qt::CaseSensitive);
    for (QString& name : names) {
        name.chop(kExtension.size());
    }
    SortByteWise(names);
    return names;
}

}  // namespace quenby::library_listing
