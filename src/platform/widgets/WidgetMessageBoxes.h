#pragma once

#include "platform/MessageBoxes.h"

class QWidget;

namespace quenby {

// Real message boxes, owned by `owner` (may be null).
class WidgetMessageBoxes final : public MessageBoxes {
public:
    explicit WidgetMessageBoxes(QWidget* owner) : owner_(owner) {}
    // The window the boxes belong to once it exists.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    MessageAnswer Show(const QString& text, const QString& caption, MessageButtons buttons,
                       MessageIcon icon, bool owned) override;

private:
    QWidget* owner_;
};

}  // namespace quenby
