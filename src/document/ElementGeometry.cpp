#include "document/ElementGeometry.h"

#include "document/Element.h"
#include "document/ElementOwner.h"
#include "platform/DeviceContext.h"
#include "platform/Dib.h"
#include "platform/ResourceImages.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace quenby {
namespace {

constexpr int kSweepSteps = 400;
constexpr float kThinExtent = 10.0f;
constexpr float kWidening = 4.0f;
constexpr int kRotationGlyph = 11051;

// Hot squares (left, top, right, bottom) around handles 1..8.
constexpr std::array<std::array<int, 4>, 8> kSquares = {{
    {-10, -10, -2, -2},
    {2, -15, 15, -2},
    {2, 2, 10, 10},
    {-10, 2, -2, 10},
    {-4, -10, 4, -2},
    {2, -4, 10, 4},
    {-4, 2, 4, 10},
    {-10, -4, -2, 4},
}};
constexpr std::array<int, 4> kSmallRotationSquare = {2, -10, 10, -2};
constexpr std::array<int, 4> kCentredSquare = {-4, -4, 4, 4};

void Extend(ElementBox& box, DocPoint p) {
    box.left = std::min(box.left, p.x);
    box.right = std::max(box.right, p.x);
    box.top = std::min(box.top, p.y);
    box.bottom = std::max(box.bottom, p.y);
}

ElementBox BoxAt(DocPoint p) {
    return ElementBox{p.x, p.y, p.x, p.y, p};
}

float Length(float x, float y) {
    return std::sqrt(x * x + y * y);
}

// Extends the box by `p` turned about `centre` by sign × k × arc / 400 for k = 1..400.
// Only the samples that can be extreme are turned: both ends, and the two samples on
// either side of each angle at which x or y peaks; the result is that of turning all
// 400, at a fiftieth of the cost (the mouse code asks for bounds at every move).
void SweepArc(ElementBox& box, DocPoint p, DocPoint centre, float arc, float sign) {
    const float step = arc / float(kSweepSteps);
    auto sample = [&](int k) {
        if (k >= 1 && k <= kSweepSteps) {
            Extend(box, TurnPoint(p, centre, sign * float(k) * step));
        }
    };
    sample(1);
    sample(kSweepSteps);
    if (!(step > 0.0f)) {
        return;
    }
    const double ux = double(p.x) - centre.x, uy = double(p.y) - centre.y;
    if ((ux == 0.0 && uy == 0.0) || !std::isfinite(ux) || !std::isfinite(uy)) {
        return;  // no direction to peak in (a damaged file's corners may be NaN)
    }
    // x(t) = cos t · ux + sin t · uy peaks at atan2(uy, ux); y(t) = −sin t · ux + cos t · uy
    // at atan2(−ux, uy); the troughs lie half a turn further.
    const double peaks[2] = {std::atan2(uy, ux), std::atan2(-ux, uy)};
    constexpr double kTurn = 2.0 * std::numbers::pi;
    for (const double peak : peaks) {
        for (const double extreme : {peak, peak + std::numbers::pi}) {
            double t = std::fmod(double(sign) * extreme, kTurn);
            if (t < 0.0) {
                t += kTurn;
            }
            // Within the sweep or just outside it, whatever the step: a step that is all
            // but zero would put k beyond the int range.
            const double at = std::floor(t / double(step));
            if (!std::isfinite(at)) {
                continue;
            }
            const int k = int(std::clamp(at, -1.0, double(kSweepSteps) + 1.0));
            sample(k);
            sample(k + 1);
        }
    }
}

}  // namespace

std::array<QPoint, 4> DeviceCorners(const Element& element, const ElementOwner& view) {
    std::array<QPoint, 4> d;
    for (std::size_t i = 0; i < 4; ++i) {
        d[i] = view.ToDevice(element.corners[i]);
    }
    return d;
}

DocPoint TurnPoint(DocPoint p, DocPoint centre, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float u = p.x - centre.x;
    const float v = p.y - centre.y;
    return DocPoint{c * u + s * v + centre.x, -s * u + c * v + centre.y};
}

float CircularArcAngle(const Element& element) {
    const DocPoint c0 = element.corners[0];
    const float ux = element.corners[3].x - c0.x, uy = element.corners[3].y - c0.y;
    const float vx = element.corners[1].x - c0.x, vy = element.corners[1].y - c0.y;
    const float lu = Length(ux, uy), lv = Length(vx, vy);
    if (!(lu > 0.0f) || !(lv > 0.0f)) {
        return 0.0f;
    }
    const float cosine = std::clamp((ux * vx + uy * vy) / (lu * lv), -1.0f, 1.0f);
    float a = std::acos(cosine);
    if (!(ux * vy - uy * vx > 0.0f)) {
        a = -a;
    }
    if (a < 0.0f) {
        a += 2.0f * std::numbers::pi_v<float>;
    }
    return a;
}

ElementBox RawBounds(const Element& element) {
    const auto& k = element.corners;
    ElementBox box;
    switch (element.kind) {
        case ElementKind::Line:
            box = BoxAt(k[0]);
            Extend(box, k[1]);
            break;
        case ElementKind::CircularText: {
            box = BoxAt(k[2]);
            const float a = CircularArcAngle(element);
            SweepArc(box, k[2], k[0], a, 1.0f);
            SweepArc(box, k[3], k[0], a, -1.0f);
            break;
        }
        default:
            box = BoxAt(k[0]);
            for (int i = 1; i < 4; ++i) {
                Extend(box, k[std::size_t(i)]);
            }
            break;
    }
    box.centre = DocPoint{(box.left + box.right) / 2.0f, (box.top + box.bottom) / 2.0f};
    return box;
}

ElementBox ElementBounds(const Element& element) {
    ElementBox box = RawBounds(element);
    if (std::fabs(box.top - box.bottom) < kThinExtent) {
        box.top -= kWidening;
        box.bottom += kWidening;
    }
    if (std::fabs(box.left - box.right) < kThinExtent) {
        box.left -= kWidening;
        box.right += kWidening;
    }
    box.centre = DocPoint{(box.left + box.right) / 2.0f, (box.top + box.bottom) / 2.0f};
    return box;
}

QRect ElementDeviceRect(const Element& element, const ElementOwner& view) {
    return ElementDeviceRect(element, view, ElementBounds(element));
}

QRect ElementDeviceRect(const Element&, const ElementOwner& view, const ElementBox& b) {
    const QPoint topLeft = view.ToDevice(DocPoint{b.left, b.top});
    const QPoint bottomRight = view.ToDevice(DocPoint{b.right, b.bottom});
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

std::array<QPoint, 8> HandlePoints(const Element& element, const ElementOwner& view) {
    return HandlePoints(element, view, ElementBounds(element));
}

std::array<QPoint, 8> HandlePoints(const Element& element, const ElementOwner& view,
                                   const ElementBox& b) {
    const float midX = (b.left + b.right) / 2.0f;
    const float midY = (b.top + b.bottom) / 2.0f;
    std::array<DocPoint, 8> p = {{
        {b.left, b.top},
        {b.right, b.top},
        {b.right, b.bottom},
        {b.left, b.bottom},
        {midX, b.top},
        {b.right, midY},
        {midX, b.bottom},
        {b.left, midY},
    }};
    if (element.kind == ElementKind::CircularText) {
        const auto& k = element.corners;
        p[4] = k[1];
        p[5] = k[2];
        p[6] = k[3];
        // On the circle, in the direction of corner 3.
        const float r2 = Length(k[2].x - k[0].x, k[2].y - k[0].y);
        const float r1 = Length(k[1].x - k[0].x, k[1].y - k[0].y);
        const float f = r1 > 0.0f ? r2 / r1 : 0.0f;
        p[7] = DocPoint{k[0].x + (k[3].x - k[0].x) * f, k[0].y + (k[3].y - k[0].y) * f};
    }
    std::array<QPoint, 8> device;
    for (std::size_t i = 0; i < p.size(); ++i) {
        device[i] = view.ToDevice(p[i]);
    }
    return device;
}

bool HasHandle(const Element& element, int index) {
    if (index < 1 || index > 8) {
        return false;
    }
    if (element.kind == ElementKind::CircularText) {
        return index == 2 || index >= 5;
    }
    return true;
}

QRect HandleSquare(const Element& element, int index, QPoint h) {
    if (index < 1 || index > 8) {
        return {};
    }
    std::array<int, 4> s = kSquares[std::size_t(index - 1)];
    if (index == 2 &&
        (element.kind == ElementKind::Picture || element.kind == ElementKind::CircularText)) {
        s = kSmallRotationSquare;
    } else if (index >= 5 && element.kind == ElementKind::CircularText) {
        s = kCentredSquare;
    }
    return QRect(QPoint(h.x() + s[0], h.y() + s[1]), QPoint(h.x() + s[2] - 1, h.y() + s[3] - 1));
}

bool HitElement(const Element& element, const ElementOwner& view, int x, int y) {
    if (element.IsFollower()) {
        return false;
    }
    return HitElement(element, view, x, y, ElementBounds(element));
}

bool HitElement(const Element& element, const ElementOwner& view, int x, int y,
                const ElementBox& bounds) {
    if (element.IsFollower()) {
        return false;
    }
    return ElementDeviceRect(element, view, bounds).contains(x, y);
}

int HitHandle(const Element& element, const ElementOwner& view, int x, int y) {
    if (element.IsFollower()) {
        return 0;
    }
    return HitHandle(element, view, x, y, ElementBounds(element));
}

int HitHandle(const Element& element, const ElementOwner& view, int x, int y,
              const ElementBox& bounds) {
    if (element.IsFollower()) {
        return 0;
    }
    if (element.kind != ElementKind::CircularText) {
        // Every handle sits on the grab box and its square reaches 15 pixels out.
        constexpr int kReach = 16;
        const QRect box = ElementDeviceRect(element, view, bounds);
        if (x < box.left() - kReach || x > box.right() + kReach || y < box.top() - kReach ||
            y > box.bottom() + kReach) {
            return 0;
        }
    }
    const std::array<QPoint, 8> points = HandlePoints(element, view, bounds);
    int hit = 0;
    for (int i = 1; i <= 8; ++i) {
        if (HasHandle(element, i) &&
            HandleSquare(element, i, points[std::size_t(i - 1)]).contains(x, y)) {
            hit = i;
        }
    }
    return hit;
}

void DrawSelection(const Element& element, DeviceContext& dc, const ElementOwner& view) {
    const std::array<QPoint, 8> points = HandlePoints(element, view);
    DeviceContext::NotXorScope notXor(dc, true);
    dc.SetPen(DeviceContext::PenStyle::Solid, kBlack, 1);
    dc.SetSolidBrush(kBlack);
    for (int i = 1; i <= 8; ++i) {
        if (!HasHandle(element, i)) {
            continue;
        }
        const QPoint h = points[std::size_t(i - 1)];
        if (i == 2 && element.kind != ElementKind::Picture) {
            // The rotation glyph: every pixel of palette index 0, bottom row first,
            // standing above and to the right of the corner.
            const std::unique_ptr<Dib> glyph = ResourceDib(kRotationGlyph);
            if (!glyph || glyph->BitCount() != 8 || glyph->CompressionType() != Dib::Rgb) {
                continue;
            }
            const int height = std::abs(glyph->Height());
            for (int row = 0; row < height; ++row) {
                const int memoryRow = glyph->Height() > 0 ? row : height - 1 - row;
                const std::uint8_t* pixels =
                    glyph->Bits().data() + std::size_t(memoryRow) * glyph->Stride();
                for (int x = 0; x < glyph->Width(); ++x) {
                    if (pixels[x] == 0) {
                        dc.SetPixel(h.x() + x, h.y() - row, kBlack);
                    }
                }
            }
            continue;
        }
        const QRect s = HandleSquare(element, i, h);
        dc.Rectangle(s.left(), s.top(), s.right() + 1, s.bottom() + 1);
    }
}

}  // namespace quenby
