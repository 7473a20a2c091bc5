#include "document/PictureDrawing.h"

#include "document/Element.h"
#include "document/ElementGeometry.h"
#include "document/ElementOwner.h"
#include "graphics/TransparentPicture.h"
#include "platform/DeviceContext.h"
#include "platform/Dib.h"

#include <QImage>

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace quenby {
namespace {

constexpr int kTransparentIndex = 255;
// Pictures up to this many pixels are converted whole at every drawing; larger ones
// only in the part the device shows.
constexpr std::int64_t kWholePicturePixels = std::int64_t(4) << 20;

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
    // 64 bits: the box of a damaged file may span the whole device range.
    const std::int64_t left = topLeft.x(), top = topLeft.y();
    const std::int64_t right = bottomRight.x(), bottom = bottomRight.y();
    if (right <= left || bottom <= top) {
        return;
    }
    const bool turned = element.halfTurned != 0;
    if (element.transparent) {
        DrawPictureTransparent(dc, int(left), int(top), int(right), int(bottom), picture,
                               kTransparentIndex, turned);
        return;
    }
    const std::int64_t pixels = std::int64_t{picture.Width()} * std::abs(picture.Height());
    const std::int64_t width = right - left, height = bottom - top;
    if (pixels > kWholePicturePixels || width > std::numeric_limits<int>::max() ||
        height > std::numeric_limits<int>::max()) {
        dc.StretchDibInto(picture, left, top, right, bottom, turned);
        return;
    }
    // Printers get a turned copy: mirrored both ways, with the rows' padding staying
    // out of the picture. The screen turns the picture with negative extents.
    const bool mirroredCopy = turned && dc.IsPrinting();
    const QImage image = dc.KeptImage(picture.Packed(), mirroredCopy ? 1 : 0, QRect(), [&] {
        return mirroredCopy ? picture.ToImage().mirrored(true, true) : picture.ToImage();
    });
    const QRect dest{int(left), int(top), int(width), int(height)};
    if (turned && !mirroredCopy) {
        dc.StretchImage(image, QRect(int(right), int(bottom), -int(width), -int(height)),
                        image.rect());
    } else {
        dc.StretchImage(image, dest, image.rect());
    }
}

}  // namespace quenby
