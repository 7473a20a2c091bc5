#pragma once

#include "document/Document.h"
#include "document/ElementOperations.h"

#include <vector>

namespace quenby::test {

// A box whose first corner's x is its tag, so tests can read the order back.
inline ElementPtr TaggedBox(int tag, bool selected = false, int page = 0) {
    ElementPtr e = CreateBlankElement();
    e->kind = ElementKind::Box;
    e->corners = {DocPoint{float(tag), 0}, DocPoint{float(tag) + 10, 0},
                  DocPoint{float(tag) + 10, 10}, DocPoint{float(tag), 10}};
    e->selected = selected ? 1 : 0;
    e->page = static_cast<std::uint8_t>(page);
    return e;
}

inline int Tag(const Element& e) {
    return static_cast<int>(e.corners[0].x);
}

inline std::vector<int> Tags(const ElementList& list) {
    std::vector<int> tags;
    for (const Element& e : list)
        tags.push_back(Tag(e));
    return tags;
}

}  // namespace quenby::test
