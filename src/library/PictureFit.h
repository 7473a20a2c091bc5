#pragma once

#include <QRect>

namespace quenby {

// Where a picture of `width` × `height` pixels is shown in a preview area: a
// twentieth of each side is left free all round, and the picture fills what is
// left in one direction, proportions kept, centred in the other. Empty for a
// picture or area without size.
QRect FitPicture(const QRect& area, int width, int height);

}  // namespace quenby
