#pragma once

#include <QStyledItemDelegate>

namespace quenby {

class FontList;

// Draws the rows of a FontList: the row's text in the row's own font, in the
// selection's colours, or in pure red for a marked product typeface.
class FontRowDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit FontRowDelegate(FontList& list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    FontList& list_;
};

}  // namespace quenby
