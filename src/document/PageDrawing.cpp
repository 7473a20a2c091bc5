#include "document/PageDrawing.h"

#include "document/Document.h"
#include "document/ElementDrawing.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "document/PictureDrawing.h"

namespace quenby {

void DrawPage(const Document& doc, int face, DeviceContext& dc, const ElementOwner& view,
              bool turnFaces, int cx, int cy) {
    const DocPoint centre = view.ToDocument(QPoint(cx, cy));
    for (const Element& element : doc.elements) {
        if (element.page != face) {
            continue;
        }
        if (!turnFaces) {
            DrawElementBody(element, dc, view);
            DrawElementOutline(element, dc, view);
            continue;
        }
        ElementPtr turned = CopyElementWithoutPicture(element);
        RotateElement(*turned, kHalfTurn, centre.x, centre.y);
        if (element.kind == ElementKind::Picture) {
            if (element.picture) {
                DrawPictureElement(*turned, *element.picture, dc, view);
            }
        } else {
            DrawElementBody(*turned, dc, view);
        }
        DrawElementOutline(*turned, dc, view);
    }
}

}  // namespace quenby
