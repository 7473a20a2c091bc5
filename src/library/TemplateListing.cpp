#include "library/TemplateListing.h"

#include "library/LibraryListing.h"

#include <QDir>

#include <optional>

namespace quenby::template_listing {
namespace {

const QString kExtension = QStringLiteral(".wxd");

// The character that marks a template of a language: its digit, when there is one.
std::optional<QChar> LanguageDigit(int language) {
    if (language < 0 || language > 9) {
        return std::nullopt;
    }
    return QChar(u'0' + language);
}

bool StartsWithDigit(const QString& name) {
    return !name.isEmpty() && name.front() >= u'0' && name.front() <= u'9';
}

}  // namespace

QString CategoryFolder(int category) {
    return QString::number(category);
}

QString ShownName(const QString& stem, int language) {
    if (!StartsWithDigit(stem) || stem.front() != LanguageDigit(language)) {
        return stem;
    }
    return stem.mid(1) + u' ';
}

std::vector<TemplateEntry> ListTemplates(const QString& folder, int language) {
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) {
        return {};
    }
    QStringList names;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Readable, QDir::NoSort)) {
        if (name.size() > kExtension.size() && name.endsWith(kExtension, Qt::CaseInsensitive) &&
            library_listing::PassesLanguageFilter(name, language)) {
            names.append(name);
        }
    }
    // The folder gives its names in no particular order: sorted, the list is the same
    // on every machine.
    library_listing::SortByteWise(names);
    std::vector<TemplateEntry> entries;
    entries.reserve(std::size_t(names.size()));
    for (const QString& name : names) {
        entries.push_back({ShownName(name.chopped(kExtension.size()), language), name});
    }
    return entries;
}

}  // namespace quenby::template_listing
