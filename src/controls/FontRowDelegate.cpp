#include "controls/FontRowDelegate.h"

#include "controls/FontList.h"
#include "graphics/ProductFonts.h"

#include <QPainter>

namespace quenby {

namespace {
constexpr QColor kProductRed(255, 0, 0);
}  // namespace

FontRowDelegate::FontRowDelegate(FontList& list) : QStyledItemDelegate(&list), list_(list) {}

QSize FontRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return QSize(option.rect.width(), list_.RowFontHeight() + 2);
}

void FontRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    if (index.row() < 0) {
        return;
    }
    const FontEntry& entry = list_.EntryOfRow(index.row());
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
    painter->setFont(list_.RowFont(index.row()));
    painter->setPen(ShowsAsProductTypeface(entry.logFont.Face())
                        ? kProductRed
                        : palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const int indent = list_.IsStyleMode() ? 2 : 20;
    const QRect text = option.rect.adjusted(indent, 1, 0, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      list_.RowText(entry));
    painter->restore();
}

}  // namespace quenby
