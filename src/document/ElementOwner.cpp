#include "document/ElementOwner.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quenby {
namespace {

// trunc() of a float into a 64-bit integer without overflow on absurd coordinates.
// Beyond 2^40 units a point lies past the device limit below at any zoom from 1 %.
std::int64_t Truncate(float v) {
    if (!(v == v))
        return 0;  // NaN from a damaged file
    constexpr float kLimit = 1099511627776.0f;  // 2^40
    if (v > kLimit)
        return std::int64_t(kLimit);
    if (v < -kLimit)
        return -std::int64_t(kLimit);
    return std::int64_t(v);
}

// Device pixels are kept within ±2^29: far beyond any screen or printer page, and far
// enough inside the int range that a rectangle around such a point, a handle's square
// next to it or the width between two of them never overflows.
constexpr std::int64_t kDeviceLimit = std::int64_t(1) << 29;

int ClampToDevice(std::int64_t v) {
    return int(v < -kDeviceLimit ? -kDeviceLimit : v > kDeviceLimit ? kDeviceLimit : v);
}

// Zooms beyond 2^22 % are not shown by any view; the limit keeps the product with a
// truncated coordinate within 64 bits.
std::int64_t ClampZoom(int zoom) {
    constexpr std::int64_t kLimit = std::int64_t(1) << 22;
    return std::clamp<std::int64_t>(zoom, -kLimit, kLimit);
}

}  // namespace

QPoint ElementOwner::ToDevice(DocPoint p) const {
    const std::int64_t zoom = ClampZoom(ZoomPercent());
    std::int64_t x = Truncate(p.x) * zoom / 400;
    std::int64_t y = Truncate(p.y) * zoom / 400;
    if (!IsPrinting()) {
        const QPoint o = ScrollOrigin();
        x += o.x();
        y += o.y();
    }
    return QPoint(ClampToDevice(x), ClampToDevice(y));
}

DocPoint ElementOwner::ToDocument(QPoint device) const {
    const int zoom = ZoomPercent() > 0 ? ZoomPercent() : 1;
    const QPoint o = IsPrinting() ? QPoint() : ScrollOrigin();
    return DocPoint{float(double(device.x()) - o.x()) * 400.0f / float(zoom),
                    float(double(device.y()) - o.y()) * 400.0f / float(zoom)};
}

}  // namespace quenby
