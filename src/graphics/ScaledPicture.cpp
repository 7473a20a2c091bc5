#include "graphics/ScaledPicture.h"

#include "graphics/TransparentPicture.h"
#include "platform/Dib.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace quenby {
namespace {

// A picture larger than this is first sampled down to a few times the size shown, so
// that a huge file costs no more memory than a small preview needs.
constexpr std::int64_t kMaxDecodedPixels = std::int64_t(4) << 20;
constexpr int kOversampling = 4;

QSize DecodedSize(const Dib& picture, QSize size) {
    const int w = picture.Width();
    const int h = std::abs(picture.Height());
    if (std::int64_t{w} * h <= kMaxDecodedPixels) {
        return {w, h};
    }
    return {std::clamp(size.width() * kOversampling, 1, w),
            std::clamp(size.height() * kOversampling, 1, h)};
}

QImage ScaledTo(const QImage& image, QSize size) {
    if (image.isNull()) {
        return image;
    }
    QImage scaled = image.size() == size
                        ? image
                        : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return scaled.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QImage SmoothlyScaledPicture(const Dib& picture, QSize size) {
    if (size.isEmpty() || picture.Width() <= 0 || picture.Height() == 0) {
        return {};
    }
    const QSize decoded = DecodedSize(picture, size);
    const QRect whole(0, 0, picture.Width(), std::abs(picture.Height()));
    // 32 bits before scaling: a palette picture would be scaled through its indices.
    return ScaledTo(picture.ToImage(whole, decoded).convertToFormat(QImage::Format_RGB32), size);
}

QImage SmoothlyScaledTransparentPicture(const Dib& picture, int transparentIndex, QSize size) {
    if (size.isEmpty()) {
        return {};
    }
    const QSize decoded = DecodedSize(picture, size);
    const QRect whole(0, 0, picture.Width(), std::abs(picture.Height()));
    if (decoded != whole.size()) {
        return {};
    }
    const QImage masked = MaskedPicture(picture, transparentIndex, false, whole);
    if (masked.isNull()) {
        return SmoothlyScaledPicture(picture, size);  // not an 8-bit picture: opaque
    }
    // Premultiplied, so that a clear pixel adds no colour to the edge it blends into.
    return ScaledTo(masked, size);
}

}  // namespace quenby
