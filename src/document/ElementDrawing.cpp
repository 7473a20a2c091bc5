#include "document/ElementDrawing.h"

#include "document/Element.h"
#include "document/ElementGeometry.h"
#include "document/ElementOwner.h"
#include "document/GradientPainters.h"
#include "document/PictureDrawing.h"
#include "document/TextDrawing.h"
#include "platform/DeviceContext.h"

#include <QPainterPath>
#include <QPolygon>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace quenby {
namespace {

constexpr int kEllipsePoints = 180;

// A coordinate worked out in double brought back to a float: beyond the float range it
// stays at the range's end (a damaged file's corners may lie at either end of it).
float ToFloat(double v) {
    constexpr double kMax = std::numeric_limits<float>::max();
    return v > kMax ? float(kMax) : v < -kMax ? -float(kMax) : float(v);
}
constexpr int kCirclePoints = 360;

using NotXorScope = DeviceContext::NotXorScope;

void FillShape(const Element& element, DeviceContext& dc, std::span<const QPoint> shape) {
    dc.SetPen(DeviceContext::PenStyle::None);
    if (element.fillStyle == kLinearGradient || element.fillStyle == kRadialGradient) {
        dc.SetEmptyBrush();
        const PaintBox box = PaintBox::Around(shape);
        const auto paint = [&](DeviceContext& target) {
            if (element.fillStyle == kLinearGradient) {
                PaintLinearGradient(target, box, element.fillColour, element.fillColour2,
                                    element.gradientAngle, element.halfTurned != 0);
            } else {
                PaintRadialGradient(target, box, element.fillColour, element.fillColour2,
                                    element.gradientCentreX, element.gradientCentreY,
                                    element.halfTurned != 0);
            }
        };
        if (dc.PaintsThroughPaths()) {
            // On the screen the shape's edge is soft like a single colour's.
            QPainterPath outline;
            outline.addPolygon(QPolygonF(QPolygon(QList<QPoint>(shape.begin(), shape.end()))));
            outline.closeSubpath();
            dc.PaintThroughPath(outline, paint);
            return;
        }
        dc.ClipToPolygon(shape);
        paint(dc);
        dc.ResetClip();
        return;
    }
    dc.SetSolidBrush(element.fillColour);
    dc.Polygon(shape);
}

// The outline's shape; false for kinds that have none.
bool StrokeShape(const Element& element, DeviceContext& dc, const ElementOwner& view) {
    switch (element.kind) {
        case ElementKind::Box:
        case ElementKind::Picture:
        case ElementKind::Text: {
            const std::array<QPoint, 4> d = DeviceCorners(element, view);
            dc.Polygon(d);
            return true;
        }
        case ElementKind::Line: {
            const std::array<QPoint, 4> d = DeviceCorners(element, view);
            dc.Line(d[0], d[1]);
            return true;
        }
        case ElementKind::Ellipse:
            dc.Polygon(EllipsePolygon(element, view));
            return true;
        case ElementKind::CircularText:
            dc.Polygon(CirclePolygon(element, view));
            return true;
        default:
            return false;
    }
}

}  // namespace

std::vector<QPoint> EllipsePolygon(const Element& element, const ElementOwner& view) {
    const auto& c = element.corners;
    const double mx = (double(c[0].x) + c[2].x) / 2.0, my = (double(c[0].y) + c[2].y) / 2.0;
    const double ax = (double(c[0].x) - c[3].x) / 2.0, ay = (double(c[0].y) - c[3].y) / 2.0;
    const double bx = (double(c[2].x) - c[3].x) / 2.0, by = (double(c[2].y) - c[3].y) / 2.0;
    std::vector<QPoint> points;
    points.reserve(kEllipsePoints);
    for (int i = 0; i < kEllipsePoints; ++i) {
        const double t = double(i) * std::numbers::pi / 90.0;
        const double s = std::sin(t), k = std::cos(t);
        points.push_back(view.ToDevice(DocPoint{ToFloat(std::trunc(mx + s * ax + k * bx)),
                                                ToFloat(std::trunc(my + s * ay + k * by))}));
    }
    return points;
}

std::vector<QPoint> CirclePolygon(const Element& element, const ElementOwner& view) {
    const DocPoint c0 = element.corners[0];
    const DocPoint c2 = element.corners[2];
    const double r = std::hypot(double(c2.x) - c0.x, double(c2.y) - c0.y);
    std::vector<QPoint> points;
    points.reserve(kCirclePoints);
    for (int i = 0; i < kCirclePoints; ++i) {
        const double t = double(i) * std::numbers::pi / 180.0;
        points.push_back(view.ToDevice(DocPoint{ToFloat(std::trunc(c0.x + r * std::cos(t))),
                                                ToFloat(std::trunc(c0.y + r * std::sin(t)))}));
    }
    return points;
}

void DrawElementBody(const Element& element, DeviceContext& dc, const ElementOwner& view,
                     bool exclusiveOr) {
    NotXorScope mode(dc, exclusiveOr);
    switch (element.kind) {
        case ElementKind::Box:
            if (element.fillOn) {
                const std::array<QPoint, 4> d = DeviceCorners(element, view);
                FillShape(element, dc, d);
            }
            break;
        case ElementKind::Ellipse:
            if (element.fillOn) {
                FillShape(element, dc, EllipsePolygon(element, view));
            }
            break;
        case ElementKind::Picture:
            DrawPictureElement(element, dc, view);
            break;
        case ElementKind::Text:
        case ElementKind::CircularText:
            DrawTextElement(element, dc, view);
            break;
        default:
            break;
    }
}

void DrawElementOutline(const Element& element, DeviceContext& dc, const ElementOwner& view,
                        bool exclusiveOr) {
    const bool textKind =
        element.kind == ElementKind::Text || element.kind == ElementKind::CircularText;
    if (element.kind == ElementKind::Text && element.groupMember > 0) {
        return;
    }
    NotXorScope mode(dc, exclusiveOr);
    dc.SetEmptyBrush();
    if (!element.outlineOn) {
        if (textKind || element.kind == ElementKind::Picture ||
            !view.ShowsElementFrames()) {
            return;
        }
        dc.SetPen(DeviceContext::PenStyle::Dotted, element.outlineColour, 1);
    } else {
        const int zoom = view.ZoomPercent();
        const int width = int(std::ceil(double(element.outlineWidth) * double(zoom) * 0.01));
        dc.SetPen(DeviceContext::PenStyle::Solid, element.outlineColour, width);
    }
    StrokeShape(element, dc, view);
}

void DrawElementGhost(const Element& element, DeviceContext& dc, const ElementOwner& view) {
    NotXorScope mode(dc, true);
    dc.SetEmptyBrush();
    dc.SetPen(DeviceContext::PenStyle::Dotted, kBlack, 1);
    StrokeShape(element, dc, view);
}

}  // namespace quenby
