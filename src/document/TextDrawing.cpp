#include "document/TextDrawing.h"

#include "document/Element.h"
#include "document/ElementGeometry.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "document/GradientPainters.h"
#include "document/TextShapeCache.h"
#include "graphics/FontMapping.h"
#include "platform/DeviceContext.h"

#include <QFont>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace quenby {
namespace {

constexpr int kSamples = TextEnvelope::kSamples;
// The largest letters, in device pixels, whose coverage is kept: a mask of four bytes
// a pixel is made for it.
constexpr double kMaxKeptCoverage = 2048.0 * 2048.0;

QPoint Lerp(QPoint from, QPoint to, int k) {
    const double f = double(k) / double(kSamples);
    // In floating point: the corners of a damaged frame may lie at the ends of the range.
    return QPoint(int(from.x() + f * (double(to.x()) - from.x())),
                  int(from.y() + f * (double(to.y()) - from.y())));
}

// The box the letter painters fill: the frame of a Text; for a CircularText, whose
// corners lie on one line, the box of its arc.
PaintBox LetterBox(const Element& element, const ElementOwner& view) {
    if (element.kind == ElementKind::CircularText) {
        const QRect r = ElementDeviceRect(element, view);
        return PaintBox{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    }
    const std::array<QPoint, 4> d = DeviceCorners(element, view);
    return PaintBox::Around(d);
}

// Paints the area inside the current clip in one of the three fill styles.
void PaintFill(DeviceContext& dc, const PaintBox& box, int style, ColourRef start, ColourRef end,
               int angle, int centreX, int centreY, bool halfTurned) {
    switch (style) {
        case kLinearGradient:
            PaintLinearGradient(dc, box, start, end, angle, halfTurned);
            break;
        case kRadialGradient:
            PaintRadialGradient(dc, box, start, end, centreX, centreY, halfTurned);
            break;
        default:
            PaintLinearGradient(dc, box, start, start, angle, halfTurned);
            break;
    }
}

// Each subpath of `path` alone, curves kept.
std::vector<QPainterPath> Subpaths(const QPainterPath& path) {
    std::vector<QPainterPath> subpaths;
    QPainterPath subpath;
    subpath.setFillRule(path.fillRule());
    const auto end = [&] {
        if (!subpath.isEmpty()) {
            subpaths.push_back(std::move(subpath));
        }
        subpath = QPainterPath();
        subpath.setFillRule(path.fillRule());
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            end();
            subpath.moveTo(e);
        } else if (e.isLineTo()) {
            subpath.lineTo(e);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            subpath.cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
            i += 2;
        }
    }
    end();
    return subpaths;
}

// The subpaths of `path` whose control points reach into `area`, curves kept.
QPainterPath WithinReach(const QPainterPath& path, const QRectF& area) {
    QPainterPath kept;
    kept.setFillRule(path.fillRule());
    for (const QPainterPath& subpath : Subpaths(path)) {
        if (subpath.controlPointRect().intersects(area)) {
            kept.addPath(subpath);
        }
    }
    return kept;
}

// Whether the device strokes paths by filling the pen's outline, piece by piece: the
// screen and images, outside the not-XOR mode.
bool StrokesAsAreas(DeviceContext& dc) {
    const QPaintEngine* engine = dc.Painter().paintEngine();
    return !dc.IsPrinting() && !dc.IsNotXor() && engine &&
           engine->type() == QPaintEngine::Raster;
}

// The areas the current pen covers along each subpath of `letters`, made as the raster
// engine makes them when it strokes; none for a one-pixel pen, which is drawn as lines.
std::vector<QPainterPath> OutlineAreas(const QPainterPath& letters, const QPen& pen) {
    std::vector<QPainterPath> areas;
    if (pen.isCosmetic() || pen.style() != Qt::SolidLine) {
        return areas;
    }
    QPainterPathStroker stroker(pen);
    for (const QPainterPath& subpath : Subpaths(letters)) {
        areas.push_back(stroker.createStroke(subpath));
    }
    return areas;
}

}  // namespace

TextEnvelope EnvelopeOf(const Element& element, const ElementOwner& view) {
    TextEnvelope e;
    if (element.kind == ElementKind::CircularText) {
        const DocPoint c0 = element.corners[0];
        const float step = CircularArcAngle(element) / float(kSamples);
        DocPoint p = element.corners[2];
        for (int j = kSamples - 1; j >= 0; --j) {
            p = TurnPoint(p, c0, step);
            e.top[std::size_t(j)] = view.ToDevice(p);
        }
        DocPoint q = element.corners[3];
        for (int j = 0; j < kSamples; ++j) {
            q = TurnPoint(q, c0, -step);
            e.foot[std::size_t(j)] = view.ToDevice(q);
        }
        if (element.text && element.text->circleTurned) {
            std::reverse(e.top.begin(), e.top.end());
            std::reverse(e.foot.begin(), e.foot.end());
            std::swap(e.top, e.foot);
        }
        return e;
    }
    const std::array<QPoint, 4> d = DeviceCorners(element, view);
    for (int k = 0; k < kSamples; ++k) {
        e.top[std::size_t(k)] = Lerp(d[0], d[1], k);
        e.foot[std::size_t(k)] = Lerp(d[3], d[2], k);
    }
    return e;
}

QStringList TextLines(const QString& text) {
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            lines.append(line);
            line.clear();
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
        } else {
            line.append(c);
        }
    }
    lines.append(line);
    return lines;
}

QPainterPath LayoutTextPath(const TextBlock& text, const QFont& font) {
    QPainterPath path;
    const QStringList lines = TextLines(text.Text());
    const int height = DeviceContext::LineHeight(font);
    std::vector<int> widths;
    int widest = 0;
    for (const QString& line : lines) {
        widths.push_back(DeviceContext::TextWidth(font, line));
        widest = std::max(widest, widths.back());
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int width = widths[std::size_t(i)];
        int x = 0;
        switch (text.alignment) {
            case 1:
                x = 0;
                break;
            case 2:
                x = widest / 2 - width / 2;
                break;
            case 3:
                x = widest - width;
                break;
            default:
                continue;
        }
        DeviceContext::AddTextToPath(path, QPointF(x, double(i) * height), lines.at(i), font);
    }
    return path;
}

std::optional<QPainterPath> WarpPath(const QPainterPath& path, const TextEnvelope& envelope) {
    std::vector<DeviceContext::PathPoint> points = DeviceContext::PathPoints(path);
    // Blanks leave nothing but a move: no outline to warp.
    const bool drawsAnything = std::any_of(points.begin(), points.end(), [](const auto& p) {
        return p.type != DeviceContext::PathPoint::MoveTo;
    });
    if (!drawsAnything) {
        return std::nullopt;
    }
    double minX = points[0].point.x(), minY = points[0].point.y();
    for (const auto& p : points) {
        minX = std::min(minX, p.point.x());
        minY = std::min(minY, p.point.y());
    }
    const double shiftX = minX < 0 ? -minX : 0.0;
    const double shiftY = minY < 0 ? -minY : 0.0;
    minX = minY = 1e300;
    double maxX = -1e300, maxY = -1e300;
    for (auto& p : points) {
        p.point += QPointF(shiftX, shiftY);
        minX = std::min(minX, p.point.x());
        minY = std::min(minY, p.point.y());
        maxX = std::max(maxX, p.point.x());
        maxY = std::max(maxY, p.point.y());
    }
    const double spanX = maxX - minX;
    const double spanY = maxY - minY;
    for (auto& p : points) {
        // Measured from the least x, not from 0: a first letter that starts right of
        // x = 0 would otherwise reach past the end of the curves.
        const double u = spanX > 0 ? (p.point.x() - minX) / spanX : 0.0;
        const double v = spanY > 0 ? (p.point.y() - minY) / spanY : 0.0;
        const int i = std::clamp(int(u * (kSamples - 1)), 0, kSamples - 1);
        const QPoint a = envelope.top[std::size_t(i)];
        const QPoint b = envelope.foot[std::size_t(i)];
        p.point = QPointF(double(int((1.0 - v) * a.x() + v * b.x())),
                          double(int((1.0 - v) * a.y() + v * b.y())));
    }
    return DeviceContext::PathFromPoints(points, path.fillRule());
}

namespace {

// The letters of a text laid out and warped at the view's zoom, with no scroll origin.
// With `keepsOutline`, the outline the pen covers too, for a shape drawn again and again.
std::optional<TextShape> MakeTextShape(const Element& element, DeviceContext& dc,
                                       const ElementOwner& view, bool keepsOutline) {
    const TextBlock& text = *element.text;
    QFont font;
    if (const QFont* kept = dc.KeptFont(text.font)) {
        font = *kept;
    } else {
        font = MapLogFont(text.font);
        dc.KeepFont(text.font, font);
    }
    const FixedOwner unscrolled(view.ZoomPercent(), {}, view.IsPrinting());
    const QPainterPath laidOut = LayoutTextPath(text, font);
    std::optional<QPainterPath> letters = WarpPath(laidOut, EnvelopeOf(element, unscrolled));
    if (!letters) {
        return std::nullopt;  // nothing but blanks: nothing to draw
    }
    TextShape shape;
    if (text.fillOn && text.outlineOn && !view.IsPrinting()) {
        // Filled and stroked on a raster device: turn the curves into lines once rather
        // than at each use. A printer takes the curves as they are.
        shape.letters.setFillRule(letters->fillRule());
        for (const QPolygonF& polygon : letters->toSubpathPolygons()) {
            shape.letters.addPolygon(polygon);
            shape.letters.closeSubpath();
        }
    } else {
        shape.letters = std::move(*letters);
    }
    shape.reach = shape.letters.controlPointRect();
    if (keepsOutline && text.outlineOn && StrokesAsAreas(dc)) {
        dc.SetPen(DeviceContext::PenStyle::Solid, text.outlineColour, text.outlineWidth);
        shape.outlineAreas = OutlineAreas(shape.letters, dc.Painter().pen());
    }
    if (keepsOutline && text.fillOn && text.fillStyle != kSingleColour && StrokesAsAreas(dc) &&
        !dc.PaintsThroughPaths() &&
        shape.reach.width() * shape.reach.height() <= kMaxKeptCoverage) {
        shape.lettersCoverage = DeviceContext::PathCoverage(shape.letters);
    }
    if (text.shadowOn) {
        ElementPtr moved = CopyElement(element);
        MoveElement(*moved, float(text.shadowDx), float(text.shadowDy));
        shape.shadow = WarpPath(laidOut, EnvelopeOf(*moved, unscrolled));
        if (shape.shadow) {
            shape.reach |= shape.shadow->controlPointRect();
        }
    }
    return shape;
}

// The path moved to the view's origin, with only the outlines that can reach `seen`:
// a letter's curve is cut into up to 512 lines whatever its size, so the letters of a
// frame millions of pixels wide would cost that for every letter. An outline that
// holds a point of the device reaches it, so the pixels there are the same.
QPainterPath Placed(const QPainterPath& path, QPoint origin, const QRectF& seen, bool whole) {
    QPainterPath placed = origin.isNull() ? path : path.translated(origin);
    return whole ? placed : WithinReach(placed, seen);
}

}  // namespace

void DrawTextElement(const Element& element, DeviceContext& dc, const ElementOwner& view) {
    if (!element.text || element.text->chars[0] == 0) {
        return;
    }
    const TextBlock& text = *element.text;
    TextShapeCache* cache = view.TextShapes();
    const TextShape* shape =
        cache ? cache->Find(element, view.ZoomPercent(), view.IsPrinting()) : nullptr;
    std::optional<TextShape> made;
    if (!shape) {
        made = MakeTextShape(element, dc, view, cache != nullptr);
        if (!made) {
            return;  // nothing but blanks: nothing to draw
        }
        shape = cache ? &cache->Keep(element, view.ZoomPercent(), view.IsPrinting(),
                                     std::move(*made))
                      : &*made;
    }
    const QPoint origin = view.IsPrinting() ? QPoint() : view.ScrollOrigin();
    const int pen = std::max<int>(text.outlineOn ? text.outlineWidth : 0, 1);
    const QRectF seen = QRectF(dc.VisibleArea()).adjusted(-pen - 2, -pen - 2, pen + 2, pen + 2);
    // Letters wholly within the device need no sorting out.
    const bool whole = seen.contains(shape->reach.translated(origin));
    const QPainterPath warped = Placed(shape->letters, origin, seen, whole);
    const std::array<QPoint, 4> frame = DeviceCorners(element, view);
    const bool halfTurned = element.halfTurned != 0;

    // The frame's own fill lies beneath the shadow and the letters.
    if (element.fillOn) {
        dc.SetPen(DeviceContext::PenStyle::None);
        if (element.fillStyle == kSingleColour) {
            dc.SetSolidBrush(element.fillColour);
            dc.Polygon(frame);
        } else {
            const auto paint = [&](DeviceContext& target) {
                PaintFill(target, PaintBox::Around(frame), element.fillStyle, element.fillColour,
                          element.fillColour2, text.gradientAngle, text.gradientCentreX,
                          text.gradientCentreY, halfTurned);
            };
            if (dc.PaintsThroughPaths()) {
                QPainterPath outline;
                outline.addPolygon(QPolygonF(QPolygon(QList<QPoint>(frame.begin(), frame.end()))));
                outline.closeSubpath();
                dc.PaintThroughPath(outline, paint);
            } else {
                dc.ClipToPolygon(frame);
                paint(dc);
                dc.ResetClip();
            }
        }
    }

    if (text.shadowOn && shape->shadow) {
        dc.SetSolidBrush(text.shadowColour);
        dc.FillPath(Placed(*shape->shadow, origin, seen, whole));
    }

    if (text.fillOn) {
        if (text.fillStyle == kSingleColour) {
            // The linear painter with one colour at both ends fills the letters whole.
            dc.SetSolidBrush(text.fillColour);
            dc.FillPath(warped);
        } else {
            const auto paint = [&](DeviceContext& target) {
                PaintFill(target, LetterBox(element, view), text.fillStyle, text.fillColour,
                          text.fillColour2, text.gradientAngle, text.gradientCentreX,
                          text.gradientCentreY, halfTurned);
            };
            if (dc.PaintsThroughPaths()) {
                // Soft-edged letters on the screen, as single-coloured ones are.
                dc.PaintThroughPath(warped, paint);
            } else {
                if (shape->lettersCoverage && StrokesAsAreas(dc) &&
                    dc.Painter().transform().isIdentity()) {
                    dc.ClipToRegion(shape->lettersCoverage->translated(origin));
                } else {
                    dc.ClipToPath(warped);
                }
                paint(dc);
                dc.ResetClip();
            }
        }
    }

    if (text.outlineOn) {
        dc.SetPen(DeviceContext::PenStyle::Solid, text.outlineColour, text.outlineWidth);
        if (!shape->outlineAreas.empty() && StrokesAsAreas(dc)) {
            // The same pixels as stroking the letters piece by piece, without stroking.
            QPainter& painter = dc.Painter();
            const QBrush brush = painter.pen().brush();
            const QRectF near = QRectF(dc.VisibleArea()).adjusted(-2, -2, 2, 2);
            for (const QPainterPath& area : shape->outlineAreas) {
                if (area.controlPointRect().translated(origin).intersects(near)) {
                    painter.fillPath(origin.isNull() ? area : area.translated(origin), brush);
                }
            }
        } else {
            dc.StrokePath(warped);
        }
    }
    if (element.outlineOn) {
        dc.SetPen(DeviceContext::PenStyle::Solid, element.outlineColour, element.outlineWidth);
        for (std::size_t i = 0; i < 4; ++i) {
            dc.Line(frame[i], frame[(i + 1) % 4]);
        }
    }
}

}  // namespace quenby
