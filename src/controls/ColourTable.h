#pragma once

#include "platform/ColourRef.h"

#include <array>

namespace quenby {

// The value a colour field holds when the user chose "Automático". It is stored
// unchanged; its colour bytes are zero, so every painter draws it as black.
inline constexpr ColourRef kAutomaticColour = 0xFF000000;

// One colour of the picker's grid, with its name (data of the table: the grid shows
// colours, the names are what screen readers say).
struct NamedColour {
    const char* name;
    int red;
    int green;
    int blue;

    constexpr ColourRef Colour() const { return MakeColourRef(red, green, blue); }
};

// The 40 colours of the picker, row by row, eight to a row.
inline constexpr int kPickerColumns = 8;
extern const std::array<NamedColour, 40> kPickerColours;

// The index of `colour` in the table, or -1 when the table does not hold it.
int PickerColourIndex(ColourRef colour);

}  // namespace quenby
