#include "platform/FileDialogs.h"


namespace quenby {

QStringList QtNameFilters(const QString& barFilter) {
    const QStringList parts = barFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts[i];
        const QString pattern = parts[i + 1];
        if (pattern.isEmpty()) {
            continue;
        }
        // File names on Linux are case-sensitive; accept both cases of the pattern.
        QStringList patterns = pattern.split(u';', Qt::SkipEmptyParts);
        const QStringList given = patterns;
        for (const QString& p : given) {
            for (const QString& v : {p.toLower(), p.toUpper()}) {
                if (!patterns.contains(v))
                    patterns.append(v);
            }
        }
        // Qt takes the patterns from the last parentheses of the text.
        filters.append(QStringLiteral("%1 (%2)").arg(text, patterns.join(u' ')));
    }
    return filters;
}

}  // namespace quenby
