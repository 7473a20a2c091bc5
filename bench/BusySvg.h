#pragma once

#include <QByteArray>

namespace quenby {
struct Document;
}

namespace quenby::bench {

// The first printed side of a card as an SVG sheet of A4 in 96-dpi pixels, with the
// same content as the program prints: boxes, ellipses and lines with their fills
// (gradients as the format's own), outlines, texts with shadows and outlines (circular
// ones on a circle), and the pictures as PNG images of their own pixels, each stored
// once and placed by reference. For comparing the program's PDF with what a general
// vector renderer makes of the same content.
QByteArray CardSheetSvg(const Document& doc);

}  // namespace quenby::bench
