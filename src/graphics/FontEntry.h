#pragma once

#include "platform/LogFont.h"

#include <QString>

#include <cstdint>

namespace quenby {

// The kinds of font a font list tells apart.
enum FontType : std::uint32_t {
    kRasterFontType = 1,
    kDeviceFontType = 2,
    kTrueTypeFontType = 4,  // every outline font counts as one
};

// What a font list lists, as flags.
namespace fontfilter {
inline constexpr std::uint16_t kTrueType = 0x01;
inline constexpr std::uint16_t kRaster = 0x02;
inline constexpr std::uint16_t kDevice = 0x04;
inline constexpr std::uint16_t kFixedPitchOnly = 0x10;
inline constexpr std::uint16_t kStyleMode = 0x20;  // the styles of one family
}  // namespace fontfilter

// One row of a font list: the font as enumerated (its face name is the family), its
// type, and its style name (up to 59 characters).
struct FontEntry {
    static constexpr int kStyleNameMax = 59;

    LogFont logFont;
    std::uint32_t fontType = kTrueTypeFontType;
    QString styleName;

    // Rows are the same font when face, style name and type agree (case counts).
    friend bool operator==(const FontEntry& a, const FontEntry& b) {
        return a.logFont.Face() == b.logFont.Face() && a.styleName == b.styleName &&
               a.fontType == b.fontType;
    }
};

}  // namespace quenby
