#include "document/ElementOwner.h"

#include <cmath>
#include <cstdint>
#include <limits>

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

int Clamp32(std::int64_t v) {
    constexpr std::int64_t lo = std::numeric_limits<int>::min(),
                           hi = std::numeric_limits<int>::max();
    return int(v < lo ? lo : v > hi ? hi : v);
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
    return QPoint(Clamp32(x), Clamp32(y));
}

DocPoint ElementOwner::ToDocument(QPoint device) const {
    const int zoom = ZoomPercent() > 0 ? ZoomPercent() : 1;
    const QPoint o = IsPrinting() ? QPoint() : ScrollOrigin();
    return DocPoint{float(device.x() - o.x()) * 400.0f / float(zoom),
                    float(device.y() - o.y()) * 400.0f / float(zoom)};
}

}  // namespace quenby
