#pragma once

#include "document/DocPoint.h"

#include <QPoint>

#include <array>

namespace quenby {

class ElementList;
struct Element;

// The arithmetic of the mouse gestures, apart from any window: what a drag does to
// an element, in document units.

// The handle across the box from `handle`: 1↔3, 2↔4, 5↔7, 6↔8; 0 for anything else.
int OppositeHandle(int handle);

// How far a resize stretches each way.
struct ScaleFactors {
    float x = 1.0f;
    float y = 1.0f;
    bool IsIdentity() const { return x == 1.0f && y == 1.0f; }
};
// The factors of a drag of `handle`, anchored at the opposite handle `anchor`, from
// `press` to `pointer`: the press point goes with the pointer, the anchor stays.
// Handles 5 and 7 stretch up and down only, 6 and 8 across only. An axis on which
// the press lies level with the anchor (an element too thin to stretch that way at
// this zoom) is not stretched.
ScaleFactors ResizeFactors(int handle, DocPoint anchor, DocPoint press, DocPoint pointer);

// The angle, in radians as TurnElement takes it, that turns the direction from
// `centre` to `press` into the direction from `centre` to `pointer`, so that the
// element follows the pointer round; 0 when either point lies on the centre.
float TurnAngle(DocPoint centre, DocPoint press, DocPoint pointer);

// Moves one of a circular text's handles 5..8 to `pointer`. Handles 5 and 6 hold the
// arc's end at corners 1 and 2, handles 7 and 8 its other end: each turns its end of
// the arc round to the pointer. The inner handles (5, 7) set the radius of the circle
// the letters stand on, the outer ones (6, 8) that of the circle their tops reach.
// A pointer on the centre changes nothing.
void DragCircularHandle(Element& circularText, int handle, DocPoint pointer);

// The four device points of a rectangle drawn from `press` to `point` by the tool
// (ElementKind value): upper left, upper right, lower right, lower left of the drag.
// A line runs from the press to the point; a circular text takes the width alone.
std::array<QPoint, 4> DraggedCorners(QPoint press, QPoint point, int tool);

// Moves every selected element that does not follow a group, and the followers of
// each selected leader with it.
void MoveSelection(ElementList& elements, float dx, float dy);

// A follower goes with its leader only: a stretch or a turn first takes any follower
// out of the selection.
void UnselectFollowers(ElementList& elements);

}  // namespace quenby
