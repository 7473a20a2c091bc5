#include "app/DocumentsFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quenby {

QString DocumentsFolder(const QString& documents, const QString& home) {
    QString folder = !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : home;
    if (folder.isEmpty()) {
        folder = QDir::rootPath();
    }
    if (!folder.endsWith(u'/')) {
        folder += u'/';
    }
    return folder;
}

QString DefaultDocumentsFolder() {
    return DocumentsFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                           QDir::homePath());
}

}  // namespace quenby
