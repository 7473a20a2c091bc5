#pragma once

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

namespace quenby::tool {

// Messages go to standard error; questions get their safest answer.
class ConsoleMessages final : public MessageBoxes {
public:
    MessageAnswer Show(const QString& text, const QString& caption, MessageButtons buttons,
                       MessageIcon icon, bool owned) override;
    int shown() const { return shown_; }

private:
    int shown_ = 0;
};

// There is nobody to choose a file.
class NoFileDialogs final : public FileDialogs {
public:
    std::optional<QString> ChooseFileToOpen(const FileDialogRequest&) override { return {}; }
    std::optional<QString> ChooseFileToSave(const FileDialogRequest&) override { return {}; }
};

}  // namespace quenby::tool
