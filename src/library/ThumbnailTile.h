#pragma once

#include <QImage>
#include <QRect>
#include <QString>

namespace quenby {

class Dib;

// The 100 × 100 tiles of the image library: a white tile with a black frame and the
// picture fitted, proportions kept, into the 90 × 90 square in its middle.
namespace thumbnail_tile {

inline constexpr int kTileSize = 100;
inline constexpr int kPictureArea = 90;
inline constexpr int kMargin = (kTileSize - kPictureArea) / 2;

// Where a picture of `width` × `height` pixels lands in its tile: its long side is
// 90 pixels, the other in proportion (at least 1), centred in the 90 × 90 square.
QRect Placement(int width, int height);

// The tile of `picture`; a blank framed tile when there is none.
QImage Draw(const Dib* picture);

// The tile of the graphic file at `path`. A file that cannot be read gives the blank
// tile without a message: one damaged file must not stop a whole category.
QImage Load(const QString& path);

}  // namespace thumbnail_tile
}  // namespace quenby
