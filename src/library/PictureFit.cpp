#include "library/PictureFit.h"

#include <cstdint>

namespace quenby {

QRect FitPicture(const QRect& area, int width, int height) {
    const QRect inner = area.adjusted(area.width() / 20, area.height() / 20,
                                      -(area.width() / 20), -(area.height() / 20));
    if (width <= 0 || height <= 0 || inner.isEmpty()) {
        return {};
    }
    const std::int64_t w = width;
    const std::int64_t h = height;
    std::int64_t dw = inner.width();
    std::int64_t dh = inner.height();
    if (w * dh >= h * dw) {
        dh = dw * h / w;  // the wide side fills the area's width
    } else {
        dw = dh * w / h;
    }
    dw = dw < 1 ? 1 : dw;
    dh = dh < 1 ? 1 : dh;
    return {inner.left() + int((inner.width() - dw) / 2), inner.top() + int((inner.height() - dh) / 2),
            int(dw), int(dh)};
}

}  // namespace quenby
