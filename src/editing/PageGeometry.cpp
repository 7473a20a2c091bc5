#include "editing/PageGeometry.h"

namespace quenby {

float PageGeometry::PixelsToUnits(int pixels) const {
    const int zoom = zoomPercent > 0 ? zoomPercent : 1;
    return float(pixels) * 400.0f / float(zoom);
}

}  // namespace quenby
