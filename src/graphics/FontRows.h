#pragma once

#include "graphics/FontEntry.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace quenby {

class FontSource;
struct EnumeratedFont;

// The Spanish name of a style by its weight and slant: "Normal", "Negritas",
// "Cursiva" or "Cursiva en negritas".
QString StyleNameFor(int weight, bool italic);

// The rows of a font list, in the order the fonts are enumerated, each font once.
// Face mode lists the families of the kinds `typeFilter` asks for (outline fonts count
// as TrueType); style mode (kStyleMode) lists every style of `styleFace` ("System" when
// empty) whatever its kind and the filter, followed by the bold, italic and bold italic styles
// drawn from the first, unless the family already has them under the same names.
std::vector<FontEntry> ListFontRows(const FontSource& source, std::uint16_t typeFilter,
                                    const QString& styleFace);

// One enumerated font as a row, or nothing when the filter leaves it out.
bool TakeEnumeratedFont(const EnumeratedFont& font, std::uint16_t typeFilter, FontEntry& row);

// Adds the row unless an equal one is there; true when it was added.
bool AddFontRow(std::vector<FontEntry>& rows, const FontEntry& row);

}  // namespace quenby
