#pragma once

#include <QString>

namespace quenby::artwork {

// Builds the picture library: for every list artwork/images/<n>.txt a folder
// Images/<n> of graphic files rendered from the clip art it names, the pictures
// with words in them for each language, and the marker file Images/images.def.
// List lines: "name  path/relative/to/clipart.svg  [longer side in mm]"; '#' starts a
// comment. Returns false (after saying why) when a listed drawing is missing.
bool BuildLibrary(const QString& listFolder, const QString& clipartRoot, const QString& outFolder);

// The pictures with words: banners and labels, one set per language.
bool BuildWordPictures(const QString& outFolder);

}  // namespace quenby::artwork
