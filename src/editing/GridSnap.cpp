#include "editing/GridSnap.h"

#include "document/Document.h"
#include "editing/PageGeometry.h"

#include <cmath>
#include <cstdint>

namespace quenby {
namespace {

// The origin in page pixels at this zoom, in whole pixels as the rulers place it.
std::int64_t OriginPixels(std::int32_t origin, int zoomPercent) {
    return std::int64_t(origin) * zoomPercent / 400;
}

double Frac(double v) {
    return v - std::floor(v);
}

// One coordinate onto the grid of `step` pixels through the origin.
int SnapAxis(int v, std::int32_t origin, int zoomPercent, double step) {
    const double phase = std::ceil(step * Frac(double(OriginPixels(origin, zoomPercent)) / step));
    const double d = double(v) - phase;
    const double r = d - step * std::floor(d / step);
    double snapped = d;
    if (r != 0.0) {
        snapped = r <= step / 2.0 ? std::ceil(d - r) : std::ceil(d + (step - r));
    }
    return int(std::trunc(snapped) + phase);
}

// A grid step in pixels that snapping can use: positive, and not so fine or so coarse
// that the arithmetic above loses its meaning.
bool UsableStep(double step) {
    return std::isfinite(step) && step > 1e-6 && step < 1e9;
}

// A position in millimetres onto the grid of `spacing` millimetres.
double SnapMm(double value, int spacing) {
    const double lower = double(spacing) * std::floor(value / double(spacing));
    const double r = value - lower;
    return (r <= double(spacing) / 2.0 ? lower : lower + spacing) + 0.0;  // no "-0.0"
}

}  // namespace

QPoint SnapPoint(QPoint pagePixel, const Document& doc, const PageGeometry& geometry) {
    if (!doc.snapToGrid) {
        return pagePixel;
    }
    const double s = geometry.PixelsPerMmAtZoom();
    const double sx = s * doc.gridSpacingX;
    const double sy = s * doc.gridSpacingY;
    QPoint snapped = pagePixel;
    if (UsableStep(sx)) {
        snapped.setX(SnapAxis(pagePixel.x(), doc.originX, geometry.zoomPercent, sx));
    }
    if (UsableStep(sy)) {
        snapped.setY(SnapAxis(pagePixel.y(), doc.originY, geometry.zoomPercent, sy));
    }
    return snapped;
}

PointerMm PointerPosition(QPoint pagePixel, const Document& doc, const PageGeometry& geometry) {
    const QPoint s = SnapPoint(pagePixel, doc, geometry);
    const double scale = geometry.PixelsPerMmAtZoom();
    if (!(scale > 0.0)) {
        return {};
    }
    PointerMm mm;
    mm.x = double(s.x() - OriginPixels(doc.originX, geometry.zoomPercent)) / scale;
    mm.y = double(s.y() - OriginPixels(doc.originY, geometry.zoomPercent)) / scale;
    if (doc.snapToGrid) {
        if (doc.gridSpacingX > 0) {
            mm.x = SnapMm(mm.x, doc.gridSpacingX);
        }
        if (doc.gridSpacingY > 0) {
            mm.y = SnapMm(mm.y, doc.gridSpacingY);
        }
    }
    return mm;
}

PointerPanes PointerPaneTexts(QPoint pagePixel, const Document& doc, const PageGeometry& geometry) {
    if (doc.isCard == kNoLayout) {
        return {QStringLiteral(" "), QStringLiteral(" ")};
    }
    const PointerMm mm = PointerPosition(pagePixel, doc, geometry);
    return {QString::asprintf("X = %.1fmm", mm.x), QString::asprintf("Y = %.1fmm", mm.y)};
}

}  // namespace quenby
