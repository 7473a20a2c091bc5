#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>

namespace quenby {

// The two corners that turn a card's faces: the dog-ear, a small folded corner inside
// the face, and the flap outside one of its edges. The page view draws them and the
// mouse turns the faces with a click on them; both use these shapes, in canvas pixels.

struct DogEarShape {
    QPolygon triangle;    // P0, P1, P2
    QRect clearedSquare;  // the desk that cuts the face's corner away under it
};
DogEarShape DogEarFor(const QRect& face, int currentFace, int cardType);

struct PageFlapShape {
    int shape = 0;  // 0 and 1 triangles, 2 four corners
    int edge = 0;   // 0 top, 1 right, 2 bottom, 3 left
    QPolygon polygon;
};
PageFlapShape PageFlapFor(const QRect& face, int currentFace, int cardType);

enum class PageTurnCorner { None, DogEar, Flap };
// Which corner `point` lies in.
PageTurnCorner PageTurnCornerAt(QPoint point, const QRect& face, int currentFace, int cardType);

// The face a click on the corner turns to: the dog-ear turns 0↔1 and 2↔3, the flap
// 0 and 1 to 2, and 2 and 3 to 1.
int FaceAfterTurn(PageTurnCorner corner, int currentFace);

// Sides as the window system takes them: right and bottom are one past the last pixel.
inline int RightOf(const QRect& r) {
    return r.x() + r.width();
}
inline int BottomOf(const QRect& r) {
    return r.y() + r.height();
}

}  // namespace quenby
