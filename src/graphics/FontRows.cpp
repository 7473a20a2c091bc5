#include "graphics/FontRows.h"

#include "graphics/FontSource.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <algorithm>

namespace quenby {
namespace {

constexpr std::uint8_t kFixedPitchBits = 0x03;
constexpr std::uint8_t kFixedPitch = 1;

}  // namespace

QString StyleNameFor(int weight, bool italic) {
    return ResourceString(str::kNormalStyle + (weight > 400 ? 1 : 0) + (italic ? 2 : 0));
}

bool TakeEnumeratedFont(const EnumeratedFont& font, std::uint16_t typeFilter, FontEntry& row) {
    using Kind = EnumeratedFont::Kind;
    if (font.kind == Kind::Outline && (typeFilter & fontfilter::kTrueType)) {
        row.fontType = kTrueTypeFontType;
    } else if (font.kind == Kind::Device && (typeFilter & fontfilter::kDevice)) {
        row.fontType = kDeviceFontType;
    } else if (font.kind == Kind::Bitmap && (typeFilter & fontfilter::kRaster)) {
        row.fontType = kRasterFontType;
    } else {
        return false;
    }
    if ((typeFilter & fontfilter::kFixedPitchOnly) &&
        (font.logFont.pitchAndFamily & kFixedPitchBits) != kFixedPitch) {
        return false;
    }
    row.logFont = font.logFont;
    row.styleName = (row.fontType == kTrueTypeFontType
                         ? font.styleText
                         : StyleNameFor(font.logFont.weight, font.logFont.italic != 0))
                        .left(FontEntry::kStyleNameMax);
    return true;
}

bool AddFontRow(std::vector<FontEntry>& rows, const FontEntry& row) {
    if (std::find(rows.begin(), rows.end(), row) != rows.end()) {
        return false;
    }
    rows.push_back(row);
    return true;
}

std::vector<FontEntry> ListFontRows(const FontSource& source, std::uint16_t typeFilter,
                                    const QString& styleFace) {
    std::vector<FontEntry> rows;
    const bool styleMode = (typeFilter & fontfilter::kStyleMode) != 0;
    if (styleMode) {
        // Every style of the family, whatever its kind.
        typeFilter |= fontfilter::kTrueType | fontfilter::kRaster | fontfilter::kDevice;
    }
    const std::vector<EnumeratedFont> fonts =
        styleMode ? source.StylesOf(styleFace.isEmpty() ? QStringLiteral("System") : styleFace)
                  : source.Families();
    for (const EnumeratedFont& font : fonts) {
        FontEntry row;
        if (TakeEnumeratedFont(font, typeFilter, row)) {
            AddFontRow(rows, row);
        }
    }
    if (styleMode && !rows.empty()) {
        const FontEntry first = rows.front();
        for (const auto& [weight, italic] : {std::pair{700, false}, {400, true}, {700, true}}) {
            FontEntry synthesized = first;
            synthesized.logFont.weight = weight;
            synthesized.logFont.italic = italic ? 1 : 0;
            synthesized.styleName = StyleNameFor(weight, italic);
            AddFontRow(rows, synthesized);
        }
    }
    return rows;
}

}  // namespace quenby
