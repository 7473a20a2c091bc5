#pragma once

#include <QString>

namespace quenby {

// The folder the open and save dialogs start in: `documents` when it is a folder,
// otherwise `home`, with a trailing slash. The program folder is read-only once
// installed, so the dialogs never start there.
QString DocumentsFolder(const QString& documents, const QString& home);

// The desktop's documents folder (XDG_DOCUMENTS_DIR), else the home folder.
QString DefaultDocumentsFolder();

}  // namespace quenby
