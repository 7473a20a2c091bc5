#include "PictureList.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

namespace quenby::artwork {

std::optional<std::vector<ListedPicture>> ReadPictureList(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return std::nullopt;
    }
    static const QRegularExpression kName(QStringLiteral("^[a-z0-9_]+$"));
    static const QRegularExpression kBlanks(QStringLiteral("\\s+"));
    std::vector<ListedPicture> list;
    QSet<QString> seen;
    QTextStream in(&file);
    for (int lineNumber = 1; !in.atEnd(); ++lineNumber) {
        QString line = in.readLine();
        line = line.left(line.indexOf(QLatin1Char('#'))).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList parts = line.split(kBlanks);
        auto refuse = [&](const QString& why) {
            *error = QStringLiteral("%1:%2: %3").arg(path).arg(lineNumber).arg(why);
            return std::nullopt;
        };
        if (parts.size() != 2)
            return refuse(QStringLiteral("expected: name millimetres"));
        const QString& name = parts[0];
        if (!kName.match(name).hasMatch())
            return refuse(QStringLiteral("a name is made of a-z, 0-9 and _"));
        if (name.size() > kLongestName)
            return refuse(QStringLiteral("name longer than %1 bytes").arg(kLongestName));
        if (seen.contains(name))
            return refuse(QStringLiteral("%1 is listed twice").arg(name));
        bool number = false;
        const double mm = parts[1].toDouble(&number);
        if (!number || mm < kShortestLongSideMm || mm > kLongestLongSideMm)
            return refuse(QStringLiteral("the longer side must be %1 to %2 mm")
                              .arg(kShortestLongSideMm)
                              .arg(kLongestLongSideMm));
        seen.insert(name);
        list.push_back({name, mm});
    }
    return list;
}

QString CompareWithDrawings(const std::vector<ListedPicture>& list, const QString& folder) {
    QSet<QString> drawings;
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.svg")}, QDir::Files))
        drawings.insert(file.chopped(4));
    QStringList faults;
    for (const ListedPicture& p : list) {
        if (!drawings.remove(p.name))
            faults << QStringLiteral("no drawing %1.svg").arg(p.name);
    }
    QStringList unlisted(drawings.begin(), drawings.end());
    unlisted.sort();
    for (const QString& name : unlisted)
        faults << QStringLiteral("%1.svg is not listed").arg(name);
    return faults.join(QStringLiteral("; "));
}

}  // namespace quenby::artwork
