#include "print/SheetPainter.h"

#include "document/Document.h"
#include "document/ElementOwner.h"
#include "document/PageDrawing.h"
#include "platform/DeviceContext.h"
#include "platform/PrinterSettings.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quenby {
namespace {

bool IsWhite(ColourRef c) {
    return (c & 0xFFFFFF) == kWhite;
}

}  // namespace

int DrawingZoom(double deviceDotsPerMm, double screenPixelsPerMm) {
    if (!(deviceDotsPerMm > 0) || !(screenPixelsPerMm > 0)) {
        return 0;
    }
    const double exact = 100.0 * deviceDotsPerMm / screenPixelsPerMm;
    // The millimetre conversions on both sides leave a whole ratio a hair short of
    // itself (600 dpi over 96 dpi comes out as 624.99999…), and flooring that would
    // lose a whole percent: pictures would then miss their whole-number scales.
    const double nearest = std::round(exact);
    const double zoom =
        std::fabs(exact - nearest) <= 1e-9 * std::max(1.0, nearest) ? nearest : std::floor(exact);
    if (zoom > std::numeric_limits<int>::max() / 2) {
        return std::numeric_limits<int>::max() / 2;
    }
    return static_cast<int>(zoom);
}

SheetGeometry SheetGeometry::ForPrinter(const PrinterCaps& caps, double screenPixelsPerMm) {
    SheetGeometry g;
    if (!caps.IsUsable()) {
        return g;
    }
    g.sheet = {caps.physicalWidth, caps.physicalHeight};
    g.offset = {caps.offsetX, caps.offsetY};
    g.printable = {caps.printableWidth, caps.printableHeight};
    g.zoomPercent = DrawingZoom(caps.dpiX / 25.4, screenPixelsPerMm);
    return g;
}

void DrawFace(const Document& doc, DeviceContext& dc, const ElementOwner& view,
              const FacePlacement& placement) {
    DrawPage(doc, placement.face, dc, view, placement.turned, placement.turnCentre.x(),
             placement.turnCentre.y());
}

void DrawSheet(const Document& doc, QPainter& painter, const SheetGeometry& geometry,
               const SheetOptions& options, const FaceDrawer& drawFace) {
    if (geometry.sheet.isEmpty() || geometry.zoomPercent <= 0) {
        return;
    }
    if (options.fillPageColour && !IsWhite(doc.pageColour) && !geometry.printable.isEmpty()) {
        painter.fillRect(QRect(QPoint(0, 0), geometry.printable), ToQColor(doc.pageColour));
    }
    const QPoint toDevice = -geometry.offset;
    if (options.foldLines && doc.printFoldLines && doc.isCard == kCard) {
        painter.save();
        QPen pen(Qt::black, 0, Qt::DotLine);  // one dot wide
        painter.setPen(pen);
        for (const QLine& line : FoldLines(doc.cardType, geometry.sheet)) {
            painter.drawLine(line.translated(toDevice));
        }
        painter.restore();
    }

    // The sheet's own view: the printer's zoom, no scroll origin; the editor's view
    // and the document are left as they are.
    const FixedOwner printing(geometry.zoomPercent, {}, true);
    DeviceContext dc(painter, true);
    dc.SetSmooth(options.smooth);
    for (const FacePlacement& placement :
         SheetPlacements(doc, options.pageNumber, options.secondSide, geometry.sheet)) {
        painter.save();
        painter.translate(placement.origin + toDevice);
        if (drawFace) {
            drawFace(doc, dc, printing, placement);
        } else {
            DrawFace(doc, dc, printing, placement);
        }
        painter.restore();
    }
}

}  // namespace quenby
