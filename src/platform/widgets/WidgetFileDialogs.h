#pragma once

#include "platform/FileDialogs.h"

class QWidget;

namespace quenby {

// The platform's file dialogs (QFileDialog), owned by `owner` (may be null).
class WidgetFileDialogs final : public FileDialogs {
public:
    explicit WidgetFileDialogs(QWidget* owner) : owner_(owner) {}
    // The window the boxes belong to once it exists.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    std::optional<QString> ChooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<QString> ChooseFileToSave(const FileDialogRequest& request) override;

private:
    QWidget* owner_;
};

}  // namespace quenby
