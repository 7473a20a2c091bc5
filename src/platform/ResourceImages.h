#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

#include <memory>

namespace quenby {

class Dib;

// The program's own pictures, addressed by number like the strings: bitmaps,
// icons and cursors, compiled into the program as a Qt resource (":/images/<id>.svg",
// ".png" or ".xpm"; ":/cursors/<id>.svg"). A number with no picture gives a null
// image, a null Dib, an empty icon and the arrow cursor.

// The picture at its drawn size. Pictures held as 8-bit bitmaps (the rotation glyph,
// the thumbnail tile) come as an indexed image with their palette; the others as
// premultiplied ARGB with transparent surroundings.
QImage ResourceImage(int id);

// The picture as a packed device-independent bitmap, bottom row first. The 8-bit
// pictures keep their 256-entry palette: the rotation glyph has its drawn pixels at
// index 0 and everything else at kResourceTransparentIndex. Other pictures are 24-bit, laid
// on white.
std::unique_ptr<Dib> ResourceDib(int id);

// The picture as an icon, drawn afresh at the usual icon sizes so that it stays sharp.
QIcon ResourceIcon(int id);

// A cursor of the editing tools, with its hot spot.
QCursor ResourceCursor(int id);

// The palette index that 8-bit program pictures use for "nothing drawn here".
inline constexpr int kResourceTransparentIndex = 255;

}  // namespace quenby
