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
        path = QUrl(path).toLocalFile();
        if (path.isEmpty()) {
            return {};  // an address of another machine's file
        }
    }
    return QDir::cleanPath(QDir(workingFolder).absoluteFilePath(path));
}

}  // namespace quenby
