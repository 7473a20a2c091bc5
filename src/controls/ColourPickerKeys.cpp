#include "controls/ColourPickerKeys.h"

#include "controls/ColourPickerLayout.h"

namespace quenby {

using namespace picker;

int MovePickerHighlight(int h, PickerMove move) {
    constexpr int n = kCellCount;
    constexpr int c = ColourPickerLayout::kColumns;
    constexpr int r = ColourPickerLayout::kRows;
    switch (move) {
        case PickerMove::Left:
            if (h == kNoItem || h == kAutomatic)
                return kMoreColours;
            if (h == kMoreColours)
                return n - 1;
            if (h == 0)
                return kAutomatic;
            return h - 1;
        case PickerMove::Right:
            if (h == kNoItem || h == kMoreColours)
                return kAutomatic;
            if (h == kAutomatic)
                return 0;
            if (h == n - 1)
                return kMoreColours;
            return h + 1;
        case PickerMove::Down:
            if (h == kNoItem || h == kMoreColours)
                return kAutomatic;
            if (h == kAutomatic)
                return 0;
            if (h + c > n - 1)
                // Within the last row of the grid's full shape, the last cell; past it,
                // "Más colores...".
                return h + c <= c * r - 1 ? n - 1 : kMoreColours;
            return h + c;
        case PickerMove::Up:
            if (h == kNoItem || h == kAutomatic)
                return kMoreColours;
            if (h == kMoreColours)
                return r == 0 ? 0 : (r - 1) * c;
            if (h - c < 0)
                return kAutomatic;
            return h - c;
        case PickerMove::Home:
            return kAutomatic;
        case PickerMove::End:
            return kMoreColours;
    }
    return h;
}

}  // namespace quenby
