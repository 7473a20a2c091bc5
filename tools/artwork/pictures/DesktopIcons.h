#pragma once

#include <QString>

#include <vector>

namespace quenby::artwork {

// The sizes the desktop's icon theme looks for first.
const std::vector<int>& ThemeIconSizes();

// Writes an icon into a hicolor theme folder: the drawing itself as
// `theme/scalable/context/name.svg` and a PNG at each theme size as
// `theme/NxN/context/name.png`. False, with a message on standard error, when the
// drawing cannot be read or a file cannot be written.
bool WriteThemeIcon(const QString& svgPath, const QString& theme, const QString& context,
                    const QString& name);

}  // namespace quenby::artwork
