#pragma once

namespace quenby {

// The keys that move the picker's highlight.
enum class PickerMove { Left, Right, Up, Down, Home, End };

// The item highlighted after `move` from `highlighted` (an item of ColourPickerLayout.h):
// the highlight walks the grid row by row, "Automático" before the first cell and
// "Más colores..." after the last, and wraps from one end to the other.
int MovePickerHighlight(int highlighted, PickerMove move);

}  // namespace quenby
