#pragma once

#include <QPoint>
#include <QString>

namespace quenby {

struct Document;
struct PageGeometry;

// The pointer on the document's grid. The grid's lines stand gridSpacingX and
// gridSpacingY millimetres apart and run through the measuring origin (originX,
// originY); snapping takes the status bar's position, the crosshair, the origin it
// places and the right button's press to the nearest line each way.

// `pagePixel` snapped to the nearest grid line each way, ties going to the lower
// line; unchanged while snapping is off, and for a spacing that is not positive.
QPoint SnapPoint(QPoint pagePixel, const Document& doc, const PageGeometry& geometry);

// The pointer's position in millimetres from the measuring origin, as the status bar
// shows it: from the snapped page pixel and, while snapping is on, on the grid.
struct PointerMm {
    double x = 0.0;
    double y = 0.0;
};
PointerMm PointerPosition(QPoint pagePixel, const Document& doc, const PageGeometry& geometry);

// The status bar's two panes, "X = 12.5mm" and "Y = 40.0mm"; a single blank each
// while the document has no layout yet.
struct PointerPanes {
    QString x;
    QString y;
};
PointerPanes PointerPaneTexts(QPoint pagePixel, const Document& doc, const PageGeometry& geometry);

}  // namespace quenby
