#include "app/CommandLine.h"

#include <QDir>
#include <QUrl>

namespace quenby {

QString DocumentToOpen(const QStringList& arguments, const QString& workingFolder) {
    QStringList names = arguments.mid(1);
    if (!names.isEmpty() && names.first() == QLatin1String("--")) {
        names.removeFirst();
    }
    if (names.isEmpty() || names.first().isEmpty()) {
        return {};
    }
    QString path = names.first();
    if (path.startsWith(QLatin1String("file:"))) {
        const QUrl address(path);
        // Another machine's file is no local path ("//host/..." would be read as one).
        const QString host = address.host();
        if (!host.isEmpty() && host != QLatin1String("localhost")) {
            return {};
        }
        path = address.toLocalFile();
        if (path.isEmpty()) {
            return {};
        }
    }
    return QDir::cleanPath(QDir(workingFolder).absoluteFilePath(path));
}

}  // namespace quenby
