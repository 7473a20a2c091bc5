#include "platform/DeviceContext.h"

#include "platform/Dib.h"

#include <QBitmap>
#include <QBrush>
#include <QFont>
#include <QFontMetricsF>
#include <QHashFunctions>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace quenby {
namespace {

// Calls `use` with the path cut into pieces, curves kept: each subpath alone, or (with
// `byOverlap`) runs of consecutive subpaths whose boxes overlap, such as a letter's
// outline and its holes. The raster engine's work on one path grows with its edges
// times its scanlines, so a long text filled or stroked piece by piece costs a fraction
// of the whole, and gives the same pixels: the pieces of a text do not overlap, and
// where two letters touch both are filled.
template <typename Use>
void ForEachPiece(const QPainterPath& path, bool byOverlap, Use use) {
    QPainterPath piece, subpath;
    piece.setFillRule(path.fillRule());
    QRectF pieceBox;
    const auto endSubpath = [&] {
        if (subpath.isEmpty()) {
            return;
        }
        const QRectF box = subpath.controlPointRect();
        if (!piece.isEmpty() && !(byOverlap && box.intersects(pieceBox))) {
            use(piece);
            piece = QPainterPath();
            piece.setFillRule(path.fillRule());
            pieceBox = QRectF();
        }
        piece.addPath(subpath);
        pieceBox |= box;
        subpath = QPainterPath();
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            endSubpath();
            subpath.moveTo(e);
        } else if (e.isLineTo()) {
            subpath.lineTo(e);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            subpath.cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
            i += 2;
        }
    }
    endSubpath();
    if (!piece.isEmpty()) {
        use(piece);
    }
}

}  // namespace

DeviceContext::DeviceContext(QPainter& painter, bool printing)
    : painter_(painter), printing_(printing) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Pictures go to a printer as their own pixels: a PDF would otherwise store them
    // as JPEG, whose blurred edges show on paper.
    painter_.setRenderHint(QPainter::LosslessImageRendering, printing_);
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

void DeviceContext::SetSmooth(bool on) {
    smooth_ = on;
    ApplySmoothing();
}

void DeviceContext::ApplySmoothing() {
    const bool smooth = smooth_ && !notXor_;
    painter_.setRenderHint(QPainter::Antialiasing, smooth);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void DeviceContext::SetNotXor(bool on) {
    notXor_ = on;
    ApplySmoothing();
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

bool DeviceContext::PaintsThroughPaths() const {
    return smooth_ && !printing_ && DrawsPiecewise() && painter_.transform().isIdentity();
}

void DeviceContext::PaintThroughPath(const QPainterPath& path,
                                     const std::function<void(DeviceContext&)>& paint) {
    // A pixel more than the path's box for its soft edge; no more than the device shows.
    const QRect box =
        VisibleArea() & path.controlPointRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    if (box.isEmpty()) {
        return;
    }
    QImage scratch(box.size(), QImage::Format_ARGB32_Premultiplied);
    if (scratch.isNull()) {
        return;
    }
    scratch.fill(Qt::transparent);
    {
        QPainter painter(&scratch);
        painter.translate(-box.left(), -box.top());
        DeviceContext stepped(painter);
        paint(stepped);
    }
    QBrush brush(scratch);
    brush.setTransform(QTransform::fromTranslate(box.left(), box.top()));
    const QRectF seen = QRectF(box).adjusted(-2, -2, 2, 2);
    ForEachPiece(path, true, [&](const QPainterPath& piece) {
        if (piece.controlPointRect().intersects(seen)) {
            painter_.fillPath(piece, brush);
        }
    });
}

void DeviceContext::ClipToPath(const QPainterPath& path) {
    if (!DrawsPiecewise()) {
        painter_.save();
        ++clipDepth_;
        painter_.setClipPath(path, Qt::IntersectClip);
        return;
    }
    // On a raster device the clip is what filling the path covers, made piece by piece
    // within the part of the device that can be seen (a clip path is rasterized whole).
    const QTransform transform = painter_.transform();
    const QRect box = transform.mapRect(VisibleArea()) &
                      transform.mapRect(path.controlPointRect()).toAlignedRect();
    if (box.isEmpty()) {
        painter_.save();
        ++clipDepth_;
        painter_.setClipRect(QRect(), Qt::IntersectClip);
        return;
    }
    if (const std::optional<QRegion> covered = PathCoverage(path, box, transform)) {
        ClipToRegion(*covered);
    } else {
        painter_.save();
        ++clipDepth_;
        painter_.setClipPath(path, Qt::IntersectClip);
    }
}

std::optional<QRegion> DeviceContext::PathCoverage(const QPainterPath& path,
                                                   const QRect& within,
                                                   const QTransform& transform) {
    const QRect box =
        within.isNull() ? transform.mapRect(path.controlPointRect()).toAlignedRect() : within;
    if (box.isEmpty()) {
        return QRegion();
    }
    QImage mask(box.size(), QImage::Format_ARGB32_Premultiplied);
    if (mask.isNull()) {
        return std::nullopt;
    }
    mask.fill(Qt::transparent);
    {
        QPainter covered(&mask);
        covered.setTransform(transform * QTransform::fromTranslate(-box.left(), -box.top()));
        ForEachPiece(path, true,
                     [&](const QPainterPath& piece) { covered.fillPath(piece, Qt::black); });
    }
    return QRegion(QBitmap::fromImage(mask.createAlphaMask())).translated(box.topLeft());
}

void DeviceContext::ClipToRegion(const QRegion& region) {
    painter_.save();
    ++clipDepth_;
    // The region is in device pixels: the painter's transform must not move it again.
    const QTransform transform = painter_.transform();
    painter_.resetTransform();
    painter_.setClipRegion(region, Qt::IntersectClip);
    painter_.setTransform(transform);
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
    if (!DrawsPiecewise()) {
        painter_.strokePath(path, painter_.pen());
        return;
    }
    const QPen pen = painter_.pen();
    // Pieces whose stroke cannot reach the device are left out.
    const double reach = pen.widthF() / 2.0 + 2.0;
    const QRectF seen = QRectF(VisibleArea()).adjusted(-reach, -reach, reach, reach);
    ForEachPiece(path, false, [&](const QPainterPath& piece) {
        if (piece.controlPointRect().intersects(seen)) {
            painter_.strokePath(piece, pen);
        }
    });
}

void DeviceContext::FillPath(const QPainterPath& path) {
    if (!brushSolid_) {
        return;
    }
    const QColor colour = ToQColor(brushColour_);
    if (!DrawsPiecewise()) {
        painter_.fillPath(path, colour);
        return;
    }
    const QRectF seen = QRectF(VisibleArea()).adjusted(-2, -2, 2, 2);
    ForEachPiece(path, true, [&](const QPainterPath& piece) {
        if (piece.controlPointRect().intersects(seen)) {
            painter_.fillPath(piece, colour);
        }
    });
}

bool DeviceContext::IsVectorPrinter() const {
    return printing_ && painter_.paintEngine() &&
           painter_.paintEngine()->type() != QPaintEngine::Raster;
}

bool DeviceContext::DrawsPiecewise() const {
    // Only where pixels are set directly, and not in the not-XOR mode, where a pixel
    // drawn twice would change back. Printers keep each path whole.
    return !notXor_ && painter_.paintEngine() &&
           painter_.paintEngine()->type() == QPaintEngine::Raster;
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
    if (dest.width() > 0 && dest.height() > 0) {
        StretchDibInto(dib, dest.left(), dest.top(), std::int64_t{dest.left()} + dest.width(),
                       std::int64_t{dest.top()} + dest.height(), false);
        return;
    }
    const QImage image = dib.ToImage();
    StretchImage(image, dest, image.rect());
}

void DeviceContext::StretchDibInto(const Dib& dib, std::int64_t left, std::int64_t top,
                                   std::int64_t right, std::int64_t bottom, bool turned) {
    const std::int64_t boxWidth = right - left, boxHeight = bottom - top;
    const int w = dib.Width();
    const int h = dib.Height() < 0 ? -dib.Height() : dib.Height();
    const QRect visible = VisibleArea();
    if (boxWidth <= 0 || boxHeight <= 0 || w <= 0 || h <= 0 || visible.isEmpty()) {
        return;
    }
    // The part of the box on the device, and where that part lies in the unturned box.
    std::int64_t l = std::max<std::int64_t>(left, visible.left());
    std::int64_t r = std::min<std::int64_t>(right, std::int64_t{visible.right()} + 1);
    std::int64_t t = std::max<std::int64_t>(top, visible.top());
    std::int64_t b = std::min<std::int64_t>(bottom, std::int64_t{visible.bottom()} + 1);
    if (l >= r || t >= b) {
        return;
    }
    if (turned) {
        std::tie(l, r) = std::pair(left + right - r, left + right - l);
        std::tie(t, b) = std::pair(top + bottom - b, top + bottom - t);
    }
    // The picture's columns and rows under that part (box sides below 2^33, pictures
    // below 2^16 pixels: the products fit 64 bits).
    const auto firstUnder = [](std::int64_t from, std::int64_t extent, int pixels) {
        return int(from * pixels / extent);
    };
    const auto endUnder = [](std::int64_t to, std::int64_t extent, int pixels) {
        return int((to * pixels + extent - 1) / extent);
    };
    const int x0 = firstUnder(l - left, boxWidth, w), x1 = endUnder(r - left, boxWidth, w);
    const int y0 = firstUnder(t - top, boxHeight, h), y1 = endUnder(b - top, boxHeight, h);
    const QRect region(x0, y0, x1 - x0, y1 - y0);
    const QSize size(int(std::min<std::int64_t>(region.width(), r - l)),
                     int(std::min<std::int64_t>(region.height(), b - t)));
    QImage part = dib.ToImage(region, size);
    if (part.isNull()) {
        return;
    }
    // Where the region's pixels land: exactly where they do when the whole picture is
    // stretched over the box.
    const double scaleX = double(boxWidth) / w, scaleY = double(boxHeight) / h;
    QRectF target(double(left) + x0 * scaleX, double(top) + y0 * scaleY, region.width() * scaleX,
                  region.height() * scaleY);
    if (turned) {
        part = part.mirrored(true, true);
        target.moveRight(double(right) - x0 * scaleX);
        target.moveBottom(double(bottom) - y0 * scaleY);
    }
    painter_.drawImage(target, part, QRectF(part.rect()));
}

void DeviceContext::DrawImage(QPoint at, const QImage& image) {
    painter_.drawImage(at, image);
}

QImage DeviceContext::KeptImage(std::span<const std::uint8_t> content, int variant,
                                const QRect& part, const std::function<QImage()>& make) {
    // Two hashes with different seeds: pictures are told apart by their content, not by
    // where they are held, so the copies of one picture share their image.
    const ImageKey key{{qHashBits(content.data(), content.size(), 0),
                        qHashBits(content.data(), content.size(), 0x9E3779B97F4A7C15ull)},
                       content.size(),
                       variant,
                       part};
    for (const auto& [kept, image] : images_) {
        if (kept == key) {
            return image;
        }
    }
    QImage image = make();
    // A page full of pictures keeps them all; a few huge ones are made at each use.
    constexpr qint64 kMaxKeptBytes = qint64(256) << 20;
    if (!image.isNull() && keptImageBytes_ + image.sizeInBytes() <= kMaxKeptBytes) {
        keptImageBytes_ += image.sizeInBytes();
        images_.emplace_back(key, image);
    }
    return image;
}

}  // namespace quenby
