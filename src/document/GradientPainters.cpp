#include "document/GradientPainters.h"

#include "platform/DeviceContext.h"

#include <QPaintDevice>
#include <QPainter>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <vector>

namespace quenby {
namespace {

constexpr int kSteps = 255;
constexpr int kRingSpacing = 6;

int Step(int from, int to, int k) {
    return from + k * (to - from) / kSteps;
}

// Rings wider than this are drawn only where they pass the area being painted: the
// raster engine works in fixed point and leaves out paths reaching far beyond it.
constexpr double kWholeRingRadius = 1 << 22;

// The ring between radius `inner` and `outer` around (cx, cy), without the disc inside
// it, so every pixel is painted once. A ring far wider than `area` becomes the part of
// it seen from the centre under the angles of the area: a polygon between the two arcs,
// sampled closely enough that no point strays a quarter pixel from its circle.
QPainterPath RingPath(double cx, double cy, double outer, double inner, const QRectF& area) {
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    const QRectF seen = area.adjusted(-2, -2, 2, 2);
    const double midX = seen.center().x(), midY = seen.center().y();
    const double apart = std::hypot(midX - cx, midY - cy);
    const double half = std::hypot(seen.width(), seen.height()) / 2.0;
    if (outer <= kWholeRingRadius || apart <= 2.0 * half) {
        ring.addEllipse(QRectF(cx - outer, cy - outer, 2.0 * outer, 2.0 * outer));
        if (inner > 0) {
            ring.addEllipse(QRectF(cx - inner, cy - inner, 2.0 * inner, 2.0 * inner));
        }
        return ring;
    }
    // The angles of the area's corners around the direction of its middle.
    const double toward = std::atan2(midY - cy, midX - cx);
    double low = 0.0, high = 0.0;
    for (const QPointF& corner :
         {seen.topLeft(), seen.topRight(), seen.bottomRight(), seen.bottomLeft()}) {
        const double a =
            std::remainder(std::atan2(corner.y() - cy, corner.x() - cx) - toward,
                           2.0 * std::numbers::pi);
        low = std::min(low, a);
        high = std::max(high, a);
    }
    const double step = std::sqrt(2.0 / outer);  // a quarter-pixel sagitta at `outer`
    const int samples = int(std::clamp(std::ceil((high - low) / step), 1.0, 4096.0));
    QPolygonF shape;
    for (int i = 0; i <= samples; ++i) {
        const double a = toward + low + (high - low) * i / samples;
        shape << QPointF(cx + outer * std::cos(a), cy + outer * std::sin(a));
    }
    for (int i = samples; i >= 0; --i) {
        const double a = toward + low + (high - low) * i / samples;
        shape << QPointF(cx + inner * std::cos(a), cy + inner * std::sin(a));
    }
    ring.addPolygon(shape);
    ring.closeSubpath();
    return ring;
}

// Bands and rings lie edge to edge: smoothed, each would let the paper show through
// the seam it shares with the next. The clip gives the shape its edge.
class AliasedScope {
public:
    explicit AliasedScope(QPainter& painter)
        : painter_(painter), was_(painter.testRenderHint(QPainter::Antialiasing)) {
        painter_.setRenderHint(QPainter::Antialiasing, false);
    }
    ~AliasedScope() { painter_.setRenderHint(QPainter::Antialiasing, was_); }
    AliasedScope(const AliasedScope&) = delete;
    AliasedScope& operator=(const AliasedScope&) = delete;

private:
    QPainter& painter_;
    bool was_;
};

}  // namespace

PaintBox PaintBox::Around(std::span<const QPoint> points) {
    if (points.empty()) {
        return {};
    }
    PaintBox box{points[0].x(), points[0].y(), points[0].x(), points[0].y()};
    for (const QPoint& p : points) {
        box.left = std::min(box.left, p.x());
        box.top = std::min(box.top, p.y());
        box.right = std::max(box.right, p.x());
        box.bottom = std::max(box.bottom, p.y());
    }
    return box;
}

std::array<ColourRef, 255> GradientSteps(ColourRef start, ColourRef end) {
    std::array<ColourRef, 255> steps{};
    for (int k = 0; k < kSteps; ++k) {
        steps[std::size_t(k)] =
            MakeColourRef(Step(RedOf(start), RedOf(end), k), Step(GreenOf(start), GreenOf(end), k),
                          Step(BlueOf(start), BlueOf(end), k));
    }
    return steps;
}

void PaintLinearGradient(DeviceContext& dc, const PaintBox& box, ColourRef start, ColourRef end,
                         int angleDegrees, bool halfTurned) {
    if (dc.VisibleArea().isEmpty()) {
        return;  // a shape wholly off the device, or an empty clip
    }
    int g = angleDegrees + (halfTurned ? 180 : 0);
    g %= 360;
    if (g < 0) {
        g += 360;
    }
    const double a = double(g) * std::numbers::pi / 180.0;
    double ca = std::cos(a), sa = std::sin(a);
    if (g % 90 == 0) {
        // Exact quarter turns, so that truncating the turned corners loses nothing.
        constexpr double kCos[] = {1.0, 0.0, -1.0, 0.0};
        constexpr double kSin[] = {0.0, 1.0, 0.0, -1.0};
        ca = kCos[g / 90];
        sa = kSin[g / 90];
    }
    const double w = box.Width(), h = box.Height();
    const double bandWidth = w * std::fabs(ca) + h * std::fabs(sa) + 2.0;
    const double bandHeight = w * std::fabs(sa) + h * std::fabs(ca) + 2.0;
    // 64-bit throughout: a damaged file can put a shape anywhere. Rounded down, not
    // towards zero, so that bands left of or above the device's corner fall as they do
    // anywhere else: the same shape moved gives the same bands moved.
    const std::int64_t cx = (std::int64_t(box.left) + box.right) >> 1;
    const std::int64_t cy = (std::int64_t(box.top) + box.bottom) >> 1;
    const std::int64_t l = std::int64_t(std::floor(double(cx) - bandWidth / 2.0));
    const std::int64_t r = std::int64_t(std::floor(double(cx) + bandWidth / 2.0));
    const std::int64_t t = std::int64_t(std::floor(double(cy) - bandHeight / 2.0));
    const std::int64_t b = std::int64_t(std::floor(double(cy) + bandHeight / 2.0));
    const std::int64_t span = b - t;
    if (span <= 0 || r <= l) {
        return;
    }
    QPainter& painter = dc.Painter();
    const std::array<ColourRef, 255> steps = GradientSteps(start, end);
    if (dc.IsVectorPrinter() && span < kWholeRingRadius && r - l < kWholeRingRadius) {
        // The printer's own gradient over the area the bands cover, from the first band
        // to the last: the same colours without their steps, as one shape.
        const auto at = [&](double x, double y) {
            const double u = x - double(cx), v = y - double(cy);
            return QPointF(ca * u + sa * v + double(cx), -sa * u + ca * v + double(cy));
        };
        QLinearGradient gradient(at(double(cx), double(t)), at(double(cx), double(b)));
        gradient.setColorAt(0.0, ToQColor(steps.front()));
        gradient.setColorAt(1.0, ToQColor(steps.back()));
        const QPolygonF area{at(double(l), double(t)), at(double(r), double(t)),
                             at(double(r), double(b + 1)), at(double(l), double(b + 1))};
        QPainterPath path;
        path.addPolygon(area);
        path.closeSubpath();
        painter.fillPath(path, gradient);
        return;
    }
    const AliasedScope aliased(painter);
    auto stepOf = [&](std::int64_t i) {
        return int(std::min<std::int64_t>(i * kSteps / span, kSteps - 1));
    };
    auto clampInt = [](double v) {
        return int(std::clamp(v, double(std::numeric_limits<int>::min() / 2),
                              double(std::numeric_limits<int>::max() / 2)));
    };
    auto turn = [&](double x, double y) {
        const double u = x - double(cx), v = y - double(cy);
        return QPoint(clampInt(std::floor(ca * u + sa * v + double(cx))),
                      clampInt(std::floor(-sa * u + ca * v + double(cy))));
    };
    // Neighbouring bands of one colour are painted as one band: the edges between
    // colours are the same, and every pixel is painted once.
    for (std::int64_t i = 0; i <= span;) {
        const int k = stepOf(i);
        // The last band of step k: the greatest j with j × 255 / span = k.
        const std::int64_t last =
            k == kSteps - 1 ? span : std::min(span, ((k + 1) * span - 1) / kSteps);
        const QColor colour = ToQColor(steps[std::size_t(k)]);
        if (g == 0 || g == 180) {
            // Turning by 0 or 180 degrees keeps the bands on whole pixels.
            const QPoint p = turn(double(l), double(t + i));
            const QPoint q = turn(double(r), double(t + last + 1));
            painter.fillRect(QRect(QPoint(std::min(p.x(), q.x()), std::min(p.y(), q.y())),
                                   QPoint(std::max(p.x(), q.x()) - 1, std::max(p.y(), q.y()) - 1)),
                             colour);
        } else {
            const std::array<QPoint, 4> band = {
                turn(double(l), double(t + i)), turn(double(r), double(t + i)),
                turn(double(r), double(t + last + 1)), turn(double(l), double(t + last + 1))};
            QPainterPath path;
            path.addPolygon(QPolygonF(QPolygon(QList<QPoint>(band.begin(), band.end()))));
            path.closeSubpath();
            painter.fillPath(path, colour);
        }
        i = last + 1;
    }
}

std::vector<int> RadialRingRadii(int reach) {
    std::vector<int> radii;
    for (int rho = reach + 5; rho > 0; rho -= kRingSpacing) {
        radii.push_back(rho);
    }
    return radii;
}

void PaintRadialGradient(DeviceContext& dc, const PaintBox& box, ColourRef start, ColourRef end,
                         int centreXPercent, int centreYPercent, bool halfTurned) {
    // Only the rings that meet the part of the device that can be painted are drawn:
    // those further in than its nearest point or further out than the ring holding its
    // farthest point change nothing. So a shape far larger than the device, or a letter
    // clip reaching far beyond it, costs no more than the device, and a shape wholly
    // outside it (an empty clip) costs nothing.
    const QRect visible = dc.VisibleArea();
    if (visible.isEmpty()) {
        return;
    }
    const QRectF area(visible);
    // 64 bits (and 128 for the product): a damaged file may hold any centre, and the
    // mirrored 100 − centre of the least int does not fit an int.
    const std::int64_t px = halfTurned ? 100 - std::int64_t{centreXPercent} : centreXPercent;
    const std::int64_t py = halfTurned ? 100 - std::int64_t{centreYPercent} : centreYPercent;
    const auto along = [](std::int64_t origin, std::int64_t extent, std::int64_t percent) {
        return double(origin + std::int64_t(__int128{extent} * percent / 100));
    };
    const double cx = along(box.left, box.Width(), px);
    const double cy = along(box.top, box.Height(), py);
    double reach = 0.0;
    for (const auto& [x, y] : {std::pair{box.left, box.top}, std::pair{box.right, box.top},
                               std::pair{box.right, box.bottom}, std::pair{box.left, box.bottom}}) {
        reach = std::max(reach, std::hypot(double(x) - cx, double(y) - cy));
    }
    // A centre far outside the box (a damaged file) would mean millions of rings.
    const std::int64_t outer = std::int64_t(std::min(reach, 1.0e15)) + 5;
    const std::array<ColourRef, 255> steps = GradientSteps(start, end);
    QPainter& painter = dc.Painter();
    if (dc.IsVectorPrinter() && double(outer) <= kWholeRingRadius) {
        // The printer's own gradient over the outermost ring: the colours of the rings
        // without their steps, as one shape.
        QRadialGradient gradient(QPointF(cx, cy), double(outer));
        gradient.setColorAt(0.0, ToQColor(steps.front()));
        gradient.setColorAt(1.0, ToQColor(steps.back()));
        QPainterPath disc;
        disc.addEllipse(QPointF(cx, cy), double(outer), double(outer));
        painter.fillPath(disc, gradient);
        return;
    }
    const AliasedScope aliased(painter);
    // Ring i has radius outer − 6 i; those with a radius above 0 are drawn.
    std::int64_t stop = (outer + kRingSpacing - 1) / kRingSpacing;
    const double nearX = std::clamp(cx, area.left(), area.right());
    const double nearY = std::clamp(cy, area.top(), area.bottom());
    const double nearest = std::hypot(nearX - cx, nearY - cy);
    const double farthest =
        std::hypot(std::max(std::fabs(area.left() - cx), std::fabs(area.right() - cx)),
                   std::max(std::fabs(area.top() - cy), std::fabs(area.bottom() - cy)));
    // Ring i is needed only while its inner radius does not exceed `farthest`.
    const std::int64_t first =
        std::max<std::int64_t>(0, std::int64_t((double(outer) - farthest) / kRingSpacing) - 1);
    // and while its outer radius reaches `nearest`.
    stop = std::min<std::int64_t>(stop, std::int64_t((double(outer) - nearest) / kRingSpacing) + 2);
    for (std::int64_t i = first; i < stop; ++i) {
        const std::int64_t rho = outer - kRingSpacing * i;
        const std::int64_t inner = rho - kRingSpacing;
        if (rho <= 0) {
            break;
        }
        const int k = int(rho * (kSteps - 1) / outer);
        painter.fillPath(RingPath(cx, cy, double(rho), double(std::max<std::int64_t>(inner, 0)), area),
                         ToQColor(steps[std::size_t(k)]));
    }
}

}  // namespace quenby
