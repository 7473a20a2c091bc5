#include "document/PictureDrawing.h"

#include "document/Element.h"
#include "document/ElementGeometry.h"
#include "document/ElementOwner.h"
#include "graphics/TransparentPicture.h"
#include "platform/DeviceContext.h"
#include "platform/Dib.h"

#include <QImage>

namespace quenby {
namespace {

constexpr int kTransparentIndex = 255;

}  // namespace

void DrawPictureElement(const Element& element, DeviceContext& dc, const ElementOwner& view) {
    if (element.picture) {
        DrawPictureElement(element, *element.picture, dc, view);
    }
}

void DrawPictureElement(const Element& element, const Dib& picture, DeviceContext& dc,
                        const ElementOwner& view) {
    const ElementBox b = ElementBounds(element);
    const QPoint topLeft = view.ToDevice(DocPoint{b.left, b.top});
    const QPoint bottomRight = view.ToDevice(DocPoint{b.right, b.bottom});
    const int left = topLeft.x(), top = topLeft.y();
    const int right = bottomRight.x(), bottom = bottomRight.y();
    if (right <= left || bottom <= top) {
        return;
    }
    const bool turned = element.halfTurned != 0;
    if (element.transparent) {
        DrawPictureTransparent(dc, left, top, right, bottom, picture, kTransparentIndex, turned);
        return;
    }
    const QImage image = picture.ToImage();
    const QRect dest(left, top, right - left, bottom - top);
    if (!turned) {
        dc.StretchImage(image, dest, image.rect());
    } else if (!dc.IsPrinting()) {
        // Negative extents: the device turns the picture while stretching it.
        dc.StretchImage(image, QRect(right, bottom, -(right - left), -(bottom - top)),
                        image.rect());
    } else {
        // Printers get a turned copy: mirrored both ways, with the rows' padding
        // staying out of the picture.
        dc.StretchImage(image.mirrored(true, true), dest, image.rect());
    }
}

}  // namespace quenby
