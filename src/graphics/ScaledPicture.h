#pragma once

#include <QImage>
#include <QSize>

namespace quenby {

class Dib;

// Pictures as a thumbnail or a preview shows them on the screen: scaled to exactly
// `size` with smoothing (averaged where the picture shrinks, interpolated where it
// grows), where the page drawing and the printer copy colour on colour. A null image
// for an empty size or a picture that cannot be decoded.
QImage SmoothlyScaledPicture(const Dib& picture, QSize size);

// The same with the pixels of `transparentIndex` left clear in an 8-bit picture, so
// that the picture's own edges blend into what lies below; other pictures are opaque.
// Null as well for a picture too large to compose whole, which the caller then draws
// colour on colour.
QImage SmoothlyScaledTransparentPicture(const Dib& picture, int transparentIndex, QSize size);

}  // namespace quenby
