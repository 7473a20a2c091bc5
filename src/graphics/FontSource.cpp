#include "graphics/FontSource.h"

#include "platform/Windows1252.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace quenby {
namespace {

constexpr std::uint8_t kFixedPitch = 1;
constexpr std::uint8_t kVariablePitch = 2;

EnumeratedFont Describe(const QString& family, int weight, bool italic) {
    EnumeratedFont font;
    font.logFont.SetFace(family);
    font.logFont.weight = weight;
    font.logFont.italic = italic ? 1 : 0;
    font.logFont.pitchAndFamily =
        QFontDatabase::isFixedPitch(family) ? kFixedPitch : kVariablePitch;
    font.kind = QFontDatabase::isSmoothlyScalable(family) ? EnumeratedFont::Kind::Outline
                                                          : EnumeratedFont::Kind::Bitmap;
    return font;
}

}  // namespace

bool InstalledFonts::CanBeStored(const QString& family) {
    return !family.isEmpty() && family.size() < qsizetype(LogFont::kFaceSize) &&
           std::all_of(family.begin(), family.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && HasWindows1252Byte(c); });
}

std::vector<EnumeratedFont> InstalledFonts::Families() const {
    std::vector<EnumeratedFont> fonts;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family) || !CanBeStored(family)) {
            continue;
        }
        fonts.push_back(Describe(family, QFont::Normal, false));
    }
    return fonts;
}

std::vector<EnumeratedFont> InstalledFonts::StylesOf(const QString& family) const {
    std::vector<EnumeratedFont> fonts;
    // Only a family that is there: fontconfig would otherwise offer its stand-in's
    // styles under the missing name.
    if (!CanBeStored(family) || !QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
        return fonts;
    }
    for (const QString& style : QFontDatabase::styles(family)) {
        EnumeratedFont font = Describe(family, QFontDatabase::weight(family, style),
                                       QFontDatabase::italic(family, style));
        font.styleText = style;
        fonts.push_back(font);
    }
    return fonts;
}

}  // namespace quenby
