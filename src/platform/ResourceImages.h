#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

#include <memory>

namespace quenby {

class Dib;

// The program's own pictures, addressed by number like the strings: bitmaps,
// icons and cursors. A number with no picture gives a null image, an empty icon
// and the arrow cursor.
QImage ResourceImage(int id);
// The bitmap as a packed device-independent bitmap (8-bit pictures keep their palette).
std::unique_ptr<Dib> ResourceDib(int id);
QIcon ResourceIcon(int id);
QCursor ResourceCursor(int id);

}  // namespace quenby
