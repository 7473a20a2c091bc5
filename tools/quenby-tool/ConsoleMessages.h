#pragma once

#include "platform/MessageBoxes.h"

namespace quenby::tool {

// Messages go to standard error; questions get their safest answer.
class ConsoleMessages final : public MessageBoxes {
public:
    MessageAnswer Show(const QString& text, const QString& caption, MessageButtons buttons,
                       MessageIcon icon, bool owned) override;
};

}  // namespace quenby::tool
