#pragma once

#include <QPoint>

#include <vector>

namespace quenby {

class DeviceContext;
class ElementOwner;
struct Element;

// Each takes the view it draws for (zoom, origin, printing): the page view, a
// printer, a preview or a thumbnail draw the same element without changing it.

// Draws the fill, picture or text of an element. `exclusiveOr` draws in the
// not-XOR mode, so that drawing twice restores the pixels.
void DrawElementBody(const Element& element, DeviceContext& dc, const ElementOwner& view,
                     bool exclusiveOr = false);
// Draws the outline of an element.
void DrawElementOutline(const Element& element, DeviceContext& dc, const ElementOwner& view,
                        bool exclusiveOr = false);
// The reversible outline shown while dragging: a dotted one-pixel pen in the not-XOR
// mode (four-corner polygon, ellipse polygon, line, or a circular text's circle).
void DrawElementGhost(const Element& element, DeviceContext& dc, const ElementOwner& view);

// The closed 180-point polygon of an ellipse inscribed in the element's corners (a
// turned box gives a turned ellipse), in device points.
std::vector<QPoint> EllipsePolygon(const Element& element, const ElementOwner& view);
// The closed 360-point polygon of a circular text's circle, in device points.
std::vector<QPoint> CirclePolygon(const Element& element, const ElementOwner& view);

}  // namespace quenby
