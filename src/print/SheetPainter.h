#pragma once

#include "print/SheetLayout.h"

#include <QPoint>
#include <QSize>

#include <functional>

class QPainter;

namespace quenby {

class DeviceContext;
class ElementOwner;
struct Document;
struct PrinterCaps;

// A sheet as the device sees it. The device's origin is at the start of the
// printable area, `offset` from the paper corner.
struct SheetGeometry {
    QSize sheet;      // the whole sheet
    QPoint offset;    // printable area start, from the paper corner
    QSize printable;  // extent of the printable area
    int zoomPercent = 0;

    static SheetGeometry ForPrinter(const PrinterCaps& caps, double screenPixelsPerMm);
};

struct SheetOptions {
    int pageNumber = 1;  // page of a page set
    bool secondSide = false;
    bool fillPageColour = true;  // the printer fills the printable area; the preview does not
    bool foldLines = true;       // the printer draws them when the document asks; the preview never
    bool smooth = false;         // smooth edges, as the preview shows them on the screen
};

// Draws one face at its placement through the sheet's view; the painter is already
// moved to the face's origin.
using FaceDrawer = std::function<void(const Document&, DeviceContext&, const ElementOwner& view,
                                      const FacePlacement&)>;

// floor(100 × device dots per millimetre ÷ screen pixels per millimetre), a ratio
// that is whole but for rounding counting as whole (600 dpi over 96 dpi is 625); 0
// when either is not a positive number.
int DrawingZoom(double deviceDotsPerMm, double screenPixelsPerMm);

// Draws one printed sheet: page colour, fold lines and the faces at their places.
// The elements are drawn at the geometry's zoom as for a printer; the document is not
// changed. An unusable geometry draws nothing.
void DrawSheet(const Document& doc, QPainter& painter, const SheetGeometry& geometry,
               const SheetOptions& options, const FaceDrawer& drawFace = {});

// The default face drawer: the face's elements through the element drawing.
void DrawFace(const Document& doc, DeviceContext& dc, const ElementOwner& view,
              const FacePlacement& placement);

}  // namespace quenby
