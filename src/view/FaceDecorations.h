#pragma once

#include <QColor>
#include <QPolygon>
#include <QRect>

class QPainter;

namespace quenby {

struct Document;

// The corners that make a card face look like a sheet that can be turned: the dog-ear
// inside the face and the flap outside it, and the printable area of the sheet
// mirrored onto each face. Shapes are in canvas pixels; the mouse code hit-tests the
// same polygons.
namespace view {

inline const QColor kDeskColour(160, 165, 170);
inline const QColor kCornerGrey(225, 225, 225);

// The first page-turn corner, a small triangle inside a corner of the face, and the
// square of desk under it that cuts the face's corner away.
struct DogEarShape {
    QPolygon triangle;  // P0, P1, P2
    QRect clearedSquare;
};
DogEarShape DogEarFor(const QRect& face, int currentFace, int cardType);
void DrawDogEar(QPainter& painter, const DogEarShape& ear);

// The second page-turn corner: a flap outside one edge of the face, a triangle
// (shapes 0 and 1) or the whole edge (shape 2).
struct PageFlapShape {
    int shape = 0;  // 0 and 1 triangles, 2 four corners
    int edge = 0;   // 0 top, 1 right, 2 bottom, 3 left
    QPolygon polygon;
};
PageFlapShape PageFlapFor(const QRect& face, int currentFace, int cardType);
void DrawPageFlap(QPainter& painter, const PageFlapShape& flap);

// The sheet's printable area as it falls on the current card face: `printable` is the
// area in canvas pixels with the sheet's top-left corner at the face's top-left.
QRect CardMarginRect(const QRect& face, const QRect& printable, int cardType, int currentFace,
                     int orientation);

// Sides as the window system takes them: right and bottom are one past the last pixel.
inline int RightOf(const QRect& r) {
    return r.x() + r.width();
}
inline int BottomOf(const QRect& r) {
    return r.y() + r.height();
}

}  // namespace view
}  // namespace quenby
