#include "controls/ColourPickerLayout.h"

#include <algorithm>

namespace quenby {

using namespace picker;

ColourPickerLayout::ColourPickerLayout(int textHeight, int borderWidth)
    : margin_(borderWidth + 5),
      automaticHeight_(std::max(22, textHeight)),
      moreHeight_(std::max(kCellSize + 1, textHeight)) {
    size_ = QSize(kColumns * kCellSize + 2 * margin_,
                  kRows * kCellSize + 2 * margin_ + automaticHeight_ + moreHeight_ + kRowGap);
}

QRect ColourPickerLayout::AutomaticRow() const {
    return QRect(margin_, margin_, size_.width() - 2 * margin_, automaticHeight_);
}

QRect ColourPickerLayout::Grid() const {
    return QRect(margin_, margin_ + automaticHeight_, kColumns * kCellSize, kRows * kCellSize);
}

QRect ColourPickerLayout::MoreColoursRow() const {
    return QRect(margin_, Grid().bottom() + 1 + kRowGap, size_.width() - 2 * margin_, moreHeight_);
}

QRect ColourPickerLayout::Cell(int index) const {
    const QRect grid = Grid();
    return QRect(grid.left() + (index % kColumns) * kCellSize,
                 grid.top() + (index / kColumns) * kCellSize, kCellSize, kCellSize);
}

QRect ColourPickerLayout::ItemRect(int item) const {
    if (item == kAutomatic) {
        return AutomaticRow();
    }
    if (item == kMoreColours) {
        return MoreColoursRow();
    }
    if (item >= 0 && item < kCellCount) {
        return Cell(item);
    }
    return {};
}

int ColourPickerLayout::HitTest(QPoint p) const {
    if (AutomaticRow().contains(p)) {
        return kAutomatic;
    }
    if (MoreColoursRow().contains(p)) {
        return kMoreColours;
    }
    const QRect inside = QRect(QPoint(0, 0), size_).adjusted(margin_, margin_, -margin_, -margin_);
    if (inside.contains(p)) {
        const int column = (p.x() - margin_) / kCellSize;
        const int row = (p.y() - margin_ - automaticHeight_) / kCellSize;
        const int item = row * kColumns + column;
        if (row >= 0 && column < kColumns && item < kCellCount) {
            return item;
        }
    }
    return kNoItem;
}

QPoint PlaceColourPicker(QPoint at, const QRect& anchor, QSize size, const QRect& screen) {
    QPoint place = at;
    if (place.y() + size.height() > screen.bottom() + 1) {
        place.setY(anchor.isValid() ? anchor.top() - size.height() - 1
                                    : screen.bottom() + 1 - size.height() - 1);
    }
    if (place.x() + size.width() > screen.right() + 1) {
        place.setX(screen.right() + 1 - size.width() - 1);
    }
    return place;
}

}  // namespace quenby
