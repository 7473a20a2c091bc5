#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quenby {

// What a file dialog is asked for. `filter` is in the program's own form:
// display text and pattern separated by bars, e.g. "Documents (*.WXD)|*.wxd|".
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExtension;  // without the dot
    QString initialFolder;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The chosen file, or nothing when the user cancels.
    virtual std::optional<QString> ChooseFileToOpen(const FileDialogRequest& request) = 0;
    // Asks before overwriting an existing file.
    virtual std::optional<QString> ChooseFileToSave(const FileDialogRequest& request) = 0;
};

// Nobody to choose a file: every dialog is cancelled.
class NoFileDialogs final : public FileDialogs {
public:
    std::optional<QString> ChooseFileToOpen(const FileDialogRequest&) override { return {}; }
    std::optional<QString> ChooseFileToSave(const FileDialogRequest&) override { return {}; }
};

// The bar-separated filter as a list of Qt name filters, "Text (*.a *.A)".
QStringList QtNameFilters(const QString& barFilter);

}  // namespace quenby
