#pragma once

#include <QImage>

#include <set>

namespace quenby::test {

// Every colour an image holds, once: two for hard edges of one colour on another,
// more where edges are smooth.
inline std::set<QRgb> Colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

}  // namespace quenby::test
