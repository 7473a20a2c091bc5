#include "document/PageDrawing.h"

#include "document/Document.h"
#include "document/ElementDrawing.h"
#include "document/ElementGeometry.h"
#include "document/ElementLayerCache.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "document/PictureDrawing.h"
#include "platform/DeviceContext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace quenby {
namespace {

// A device box in 64 bits, [left, right] × [top, bottom], that can be widened freely.
struct Reach {
    std::int64_t left, top, right, bottom;

    void Add(QPoint p) {
        left = std::min<std::int64_t>(left, p.x());
        top = std::min<std::int64_t>(top, p.y());
        right = std::max<std::int64_t>(right, p.x());
        bottom = std::max<std::int64_t>(bottom, p.y());
    }
    void Add(const Reach& r) {
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.right);
        bottom = std::max(bottom, r.bottom);
    }
    bool Meets(const QRect& area) const {
        return left <= area.right() && right >= area.left() && top <= area.bottom() &&
               bottom >= area.top();
    }
};

// Everything the element's body and outline can paint: its grab box and its corners,
// an ellipse's or a circular text's circle, a text's shadow, all widened by the widest
// pen that draws it; a transparent picture's strips reach a step beyond its box.
// `picture` is the element's own, also for a turned stand-in that shares it.
Reach ReachOf(const Element& element, const ElementOwner& owner, const Dib* picture) {
    const QRect grab = ElementDeviceRect(element, owner).normalized();
    Reach reach{grab.left(), grab.top(), grab.right(), grab.bottom()};
    for (const DocPoint& corner : element.corners) {
        reach.Add(owner.ToDevice(corner));
    }
    if (element.kind == ElementKind::Ellipse) {
        for (const QPoint& p : EllipsePolygon(element, owner)) {
            reach.Add(p);
        }
    } else if (element.kind == ElementKind::CircularText) {
        const DocPoint c0 = element.corners[0];
        const DocPoint c2 = element.corners[2];
        // In double: the radius of a damaged file's circle may pass the float range.
        const double r = std::hypot(double(c2.x) - c0.x, double(c2.y) - c0.y);
        constexpr double kMax = std::numeric_limits<float>::max();
        const auto at = [&](double x, double y) {
            return owner.ToDevice(DocPoint{float(std::clamp(x, -kMax, kMax)),
                                           float(std::clamp(y, -kMax, kMax))});
        };
        reach.Add(at(c0.x - r, c0.y - r));
        reach.Add(at(c0.x + r, c0.y + r));
    }
    std::int64_t pen = element.outlineWidth;
    pen = std::max<std::int64_t>(
        pen, std::int64_t(std::ceil(double(element.outlineWidth) * owner.ZoomPercent() * 0.01)));
    if (element.text) {
        pen = std::max<std::int64_t>(pen, element.text->outlineWidth);
        if (element.text->shadowOn) {
            const DocPoint c = element.corners[0];
            const QPoint from = owner.ToDevice(c);
            const QPoint to = owner.ToDevice(DocPoint{c.x + float(element.text->shadowDx),
                                                      c.y + float(element.text->shadowDy)});
            const std::int64_t dx = std::int64_t{to.x()} - from.x();
            const std::int64_t dy = std::int64_t{to.y()} - from.y();
            Reach shadow = reach;
            shadow.left += dx - 2;
            shadow.right += dx + 2;
            shadow.top += dy - 2;
            shadow.bottom += dy + 2;
            reach.Add(shadow);
        }
    }
    std::int64_t stepX = 0, stepY = 0;
    if (picture && picture->Width() > 0 && picture->Height() != 0) {
        stepX = 2;
        stepY = (reach.bottom - reach.top) / std::abs(picture->Height()) + 2;
    }
    const std::int64_t margin = pen + 2;
    reach.left -= margin + stepX;
    reach.right += margin + stepX;
    reach.top -= margin + stepY;
    reach.bottom += margin + stepY;
    return reach;
}

// The reach as a rectangle, when it fits an int; empty otherwise.
QRect ToRect(const Reach& r) {
    constexpr std::int64_t kLimit = std::int64_t(1) << 28;
    if (r.left < -kLimit || r.top < -kLimit || r.right > kLimit || r.bottom > kLimit ||
        r.right < r.left || r.bottom < r.top) {
        return {};
    }
    return QRect(QPoint(int(r.left), int(r.top)), QPoint(int(r.right), int(r.bottom)));
}

// Draws the element from the view's kept image of it, when the view keeps one and the
// device takes it; false when it is to be drawn as it comes.
bool DrawFromLayer(const Element& element, DeviceContext& dc, const ElementOwner& view) {
    ElementLayerCache* layers = view.ElementLayers();
    if (!layers || view.IsPrinting() || !ElementLayerCache::Serves(dc)) {
        return false;
    }
    // Where the element paints, without the scroll origin; a pixel more all round
    // for the soft edges.
    const FixedOwner unscrolled(view.ZoomPercent());
    const QRect reach =
        ToRect(ReachOf(element, unscrolled, element.picture.get())).adjusted(-1, -1, 1, 1);
    return layers->Draw(element, dc, view, reach);
}

}  // namespace

void DrawPage(const Document& doc, int face, DeviceContext& dc, const ElementOwner& view,
              bool turnFaces, int cx, int cy) {
    // Elements that cannot reach the part of the device being drawn are left out: a
    // page set's tile, or a view scrolled to one corner, draws only what it shows.
    const QRect visible = dc.VisibleArea();
    if (visible.isEmpty()) {
        return;
    }
    const DocPoint centre = view.ToDocument(QPoint(cx, cy));
    if (ElementLayerCache* layers = view.ElementLayers()) {
        layers->StartPaint();
    }
    for (const Element& element : doc.elements) {
        if (element.page != face) {
            continue;
        }
        if (!turnFaces) {
            if (ReachOf(element, view, element.picture.get()).Meets(visible) &&
                !DrawFromLayer(element, dc, view)) {
                DrawElementBody(element, dc, view);
                DrawElementOutline(element, dc, view);
            }
            continue;
        }
        ElementPtr turned = CopyElementWithoutPicture(element);
        RotateElement(*turned, kHalfTurn, centre.x, centre.y);
        if (!ReachOf(*turned, view, element.picture.get()).Meets(visible)) {
            continue;
        }
        if (element.kind == ElementKind::Picture) {
            if (element.picture) {
                DrawPictureElement(*turned, *element.picture, dc, view);
            }
        } else {
            DrawElementBody(*turned, dc, view);
        }
        DrawElementOutline(*turned, dc, view);
    }
}

}  // namespace quenby
