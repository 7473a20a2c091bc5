#pragma once

#include "editing/PageTurnCorners.h"

#include <QColor>
#include <QPolygon>
#include <QRect>

class QPainter;

namespace quenby {

struct Document;

// The corners that make a card face look like a sheet that can be turned: the dog-ear
// inside the face and the flap outside it, and the printable area of the sheet
// mirrored onto each face, in canvas pixels.
namespace view {

inline const QColor kDeskColour(160, 165, 170);
inline const QColor kCornerGrey(225, 225, 225);

// The page-turn corners, drawn over the face's edge (their shapes: PageTurnCorners.h).
void DrawDogEar(QPainter& painter, const DogEarShape& ear);
void DrawPageFlap(QPainter& painter, const PageFlapShape& flap);

// The sheet's printable area as it falls on the current card face: `printable` is the
// area in canvas pixels with the sheet's top-left corner at the face's top-left.
QRect CardMarginRect(const QRect& face, const QRect& printable, int cardType, int currentFace,
                     int orientation);

}  // namespace view
}  // namespace quenby
