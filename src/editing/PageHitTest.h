#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

namespace quenby {

class ElementOwner;
struct Document;
struct Element;

// Hit tests of the current face, in the pixels of `view` (the mouse code passes the
// canvas). The element drawn last lies on top and is found first; group followers are
// never hit, they go with their leader.

// The handle (1..8) of `element` under `point`, the highest index winning; 0 for none.
int HandleAt(const Element& element, const ElementOwner& view, QPoint point);

struct HandleHit {
    Element* element = nullptr;
    int handle = 0;
};
// The topmost selected element of the current face with a handle under `point`.
HandleHit HitTestHandles(const Document& doc, const ElementOwner& view, QPoint point);

// The topmost element of the current face whose bounding box holds `point`.
Element* HitTestBody(const Document& doc, const ElementOwner& view, QPoint point);

// The elements of the current face, followers left out, whose bounding boxes lie
// wholly inside `band` (their edges may lie on its edges); `band` covers
// [left, right) × [top, bottom) in any order of its corners.
std::vector<Element*> ElementsInside(const Document& doc, const ElementOwner& view, QPoint corner,
                                     QPoint oppositeCorner);

}  // namespace quenby
