#include "document/PictureDrawing.h"

#include "document/Element.h"
#include "document/ElementGeometry.h"
#include "document/ElementOwner.h"
#include "graphics/ScaledPicture.h"
#include "graphics/TransparentPicture.h"
#include "platform/DeviceContext.h"
#include "platform/Dib.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace quenby {
namespace {

constexpr int kTransparentIndex = 255;
// Pictures up to this many pixels are converted whole at every drawing; larger ones
// only in the part the device shows.
constexpr std::int64_t kWholePicturePixels = std::int64_t(4) << 20;
// A smoothly drawn picture's box stays within this many pixels of the origin; beyond,
// a damaged file's box is drawn colour on colour, only where it shows.
constexpr std::int64_t kMaxSmoothReach = std::int64_t(1) << 24;
// Marks a kept image scaled smoothly, apart from the ones drawn colour on colour.
constexpr int kSmoothVariant = 1 << 13;

// Whether pictures are drawn smoothly scaled: on the screen (or an image made for it)
// with smooth edges asked for. Printers, the print preview among them, and the not-XOR
// feedback keep every pixel drawn or not.
bool ScalesSmoothly(const DeviceContext& dc) {
    return dc.IsSmooth() && !dc.IsNotXor() && !dc.IsPrinting();
}

// Draws the picture scaled smoothly into [left, right) × [top, bottom), turned half a
// turn when `turned`; a transparent picture clear where it has index 255, its edges
// blending into what lies below. The picture is composed once at its own pixels and
// averaged down to the box where it shrinks (interpolated up where it grows), so a
// transparent one shows no seams between its runs. False, having drawn nothing, for
// pictures and boxes too large to compose whole, which are drawn colour on colour.
bool DrawSmoothly(const Dib& picture, bool transparent, DeviceContext& dc, std::int64_t left,
                  std::int64_t top, std::int64_t right, std::int64_t bottom, bool turned) {
    const int w = picture.Width();
    const int h = std::abs(picture.Height());
    if (w <= 0 || h <= 0 || std::int64_t{w} * h > kWholePicturePixels) {
        return false;
    }
    if (transparent && (picture.BitCount() != 8 || picture.CompressionType() != Dib::Rgb)) {
        // No palette index to leave out: the transfer draws such a picture opaque and
        // unturned, and so does this.
        transparent = false;
        turned = false;
    }
    if (transparent) {
        // The transfer lays the picture's bottom line one row's height below the box
        // (above it when turned): the smooth copy covers the same pixels.
        const std::int64_t step = (bottom - top + h - 1) / h;
        top += turned ? -step : step;
        bottom += turned ? -step : step;
    }
    const auto beyond = [](std::int64_t v) { return v < -kMaxSmoothReach || v > kMaxSmoothReach; };
    if (beyond(left) || beyond(top) || beyond(right) || beyond(bottom)) {
        return false;
    }
    const QRect dest(int(left), int(top), int(right - left), int(bottom - top));
    if (!dest.intersects(dc.VisibleArea())) {
        return true;  // nothing of it shows
    }
    // Averaged down to the box where it shrinks; where it grows, the device interpolates
    // the picture's own pixels, so the image never holds more pixels than the picture.
    const QSize scaled(std::min(dest.width(), w), std::min(dest.height(), h));
    const int variant = kSmoothVariant | (transparent ? 2 : 0) | (turned ? 1 : 0);
    const QImage image =
        dc.KeptImage(picture.Packed(), variant, QRect(QPoint(0, 0), scaled), [&] {
            const QImage made = transparent
                                    ? SmoothlyScaledTransparentPicture(picture, kTransparentIndex,
                                                                       scaled)
                                    : SmoothlyScaledPicture(picture, scaled);
            return turned ? made.mirrored(true, true) : made;
        });
    if (image.isNull()) {
        return false;
    }
    if (image.size() == dest.size()) {
        dc.DrawImage(dest.topLeft(), image);
    } else {
        dc.StretchImage(image, dest, image.rect());
    }
    return true;
}

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
    if (ScalesSmoothly(dc) &&
        DrawSmoothly(picture, element.transparent != 0, dc, left, top, right, bottom, turned)) {
        return;
    }
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
