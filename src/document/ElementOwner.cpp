#include "document/ElementOwner.h"

#include <cmath>
#include <cstdint>

namespace quenby {
namespace {

// trunc() of a float into a 64-bit integer without overflow on absurd coordinates.
std::int64_t Truncate(float v) {
    if (!(v == v))
        return 0;  // NaN from a damaged file
    constexpr float kLimit = 1.0e15f;
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

int ClampDevice(std::int64_t v) {
    return int(v < -kDeviceLimit ? -kDeviceLimit : v > kDeviceLimit ? kDeviceLimit : v);
}

}  // namespace

QPoint ElementOwner::ToDevice(DocPoint p) const {
    const std::int64_t zoom = ZoomPercent();
    std::int64_t x = Truncate(p.x) * zoom / 400;
    std::int64_t y = Truncate(p.y) * zoom / 400;
    if (!IsPrinting()) {
        const QPoint o = ScrollOrigin();
        x += o.x();
        y += o.y();
    }
    return QPoint(ClampDevice(x), ClampDevice(y));
}

DocPoint ElementOwner::ToDocument(QPoint device) const {
    const int zoom = ZoomPercent() > 0 ? ZoomPercent() : 1;
    const QPoint o = IsPrinting() ? QPoint() : ScrollOrigin();
    return DocPoint{float(device.x() - o.x()) * 400.0f / float(zoom),
                    float(device.y() - o.y()) * 400.0f / float(zoom)};
}

}  // namespace quenby
