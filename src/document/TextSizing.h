#pragma once

#include <QSize>

namespace quenby {

struct Element;
struct TextBlock;

// The box the letters of a text take when written into a rectangle in its own font:
// the widest line by the number of lines times the line's cell height, in pixels.
QSize LettersExtent(const TextBlock& text);

// Gives a new text the size of its letters, as the text tool does once its text is
// confirmed: from the first corner, trunc(extent × pixelsPerMm) / 3 document units
// across and down. Nothing happens to an element without a text block.
void SizeTextFromLetters(Element& element, double pixelsPerMm);

}  // namespace quenby
