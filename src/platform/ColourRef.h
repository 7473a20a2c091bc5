#pragma once

#include <QColor>

#include <cstdint>

namespace quenby {

// A colour as documents and settings hold it: 0x00BBGGRR.
using ColourRef = std::uint32_t;

constexpr ColourRef MakeColourRef(int red, int green, int blue) {
    return ColourRef(red & 0xFF) | (ColourRef(green & 0xFF) << 8) | (ColourRef(blue & 0xFF) << 16);
}
constexpr int RedOf(ColourRef c) {
    return int(c & 0xFF);
}
constexpr int GreenOf(ColourRef c) {
    return int((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColourRef c) {
    return int((c >> 16) & 0xFF);
}

constexpr ColourRef kBlack = MakeColourRef(0, 0, 0);
constexpr ColourRef kWhite = MakeColourRef(255, 255, 255);
constexpr ColourRef kGrey = MakeColourRef(128, 128, 128);

inline QColor ToQColor(ColourRef c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
inline ColourRef FromQColor(const QColor& c) {
    return MakeColourRef(c.red(), c.green(), c.blue());
}

}  // namespace quenby
