#pragma once

#include "document/ElementKind.h"

namespace quenby {

// How the pointer looks over the page: a system shape, or one of the program's own
// cursors by number (the tools' 1..5, 8 and 10, the page-turn corner's 7 and the
// rotation handle's 9).
struct PageCursor {
    enum Shape {
        Arrow,
        Cross,     // a handle pressed
        Move,      // four-way arrow: moving, and a circular text's handles
        SizeNwSe,  // diagonal from top-left to bottom-right
        SizeNeSw,
        SizeNs,
        SizeWe,
        Resource,
    };

    Shape shape = Arrow;
    int resource = 0;  // the cursor's number, for Resource

    static PageCursor Of(Shape shape) { return {shape, 0}; }
    static PageCursor FromResource(int id) { return {Resource, id}; }

    friend bool operator==(const PageCursor&, const PageCursor&) = default;
};

inline constexpr int kPageTurnCursor = 7;
inline constexpr int kRotateCursor = 9;

// The cursor a tool shows while it is chosen: the arrow for the select tool.
PageCursor ToolCursor(int tool);

// The cursor over handle 1..8 of an element of `kind`: the way the handle stretches,
// the rotation cursor over handle 2 (a picture's stretches), the four-way arrow over
// a circular text's handles 5..8.
PageCursor HandleCursor(ElementKind kind, int handle);

}  // namespace quenby
