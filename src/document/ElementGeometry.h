#pragma once

#include "document/DocPoint.h"

#include <QPoint>
#include <QRect>

#include <array>

namespace quenby {

class DeviceContext;
class ElementOwner;
struct Element;

// An axis-aligned box in document units, with its centre.
struct ElementBox {
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
    DocPoint centre;
};

// The extent of the element's points (a circular text: of its arc, swept in 400
// steps each way).
ElementBox RawBounds(const Element& element);
// The raw bounds with an extent under 10 units widened by 4 units on each side, so
// that thin lines can be grabbed; the centre is the middle of the widened box.
ElementBox ElementBounds(const Element& element);

// The arc of a circular text, in radians within [0, 2π): the angle from the centre
// between corner 3 and corner 1. 0 when either lies on the centre.
float CircularArcAngle(const Element& element);
// `p` turned about `centre` by `angle`, as rotating an element turns its corners.
DocPoint TurnPoint(DocPoint p, DocPoint centre, float angle);

// Everything below that speaks of device pixels converts through `view`: the zoom,
// origin and printing flag of whatever shows the element (the page view, a printer,
// a preview, a thumbnail). The element itself knows nothing of them.

// The four corners in device pixels.
std::array<QPoint, 4> DeviceCorners(const Element& element, const ElementOwner& view);

// The grab bounds in device pixels; right() and bottom() are the last pixels inside.
QRect ElementDeviceRect(const Element& element, const ElementOwner& view);
QRect ElementDeviceRect(const Element& element, const ElementOwner& view,
                        const ElementBox& bounds);

// Device points of handles 1..8, at [index − 1].
std::array<QPoint, 8> HandlePoints(const Element& element, const ElementOwner& view);
std::array<QPoint, 8> HandlePoints(const Element& element, const ElementOwner& view,
                                   const ElementBox& bounds);
// A circular text has handles 2 and 5..8 only.
bool HasHandle(const Element& element, int index);
// The hot square of a handle around its device point, right and bottom excluded
// (QRect right()/bottom() being the last pixel inside).
QRect HandleSquare(const Element& element, int index, QPoint handlePoint);

// Whether a device point lies in the element's grab box; never for a group follower.
bool HitElement(const Element& element, const ElementOwner& view, int x, int y);
bool HitElement(const Element& element, const ElementOwner& view, int x, int y,
                const ElementBox& bounds);
// The handle (1..8) whose hot square holds the device point, the highest index
// winning; 0 for none and for a group follower.
int HitHandle(const Element& element, const ElementOwner& view, int x, int y);
int HitHandle(const Element& element, const ElementOwner& view, int x, int y,
              const ElementBox& bounds);

// The handles of a selected element, black, in the not-XOR mode: drawing them twice
// removes them. Handle 2 of every kind but the picture is the rotation glyph.
void DrawSelection(const Element& element, DeviceContext& dc, const ElementOwner& view);

}  // namespace quenby
