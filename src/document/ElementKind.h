#pragma once

#include <cstdint>

namespace quenby {

// Stored as one byte; a file may hold any value, and kinds that are not listed
// here are kept but never drawn.
enum class ElementKind : std::uint8_t {
    Box = 2,
    Ellipse = 3,
    Line = 4,
    Picture = 5,
    Text = 6,
    Calendar = 7,  // the calendar tool only; a calendar is a group of pictures and a text
    CircularText = 8,
};

inline bool HasTextBlock(ElementKind k) {
    return k == ElementKind::Text || k == ElementKind::CircularText;
}

// How an interior (of an element or of letters) is painted.
enum FillStyle : std::uint8_t {
    kSingleColour = 0,
    kLinearGradient = 1,
    kRadialGradient = 2,
};

}  // namespace quenby
