#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quenby {

// The items of the colour picker: 0..39 the colour cells in table order, and these.
namespace picker {
inline constexpr int kNoItem = -1;
inline constexpr int kMoreColours = -2;  // "Más colores..."
inline constexpr int kAutomatic = -3;    // "Automático"
inline constexpr int kCellCount = 40;
}  // namespace picker

// Where everything of the picker lies in its window: the "Automático" row on top, the
// grid of 19-pixel cells, eight to a row, in the middle, and after a gap of 6 pixels
// the "Más colores..." row at the bottom, all inside a margin of the border width + 5.
class ColourPickerLayout {
public:
    static constexpr int kCellSize = 19;
    static constexpr int kColumns = 8;
    static constexpr int kRows = (picker::kCellCount + kColumns - 1) / kColumns;
    static constexpr int kRowGap = 6;

    // `textHeight`: the height of a line of the picker's font with its external leading.
    ColourPickerLayout(int textHeight, int borderWidth = 1);

    int Margin() const { return margin_; }
    int AutomaticHeight() const { return automaticHeight_; }
    int MoreColoursHeight() const { return moreHeight_; }
    QSize Size() const { return size_; }

    QRect AutomaticRow() const;
    QRect MoreColoursRow() const;
    QRect Grid() const;
    QRect Cell(int index) const;
    // The rectangle of any item; empty for kNoItem.
    QRect ItemRect(int item) const;

    // The item under a point of the window, or kNoItem.
    int HitTest(QPoint p) const;

private:
    int margin_;
    int automaticHeight_;
    int moreHeight_;
    QSize size_;
};

// Where a picker of `size` goes when it is asked to show at `at` (the top-left of the
// swatch that opened it, on the screen) next to `anchor` on `screen`: at the point,
// above the anchor when it would pass the bottom of the screen (at the bottom of the
// screen without a valid anchor), and against the right edge when it would pass it.
QPoint PlaceColourPicker(QPoint at, const QRect& anchor, QSize size, const QRect& screen);

}  // namespace quenby
