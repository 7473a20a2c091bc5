#pragma once

#include <QPoint>
#include <QRect>

class QPainter;

namespace quenby {

struct Document;
class ElementLayerCache;
class TextShapeCache;

// What a paint of the page view needs to know besides the document.
struct PageViewState {
    int zoomPercent = 25;
    double pixelsPerMm = 96.0 / 25.4;
    QPoint scroll;            // scroll position: canvas point = client point + scroll
    QRect clientRect;         // the part of the window to paint, client pixels
    QRect printableDocUnits;  // the sheet's printable area; empty: no margins shown
    TextShapeCache* textShapes = nullptr;  // the view's texts kept between paints, if any
    ElementLayerCache* elementLayers = nullptr;  // its elements' images, if any
};

// Paints the page view into `painter`, which draws in client pixels: the desk, the face
// with its decorations (page set: shadow, tile dividers, printable area of every tile;
// card: outline, flap, dog-ear, the printable area of the folded sheet), the dot grid,
// the elements of the current face and the selection handles. Returns the face
// rectangle on the canvas (empty for a document with no layout yet).
QRect PaintPageView(QPainter& painter, const Document& doc, const PageViewState& state);

// Just the face with its decorations at `face` (in the painter's coordinates), without
// the desk around it, the grid or the elements; no margins when
// `state.printableDocUnits` is empty. The template browser's preview draws its face so.
void PaintFaceBackground(QPainter& painter, const Document& doc, const PageViewState& state,
                         const QRect& face);

// Just the dot grid of the face at `face` (canvas), for the given state.
void PaintDotGrid(QPainter& painter, const Document& doc, const PageViewState& state,
                  const QRect& face);

}  // namespace quenby
