#pragma once

#include <QString>
#include <QStringList>

namespace quenby {

// The document named on the command line (`quenby FILE.wxd`, as the file manager starts
// the program for a double-clicked document): the first argument after the program's
// name, as an absolute path; a "file:" address counts as its local path, and a leading
// "--" only ends the options. Empty when no document is named. Further names are left
// alone: the program holds one document.
QString DocumentToOpen(const QStringList& arguments, const QString& workingFolder);

}  // namespace quenby
