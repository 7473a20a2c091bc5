#pragma once

#include "document/Element.h"

#include <QPoint>

#include <array>

namespace quenby {

class ElementOwner;

// A new element as a tool makes it, from the four device points of the dragged
// rectangle (upper left, upper right, lower right, lower left; a click passes the
// same point four times), converted to document units through `view`. Texts get a
// new text block. The element is selected.
ElementPtr CreateElement(const ElementOwner& view, int page, ElementKind kind,
                         const std::array<QPoint, 4>& devicePoints);

// Sets the corners from four device points as CreateElement does (a circular text
// takes its circle from the rectangle's lower edge): a shape being drawn follows the
// pointer this way.
void SetCornersFromDevicePoints(Element& element, const ElementOwner& view,
                                const std::array<QPoint, 4>& devicePoints);

// The element the loader fills in field by field.
ElementPtr CreateBlankElement();

// A deep copy: equal in every field but the scratch words and the reserved bytes,
// which are zero.
ElementPtr CopyElement(const Element& source);
// The same without the bitmap of a picture: a stand-in to move or turn for drawing
// (DrawPictureElement takes the original's bitmap).
ElementPtr CopyElementWithoutPicture(const Element& source);

// Copies the drawing state of `source` into `target` (property dialogs edit a copy
// and assign it back). The target's reserved bytes and scratch words stay its own.
void AssignElement(Element& target, const Element& source);

void MoveElement(Element& element, float dx, float dy);
void ScaleElement(Element& element, float sx, float sy, float cx, float cy);
// Turns about (cx, cy) by `angle` radians and toggles halfTurned: the half turn of a
// face printed upside down and of "Girar texto", which turns pictures and gradients
// with the element.
void RotateElement(Element& element, float angle, float cx, float cy);
// Turns the corners alone, as the rotation handle does: a box turned a few degrees
// keeps its gradient (and halfTurned) as it was.
void TurnElement(Element& element, float angle, float cx, float cy);

// A half turn as the program passes it: pi as a 32-bit float.
inline constexpr float kHalfTurn = 3.14159265358979323846f;

}  // namespace quenby
