#pragma once

#include <QPoint>

#include <vector>

namespace quenby {

class DeviceContext;
struct Element;

// Draws the fill, picture or text of an element. `exclusiveOr` draws in the
// not-XOR mode, so that drawing twice restores the pixels.
void DrawElementBody(const Element& element, DeviceContext& dc, bool exclusiveOr = false);
// Draws the outline of an element.
void DrawElementOutline(const Element& element, DeviceContext& dc, bool exclusiveOr = false);
// The reversible outline shown while dragging: a dotted one-pixel pen in the not-XOR
// mode (four-corner polygon, ellipse polygon, line, or a circular text's circle).
void DrawElementGhost(const Element& element, DeviceContext& dc);

// The closed 180-point polygon of an ellipse inscribed in the element's corners (a
// turned box gives a turned ellipse), in device points.
std::vector<QPoint> EllipsePolygon(const Element& element);
// The closed 360-point polygon of a circular text's circle, in device points.
std::vector<QPoint> CirclePolygon(const Element& element);

}  // namespace quenby
