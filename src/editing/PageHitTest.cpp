#include "editing/PageHitTest.h"

#include "document/Document.h"
#include "document/ElementGeometry.h"

#include <algorithm>

namespace quenby {

int HandleAt(const Element& element, const ElementOwner& view, QPoint point) {
    return HitHandle(element, view, point.x(), point.y());
}

HandleHit HitTestHandles(const Document& doc, const ElementOwner& view, QPoint point) {
    const ElementList& elements = doc.elements;
    for (int slot = elements.Count() - 1; slot >= 0; --slot) {
        Element* e = elements.At(slot);
        if (!e->selected || e->page != doc.currentPage) {
            continue;
        }
        if (const int handle = HandleAt(*e, view, point)) {
            return {e, handle};
        }
    }
    return {};
}

Element* HitTestBody(const Document& doc, const ElementOwner& view, QPoint point) {
    const ElementList& elements = doc.elements;
    for (int slot = elements.Count() - 1; slot >= 0; --slot) {
        Element* e = elements.At(slot);
        if (e->page == doc.currentPage && HitElement(*e, view, point.x(), point.y())) {
            return e;
        }
    }
    return nullptr;
}

std::vector<Element*> ElementsInside(const Document& doc, const ElementOwner& view, QPoint corner,
                                     QPoint oppositeCorner) {
    const int left = std::min(corner.x(), oppositeCorner.x());
    const int right = std::max(corner.x(), oppositeCorner.x());
    const int top = std::min(corner.y(), oppositeCorner.y());
    const int bottom = std::max(corner.y(), oppositeCorner.y());
    std::vector<Element*> inside;
    for (Element& e : doc.elements) {
        if (e.page != doc.currentPage || e.IsFollower()) {
            continue;
        }
        // right() and bottom() of the element's box are its last pixels inside.
        const QRect box = ElementDeviceRect(e, view);
        if (box.left() >= left && box.top() >= top && box.right() + 1 <= right &&
            box.bottom() + 1 <= bottom) {
            inside.push_back(&e);
        }
    }
    return inside;
}

}  // namespace quenby
