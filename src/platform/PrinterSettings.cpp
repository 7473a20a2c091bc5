#include "platform/PrinterSettings.h"

#include <QPageSize>
#include <QRect>
#include <QSizeF>

namespace quenby {
namespace {

// The standard paper numbers the paper table uses, as page sizes.
QPageSize PageSizeForCode(int code) {
    switch (code) {
        case 1:
            return QPageSize(QPageSize::Letter);
        case 8:
            return QPageSize(QPageSize::A3);
        case 11:
            return QPageSize(QPageSize::A5);
        case 27:
            return QPageSize(QPageSize::EnvelopeDL);
        case 31:
            return QPageSize(QPageSize::EnvelopeC6);
        default:
            return QPageSize(QPageSize::A4);
    }
}

}  // namespace

void DeviceMode::SetDocumentOrientation(int documentOrientation) {
    orientation = std::int16_t(documentOrientation == 1 ? 2 : 1);
}

void DeviceMode::SetPaper(int paperCode, double customWidthMm, double customHeightMm) {
    paperSize = std::int16_t(paperCode);
    paperWidthMm = customWidthMm > 0 ? customWidthMm : 0;
    paperHeightMm = customHeightMm > 0 ? customHeightMm : 0;
}

QPageLayout DeviceMode::PageLayout(const QMarginsF& marginsMm) const {
    const QPageSize size = paperWidthMm > 0 && paperHeightMm > 0
                               ? QPageSize(QSizeF(paperWidthMm, paperHeightMm),
                                           QPageSize::Millimeter, QString(), QPageSize::ExactMatch)
                               : PageSizeForCode(paperSize);
    return QPageLayout(size, orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait,
                       marginsMm, QPageLayout::Millimeter);
}

PrinterCaps PrinterCaps::Of(const QPageLayout& layout, int dpi) {
    PrinterCaps caps;
    if (dpi <= 0) {
        return caps;
    }
    const QRect full = layout.fullRectPixels(dpi);
    const QRect paint = layout.paintRectPixels(dpi);
    caps.dpiX = dpi;
    caps.dpiY = dpi;
    caps.physicalWidth = full.width();
    caps.physicalHeight = full.height();
    caps.printableWidth = paint.width();
    caps.printableHeight = paint.height();
    caps.offsetX = paint.left() - full.left();
    caps.offsetY = paint.top() - full.top();
    return caps;
}

}  // namespace quenby
