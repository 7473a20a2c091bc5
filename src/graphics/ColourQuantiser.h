#pragma once

#include <memory>

class QImage;

namespace quenby {

class Dib;

// Turns any picture into the 8-bit form of the product's picture files: at most
// 255 colours chosen by median cut (no dithering, so flat areas stay flat), fully
// transparent pixels, and only those, at palette index 255, which is white.
// Pixels that are partly transparent are laid over white paper first.
// Returns null for an empty picture or one too large for a bitmap.
std::unique_ptr<Dib> QuantiseToPalette(const QImage& image);

}  // namespace quenby
