#pragma once

#include "view/Ruler.h"

namespace quenby {

// The ruler at the left of the page view.
class VerticalRuler final : public Ruler {
    Q_OBJECT

public:
    static constexpr int kId = 4325;

    VerticalRuler(QWidget* parent, EditorWindow& editor);

    QSize sizeHint() const override { return {kCornerSize, 100}; }
};

}  // namespace quenby
