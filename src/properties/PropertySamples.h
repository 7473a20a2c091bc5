#pragma once

#include "properties/PropertyMode.h"

#include <QRect>

class QPainter;

namespace quenby {

struct Element;

// The samples the property dialogs show, drawn by the page's own element drawing from
// a copy of the working copy laid into the sample box (device pixels of `painter`).

// The fill: a box (an ellipse for an ellipse) filled as the element is, or the letters
// "Aa" filled as its text is.
void DrawFillSample(QPainter& painter, const QRect& box, const Element& workingCopy,
                    PropertyMode mode);

// The outline at `width` pixels (kept within 1..50 for the sample) while `outlined`:
// the element's shape, or the letters "Aa".
void DrawOutlineSample(QPainter& painter, const QRect& box, const Element& workingCopy,
                       PropertyMode mode, bool outlined, int width);

// The letters "Aa" with the text's shadow, drawn at a zoom of 40 % in the box less
// 21 pixels on every side.
void DrawShadowSample(QPainter& painter, const QRect& box, const Element& workingCopy);

}  // namespace quenby
