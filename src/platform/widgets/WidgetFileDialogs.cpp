#include "platform/widgets/WidgetFileDialogs.h"

#include <QFileDialog>

namespace quenby {
namespace {

std::optional<QString> Run(QWidget* owner, const FileDialogRequest& request, bool save) {
    QFileDialog dialog(owner, request.title, request.initialFolder);
    dialog.setNameFilters(QtNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension.toLower());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> WidgetFileDialogs::ChooseFileToOpen(const FileDialogRequest& request) {
    return Run(owner_, request, false);
}

std::optional<QString> WidgetFileDialogs::ChooseFileToSave(const FileDialogRequest& request) {
    return Run(owner_, request, true);
}

}  // namespace quenby
