#include "view/HorizontalRuler.h"

#include "view/EditorWindow.h"

#include <QMouseEvent>

namespace quenby {

HorizontalRuler::HorizontalRuler(QWidget* parent, EditorWindow& editor)
    : Ruler(parent, editor, true) {
    setObjectName(QStringLiteral("4324"));
    resize(100, kCornerSize);
    setFixedHeight(kCornerSize);
}

void HorizontalRuler::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (editor() && event->button() == Qt::LeftButton && p.x() >= 0 && p.x() < kCornerSize &&
        p.y() >= 0 && p.y() < kCornerSize) {
        editor()->RulerCornerPressed(-p);
        return;
    }
    Ruler::mousePressEvent(event);
}

}  // namespace quenby
