#include "view/VerticalRuler.h"

namespace quenby {

VerticalRuler::VerticalRuler(QWidget* parent, EditorWindow& editor) : Ruler(parent, editor, false) {
    setObjectName(QStringLiteral("4325"));
    resize(kCornerSize, 100);
    setFixedWidth(kCornerSize);
}

}  // namespace quenby
