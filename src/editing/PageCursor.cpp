#include "editing/PageCursor.h"

#include "document/ElementKind.h"

namespace quenby {

PageCursor ToolCursor(int tool) {
    switch (ElementKind(tool)) {
        case ElementKind::Ellipse:
            return PageCursor::FromResource(1);
        case ElementKind::Line:
            return PageCursor::FromResource(2);
        case ElementKind::Picture:
            return PageCursor::FromResource(3);
        case ElementKind::Box:
            return PageCursor::FromResource(4);
        case ElementKind::Text:
            return PageCursor::FromResource(5);
        case ElementKind::CircularText:
            return PageCursor::FromResource(8);
        case ElementKind::Calendar:
            return PageCursor::FromResource(10);
    }
    return PageCursor::Of(PageCursor::Arrow);
}

PageCursor HandleCursor(ElementKind kind, int handle) {
    if (kind == ElementKind::CircularText) {
        return handle == 2 ? PageCursor::FromResource(kRotateCursor)
                           : PageCursor::Of(PageCursor::Move);
    }
    switch (handle) {
        case 1:
        case 3:
            return PageCursor::Of(PageCursor::SizeNwSe);
        case 2:
            return kind == ElementKind::Picture ? PageCursor::Of(PageCursor::SizeNeSw)
                                                : PageCursor::FromResource(kRotateCursor);
        case 4:
            return PageCursor::Of(PageCursor::SizeNeSw);
        case 5:
        case 7:
            return PageCursor::Of(PageCursor::SizeNs);
        case 6:
        case 8:
            return PageCursor::Of(PageCursor::SizeWe);
        default:
            return PageCursor::Of(PageCursor::Arrow);
    }
}

}  // namespace quenby
