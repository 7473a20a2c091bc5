#include "editing/GestureGeometry.h"

#include "document/ElementList.h"
#include "document/ElementOperations.h"

#include <algorithm>
#include <cmath>

namespace quenby {
namespace {

float Length(DocPoint v) {
    return std::hypot(v.x, v.y);
}

DocPoint Minus(DocPoint a, DocPoint b) {
    return {a.x - b.x, a.y - b.y};
}

// `centre` + `direction` × `length`; `direction` of unit length.
DocPoint Along(DocPoint centre, DocPoint direction, float length) {
    return {centre.x + direction.x * length, centre.y + direction.y * length};
}

// The unit direction from `centre` to `p`; `fallback` when `p` lies on the centre.
DocPoint DirectionOf(DocPoint centre, DocPoint p, DocPoint fallback) {
    const DocPoint v = Minus(p, centre);
    const float length = Length(v);
    if (!(length > 0.0f) || !std::isfinite(length)) {
        return fallback;
    }
    return {v.x / length, v.y / length};
}

// 1 − (pointer − press) / (anchor − press) along one axis; 1 when the press lies
// level with the anchor, so that nothing divides by zero.
float AxisFactor(float anchor, float press, float pointer) {
    const float span = anchor - press;
    if (span == 0.0f || !std::isfinite(span)) {
        return 1.0f;
    }
    const float f = 1.0f - (pointer - press) / span;
    return std::isfinite(f) ? f : 1.0f;
}

}  // namespace

int OppositeHandle(int handle) {
    switch (handle) {
        case 1:
            return 3;
        case 2:
            return 4;
        case 3:
            return 1;
        case 4:
            return 2;
        case 5:
            return 7;
        case 6:
            return 8;
        case 7:
            return 5;
        case 8:
            return 6;
        default:
            return 0;
    }
}

ScaleFactors ResizeFactors(int handle, DocPoint anchor, DocPoint press, DocPoint pointer) {
    ScaleFactors f;
    if (handle != 5 && handle != 7) {
        f.x = AxisFactor(anchor.x, press.x, pointer.x);
    }
    if (handle != 6 && handle != 8) {
        f.y = AxisFactor(anchor.y, press.y, pointer.y);
    }
    return f;
}

float TurnAngle(DocPoint centre, DocPoint press, DocPoint pointer) {
    const DocPoint a = Minus(press, centre);
    const DocPoint b = Minus(pointer, centre);
    const double la = std::hypot(double(a.x), double(a.y));
    const double lb = std::hypot(double(b.x), double(b.y));
    if (!(la > 0.0) || !(lb > 0.0) || !std::isfinite(la * lb)) {
        return 0.0f;
    }
    const double cosine =
        std::clamp((double(a.x) * b.x + double(a.y) * b.y) / (la * lb), -1.0, 1.0);
    const double angle = std::acos(cosine);
    // y runs down the page: a positive cross product is a clockwise turn on the
    // screen, and TurnElement turns clockwise by a negative angle.
    const double cross = double(a.x) * b.y - double(a.y) * b.x;
    return float(cross > 0.0 ? -angle : angle);
}

void DragCircularHandle(Element& text, int handle, DocPoint pointer) {
    auto& c = text.corners;
    const DocPoint centre = c[0];
    const DocPoint toPointer = Minus(pointer, centre);
    const float reach = Length(toPointer);
    if (!(reach > 0.0f) || !std::isfinite(reach)) {
        return;
    }
    const DocPoint towardsPointer{toPointer.x / reach, toPointer.y / reach};
    float inner = Length(Minus(c[1], centre));
    float outer = Length(Minus(c[2], centre));
    // The arc's two ends, as directions from the centre.
    DocPoint firstEnd = DirectionOf(centre, c[1], DirectionOf(centre, c[2], towardsPointer));
    DocPoint otherEnd = DirectionOf(centre, c[3], {-firstEnd.x, -firstEnd.y});
    switch (handle) {
        case 5:
            inner = reach;
            firstEnd = towardsPointer;
            break;
        case 6:
            outer = reach;
            firstEnd = towardsPointer;
            break;
        case 7:
            inner = reach;
            otherEnd = towardsPointer;
            break;
        case 8:
            outer = reach;
            otherEnd = towardsPointer;
            break;
        default:
            return;
    }
    c[1] = Along(centre, firstEnd, inner);
    c[2] = Along(centre, firstEnd, outer);
    c[3] = Along(centre, otherEnd, inner);
}

std::array<QPoint, 4> DraggedCorners(QPoint press, QPoint point, int tool) {
    if (tool == int(ElementKind::CircularText)) {
        // The drag sets the circle's width only.
        point.setY(press.y());
    }
    const QPoint upperRight = tool == int(ElementKind::Line) ? point : QPoint(point.x(), press.y());
    return {press, upperRight, point, QPoint(press.x(), point.y())};
}

void MoveSelection(ElementList& elements, float dx, float dy) {
    for (Element& e : elements) {
        if (!e.selected || e.IsFollower()) {
            continue;
        }
        MoveElement(e, dx, dy);
        if (e.IsLeader()) {
            for (Element& f : elements) {
                if (f.groupMember == e.groupId) {
                    MoveElement(f, dx, dy);
                }
            }
        }
    }
}

void UnselectFollowers(ElementList& elements) {
    for (Element& e : elements) {
        if (e.IsFollower()) {
            e.selected = 0;
        }
    }
}

}  // namespace quenby
