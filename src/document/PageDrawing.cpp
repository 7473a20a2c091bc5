#include "document/PageDrawing.h"

#include "document/Document.h"
#include "document/ElementDrawing.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"

namespace quenby {

void DrawPage(const Document& doc, DeviceContext& dc, bool turnFaces, int cx, int cy) {
    for (const Element& element : doc.elements) {
        if (element.page != doc.currentPage) {
            continue;
        }
        ElementPtr copy = CopyElement(element);
        if (turnFaces) {
            const DocPoint centre = copy->owner ? copy->owner->ToDocument(QPoint(cx, cy))
                                                : DocPoint{float(cx) * 4.0f, float(cy) * 4.0f};
            RotateElement(*copy, kHalfTurn, centre.x, centre.y);
        }
        DrawElementBody(*copy, dc);
        DrawElementOutline(*copy, dc);
    }
}

}  // namespace quenby
