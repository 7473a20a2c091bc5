#include "platform/DeviceContext.h"

#include "platform/Dib.h"

#include <QBitmap>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QTransform>

#include <cmath>
#include <utility>
#include <vector>

namespace quenby {
namespace {

// The raster engine fills a path through an outline rasterizer that slows down badly
// once a path holds many tall figures: a long line of big letters took seconds. Filled
// figure by figure the same letters take milliseconds and cover the same pixels.
// Vector devices (printers, PDF) keep the whole path and its curves.
bool FillsThroughPolygons(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster;
}

// The figures of a path as polygons that can be filled one by one with the pixels of
// the whole path: a figure is joined to every figure whose box holds it (so that a
// letter keeps its counters), figures side by side stay apart. Each polygon runs
// through its figures and back to its first point between them, so the fill rule
// still cuts the counters out.
std::vector<QPolygonF> SeparateFigures(const QPainterPath& path) {
    const QList<QPolygonF> figures = path.toSubpathPolygons();
    const qsizetype n = figures.size();
    std::vector<QRectF> boxes;
    boxes.reserve(std::size_t(n));
    for (const QPolygonF& figure : figures) {
        boxes.push_back(figure.boundingRect());
    }
    std::vector<qsizetype> group(static_cast<std::size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        group[std::size_t(i)] = i;
    }
    auto root = [&](qsizetype i) {
        while (group[std::size_t(i)] != i) {
            i = group[std::size_t(i)] = group[std::size_t(group[std::size_t(i)])];
        }
        return i;
    };
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = 0; j < n; ++j) {
            if (i != j && boxes[std::size_t(j)].contains(boxes[std::size_t(i)])) {
                group[std::size_t(root(i))] = root(j);
            }
        }
    }
    std::vector<QPolygonF> polygons(static_cast<std::size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        QPolygonF& polygon = polygons[std::size_t(root(i))];
        polygon += figures[i];
        if (!figures[i].isClosed()) {
            polygon += figures[i].constFirst();
        }
        if (!polygon.isClosed()) {
            polygon += polygon.constFirst();
        }
    }
    std::erase_if(polygons, [](const QPolygonF& p) { return p.isEmpty(); });
    return polygons;
}

}  // namespace

DeviceContext::DeviceContext(QPainter& painter, bool printing)
    : painter_(painter), printing_(printing) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    ApplyPen();
    ApplyBrush();
}

DeviceContext::~DeviceContext() {
    while (clipDepth_ > 0) {
        painter_.restore();
        --clipDepth_;
    }
    painter_.restore();
}

void DeviceContext::SetPen(PenStyle style, ColourRef colour, int width) {
    penStyle_ = style;
    penColour_ = colour;
    penWidth_ = width < 1 ? 1 : width;
    ApplyPen();
}

void DeviceContext::SetSolidBrush(ColourRef colour) {
    brushSolid_ = true;
    brushColour_ = colour;
    ApplyBrush();
}

void DeviceContext::SetEmptyBrush() {
    brushSolid_ = false;
    ApplyBrush();
}

void DeviceContext::SetNotXor(bool on) {
    notXor_ = on;
    // Raster operations exist only where pixels can be read back.
    if (painter_.paintEngine() && painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)) {
        painter_.setCompositionMode(on ? QPainter::RasterOp_NotSourceXorDestination
                                       : QPainter::CompositionMode_SourceOver);
    }
}

void DeviceContext::ApplyPen() {
    if (penStyle_ == PenStyle::None) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    QPen pen(ToQColor(penColour_));
    // One pixel is the cosmetic pen: one device pixel whatever the device.
    pen.setWidth(penWidth_ > 1 ? penWidth_ : 0);
    if (penWidth_ > 3) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        // Round joins of thin pens differ by less than a pixel and cost an arc per point.
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::BevelJoin);
    }
    if (penStyle_ == PenStyle::Dotted) {
        pen.setDashPattern({1.0, 1.0});  // one dot on, one off
    }
    painter_.setPen(pen);
}

void DeviceContext::ApplyBrush() {
    if (brushSolid_) {
        painter_.setBrush(ToQColor(brushColour_));
    } else {
        painter_.setBrush(Qt::NoBrush);
    }
}

void DeviceContext::Polygon(std::span<const QPoint> points) {
    if (points.size() < 2) {
        return;
    }
    painter_.drawPolygon(points.data(), int(points.size()));
}

void DeviceContext::Ellipse(const QRect& box) {
    painter_.drawEllipse(QRectF(box.left(), box.top(), box.width(), box.height()));
}

void DeviceContext::Line(QPoint from, QPoint to) {
    if (penStyle_ == PenStyle::None) {
        return;
    }
    painter_.drawLine(from, to);
}

void DeviceContext::Rectangle(int left, int top, int right, int bottom) {
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (right == left || bottom == top) {
        return;
    }
    const QColor penColour = ToQColor(penColour_);
    const QColor brushColour = ToQColor(brushColour_);
    const int w = penStyle_ == PenStyle::None ? 0 : penWidth_;
    if (w == 0) {
        if (brushSolid_) {
            painter_.fillRect(QRect(left, top, right - left, bottom - top), brushColour);
        }
        return;
    }
    if (2 * w >= right - left || 2 * w >= bottom - top) {
        painter_.fillRect(QRect(left, top, right - left, bottom - top), penColour);
        return;
    }
    // Border strips that do not overlap, then the inside.
    painter_.fillRect(QRect(left, top, right - left, w), penColour);
    painter_.fillRect(QRect(left, bottom - w, right - left, w), penColour);
    painter_.fillRect(QRect(left, top + w, w, bottom - top - 2 * w), penColour);
    painter_.fillRect(QRect(right - w, top + w, w, bottom - top - 2 * w), penColour);
    if (brushSolid_) {
        painter_.fillRect(QRect(left + w, top + w, right - left - 2 * w, bottom - top - 2 * w),
                          brushColour);
    }
}

void DeviceContext::SetPixel(int x, int y, ColourRef colour) {
    painter_.fillRect(QRect(x, y, 1, 1), ToQColor(colour));
}

void DeviceContext::ClipToPolygon(std::span<const QPoint> points) {
    painter_.save();
    ++clipDepth_;
    QPolygon polygon(QList<QPoint>(points.begin(), points.end()));
    // A region is kept scanline by scanline: cut the polygon to what can be seen first,
    // or a shape millions of pixels tall would take gigabytes.
    const QRect seen = VisibleArea().adjusted(-2, -2, 2, 2);
    if (!seen.contains(polygon.boundingRect())) {
        polygon = polygon.intersected(QPolygon(seen));
    }
    painter_.setClipRegion(QRegion(polygon, Qt::WindingFill), Qt::IntersectClip);
}

QRect DeviceContext::VisibleArea() const {
    const QPaintDevice* device = painter_.device();
    if (!device) {
        return {};
    }
    bool invertible = false;
    const QTransform inverse = painter_.transform().inverted(&invertible);
    if (!invertible) {
        return {};
    }
    QRect area = inverse.mapRect(QRect(0, 0, device->width(), device->height()));
    if (painter_.hasClipping()) {
        area &= painter_.clipBoundingRect().toAlignedRect();
    }
    return area;
}

void DeviceContext::ClipToPath(const QPainterPath& path) {
    // Where the figures are filled one by one, the clip is made of the same pixels:
    // they are drawn into a mask of the part that can be seen, which becomes the region.
    const bool throughMask =
        FillsThroughPolygons(painter_) && painter_.transform().type() <= QTransform::TxTranslate;
    const QRect area = throughMask
                           ? VisibleArea().adjusted(-2, -2, 2, 2) &
                                 path.controlPointRect().toAlignedRect().adjusted(-1, -1, 1, 1)
                           : QRect();
    painter_.save();
    ++clipDepth_;
    if (!throughMask) {
        painter_.setClipPath(path, Qt::IntersectClip);
        return;
    }
    QRegion region;
    if (!area.isEmpty()) {
        QImage mask(area.size(), QImage::Format_Grayscale8);
        mask.fill(255);
        QPainter maskPainter(&mask);
        maskPainter.translate(-area.topLeft());
        maskPainter.setPen(Qt::NoPen);
        maskPainter.setBrush(Qt::black);
        for (const QPolygonF& polygon : SeparateFigures(path)) {
            maskPainter.drawPolygon(polygon, path.fillRule());
        }
        maskPainter.end();
        region = QRegion(
            QBitmap::fromImage(mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)));
        region.translate(area.topLeft());
    }
    painter_.setClipRegion(region, Qt::IntersectClip);
}

void DeviceContext::ResetClip() {
    if (clipDepth_ == 0) {
        return;
    }
    while (clipDepth_ > 0) {
        painter_.restore();
        --clipDepth_;
    }
    // Pens, brushes and the mode chosen while clipped stay chosen.
    ApplyPen();
    ApplyBrush();
    SetNotXor(notXor_);
}

void DeviceContext::AddTextToPath(QPainterPath& path, QPointF topLeft, const QString& text,
                                  const QFont& font) {
    const QFontMetricsF metrics(font);
    path.addText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), font, text);
}

std::vector<DeviceContext::PathPoint> DeviceContext::PathPoints(const QPainterPath& path) {
    std::vector<PathPoint> points;
    points.reserve(std::size_t(path.elementCount()));
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        PathPoint::Type type = PathPoint::LineTo;
        switch (e.type) {
            case QPainterPath::MoveToElement:
                type = PathPoint::MoveTo;
                break;
            case QPainterPath::LineToElement:
                type = PathPoint::LineTo;
                break;
            case QPainterPath::CurveToElement:
                type = PathPoint::CurveTo;
                break;
            case QPainterPath::CurveToDataElement:
                type = PathPoint::CurveData;
                break;
        }
        points.push_back({QPointF(e.x, e.y), type});
    }
    return points;
}

QPainterPath DeviceContext::PathFromPoints(std::span<const PathPoint> points, Qt::FillRule rule) {
    QPainterPath path;
    path.setFillRule(rule);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const PathPoint& p = points[i];
        switch (p.type) {
            case PathPoint::MoveTo:
                path.moveTo(p.point);
                break;
            case PathPoint::LineTo:
                path.lineTo(p.point);
                break;
            case PathPoint::CurveTo:
                if (i + 2 >= points.size() || points[i + 1].type != PathPoint::CurveData ||
                    points[i + 2].type != PathPoint::CurveData) {
                    return path;
                }
                path.cubicTo(p.point, points[i + 1].point, points[i + 2].point);
                i += 2;
                break;
            case PathPoint::CurveData:
                return path;  // data without its curve
        }
    }
    return path;
}

void DeviceContext::StrokePath(const QPainterPath& path) {
    painter_.strokePath(path, painter_.pen());
}

void DeviceContext::FillPath(const QPainterPath& path) {
    if (!brushSolid_) {
        return;
    }
    // In the not-XOR mode figures that overlap must be drawn once, as one path.
    if (!FillsThroughPolygons(painter_) || notXor_) {
        painter_.fillPath(path, ToQColor(brushColour_));
        return;
    }
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ToQColor(brushColour_));
    for (const QPolygonF& polygon : SeparateFigures(path)) {
        painter_.drawPolygon(polygon, path.fillRule());
    }
    painter_.restore();
}

const QFont* DeviceContext::KeptFont(const LogFont& logFont) const {
    for (const auto& [kept, font] : fonts_) {
        if (kept == logFont) {
            return &font;
        }
    }
    return nullptr;
}

void DeviceContext::KeepFont(const LogFont& logFont, const QFont& font) {
    constexpr std::size_t kMaxKept = 32;  // a page rarely uses more faces than this
    if (fonts_.size() < kMaxKept && !KeptFont(logFont)) {
        fonts_.emplace_back(logFont, font);
    }
}

int DeviceContext::LineHeight(const QFont& font) {
    const QFontMetricsF metrics(font);
    // The cell height: ascent and descent, as the extent of "Hg" measures it.
    return int(std::lround(metrics.height()));
}

int DeviceContext::TextWidth(const QFont& font, const QString& text) {
    return int(std::lround(QFontMetricsF(font).horizontalAdvance(text)));
}

void DeviceContext::StretchImage(const QImage& image, const QRect& dest, const QRect& source) {
    const int w = dest.width();
    const int h = dest.height();
    if (w == 0 || h == 0 || image.isNull() || source.isEmpty()) {
        return;
    }
    if (w > 0 && h > 0) {
        painter_.drawImage(dest, image, source);
        return;
    }
    painter_.save();
    painter_.translate(dest.x(), dest.y());
    painter_.scale(w < 0 ? -1.0 : 1.0, h < 0 ? -1.0 : 1.0);
    painter_.drawImage(QRect(0, 0, std::abs(w), std::abs(h)), image, source);
    painter_.restore();
}

void DeviceContext::StretchDib(const Dib& dib, const QRect& dest) {
    const QImage image = dib.ToImage();
    StretchImage(image, dest, image.rect());
}

void DeviceContext::DrawImage(QPoint at, const QImage& image) {
    painter_.drawImage(at, image);
}

}  // namespace quenby
