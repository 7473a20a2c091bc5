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
        editor()->RulerCornerPressed();
        return;
    }
    Ruler::mousePressEvent(event);
}

void HorizontalRuler::mouseMoveEvent(QMouseEvent* event) {
    // The ruler holds the pointer from the corner's press on; the crosshair is the page's.
    if (editor() && editor()->CrosshairUnderWay()) {
        editor()->RulerDragMoved(event->globalPosition().toPoint());
        return;
    }
    Ruler::mouseMoveEvent(event);
}

void HorizontalRuler::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && editor() && editor()->CrosshairUnderWay()) {
        editor()->RulerDragReleased(event->globalPosition().toPoint());
        return;
    }
    Ruler::mouseReleaseEvent(event);
}

}  // namespace quenby
