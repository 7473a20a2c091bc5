#pragma once

#include "platform/LogFont.h"

#include <QString>

#include <vector>

namespace quenby {

// One font as the system reports it: a family (face mode) or one style of a family.
struct EnumeratedFont {
    enum class Kind { Outline, Bitmap, Device };

    LogFont logFont;  // face name = family; weight, italic, pitch
    Kind kind = Kind::Outline;
    QString styleText;  // the style's own name, as the font gives it
};

// Where font lists find their fonts.
class FontSource {
public:
    virtual ~FontSource() = default;
    // One entry per family, in the order the system lists them.
    virtual std::vector<EnumeratedFont> Families() const = 0;
    // One entry per style of `family`; none for a family that is not installed.
    virtual std::vector<EnumeratedFont> StylesOf(const QString& family) const = 0;
};

// The fonts installed on this machine (through fontconfig) and those the program
// registered itself. Families whose names a document cannot store (longer than a
// face name holds, or with characters outside the document character set) are left
// out: choosing one would save the name of a font that is not there.
class InstalledFonts final : public FontSource {
public:
    std::vector<EnumeratedFont> Families() const override;
    std::vector<EnumeratedFont> StylesOf(const QString& family) const override;

    // Whether a family's name fits a stored face name unchanged.
    static bool CanBeStored(const QString& family);
};

}  // namespace quenby
