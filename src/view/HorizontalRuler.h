#pragma once

#include "view/Ruler.h"

namespace quenby {

// The ruler above the page view; its corner square starts the crosshair that places
// the measuring origin.
class HorizontalRuler final : public Ruler {
    Q_OBJECT

public:
    static constexpr int kId = 4324;

    HorizontalRuler(QWidget* parent, EditorWindow& editor);

    QSize sizeHint() const override { return {100, kCornerSize}; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quenby
