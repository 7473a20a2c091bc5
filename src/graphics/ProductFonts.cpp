#include "graphics/ProductFonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>

namespace quenby {

bool IsProductTypeface(const QString& faceName) {
    for (const char* name : kProductTypefaces) {
        if (faceName == QLatin1String(name))
            return true;
    }
    return false;
}

namespace {
bool markProductFonts = true;
}  // namespace

bool MarkProductFonts() {
    return markProductFonts;
}

void SetMarkProductFonts(bool mark) {
    markProductFonts = mark;
}

bool ShowsAsProductTypeface(const QString& faceName) {
    return markProductFonts && IsProductTypeface(faceName);
}

QStringList RegisterProductFonts(const QString& programFolder) {
    QStringList families;
    const QDir fonts(QDir(programFolder).filePath(QStringLiteral("fonts")));
    const QStringList files = fonts.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")},
                                              QDir::Files, QDir::Name);
    const QStringList known = QFontDatabase::families();
    for (const QString& file : files) {
        // Adding the same file twice would list the face twice.
        const QString stem = QFileInfo(file).completeBaseName();
        if (known.contains(stem)) {
            families.append(stem);
            continue;
        }
        const int id = QFontDatabase::addApplicationFont(fonts.filePath(file));
        if (id >= 0)
            families.append(QFontDatabase::applicationFontFamilies(id));
    }
    return families;
}

}  // namespace quenby
