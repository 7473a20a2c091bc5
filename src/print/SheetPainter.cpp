#include "print/SheetPainter.h"

#include "document/Document.h"
#include "document/ElementOwner.h"
#include "document/PageDrawing.h"
#include "platform/DeviceContext.h"
#include "platform/PrinterObject.h"

#include <QPainter>
#include <QPen>

#include <cmath>
#include <limits>
#include <vector>

namespace quenby {
namespace {

// Points every element at a printing owner for as long as it lives, so that the
// element drawing converts at the sheet's zoom and leaves out the view's scroll
// origin; the editor's own zoom is never touched.
class PrintingOwnerScope {
public:
    PrintingOwnerScope(Document& doc, ElementOwner& printingOwner) : doc_(doc) {
        for (Element& element : doc_.elements) {
            saved_.push_back(element.owner);
            element.owner = &printingOwner;
        }
    }
    ~PrintingOwnerScope() {
        std::size_t i = 0;
        for (Element& element : doc_.elements) {
            if (i < saved_.size()) {
                element.owner = saved_[i++];
            }
        }
    }
    PrintingOwnerScope(const PrintingOwnerScope&) = delete;
    PrintingOwnerScope& operator=(const PrintingOwnerScope&) = delete;

private:
    Document& doc_;
    std::vector<ElementOwner*> saved_;
};

bool IsWhite(ColourRef c) {
    return (c & 0xFFFFFF) == kWhite;
}

}  // namespace

int DrawingZoom(double deviceDotsPerMm, double screenPixelsPerMm) {
    if (!(deviceDotsPerMm > 0) || !(screenPixelsPerMm > 0)) {
        return 0;
    }
    const double zoom = std::floor(100.0 * deviceDotsPerMm / screenPixelsPerMm);
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

void DrawFace(Document& doc, DeviceContext& dc, const FacePlacement& placement) {
    DrawPage(doc, dc, placement.turned, placement.turnCentre.x(), placement.turnCentre.y());
}

void DrawSheet(Document& doc, QPainter& painter, const SheetGeometry& geometry,
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

    const std::uint8_t savedFace = doc.currentPage;
    FixedOwner printingOwner(geometry.zoomPercent, {}, true);
    PrintingOwnerScope ownerScope(doc, printingOwner);
    DeviceContext dc(painter, true);
    for (const FacePlacement& placement :
         SheetPlacements(doc, options.pageNumber, options.secondSide, geometry.sheet)) {
        doc.currentPage = std::uint8_t(placement.face);
        painter.save();
        painter.translate(placement.origin + toDevice);
        if (drawFace) {
            drawFace(doc, dc, placement);
        } else {
            DrawFace(doc, dc, placement);
        }
        painter.restore();
    }
    doc.currentPage = savedFace;
}

}  // namespace quenby
