#pragma once

#include <QImage>
#include <QString>

namespace quenby::artwork {

// Builds the picture library: for every category n = 1..7 the drawings
// <sourceFolder>/<n>/<name>.svg listed in <sourceFolder>/<n>.txt become graphic files
// <outFolder>/<n>/<name>.wxg at 150 pixels per inch with a transparent background,
// their longer side as long as the list says; then the marker file images.def.
// Returns false (after saying why on standard error) when a list is faulty, a
// drawing is missing or unlisted, or a picture cannot be drawn or written.
bool BuildLibrary(const QString& sourceFolder, const QString& outFolder);

// Draws one listed drawing as a library picture: the ink's longer side plus a small
// transparent margin at `longSideMm` and 150 pixels per inch, with hard edges.
QImage DrawLibraryPicture(const QString& svgPath, double longSideMm);

}  // namespace quenby::artwork
