#include "controls/FontList.h"

#include "controls/FontRowDelegate.h"
#include "graphics/FontMapping.h"
#include "graphics/FontRows.h"

#include <cmath>

namespace quenby {
namespace {

constexpr int kRowPoints = 14;

int PixelsOfPoints(int dotsPerInch, int points) {
    return int(std::lround(double(dotsPerInch) * points / 72.0));
}

}  // namespace

FontList::FontList(QWidget* parent, const FontSource* source)
    : QListWidget(parent),
      source_(source ? source : &installed_),
      rowFontHeight_(PixelsOfPoints(logicalDpiY(), kRowPoints)) {
    setItemDelegate(new FontRowDelegate(*this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FontList::SetRowPointSize(int points) {
    rowFontHeight_ = PixelsOfPoints(logicalDpiY(), points);
    rowFonts_.assign(entries_.size(), std::nullopt);
    doItemsLayout();
    viewport()->update();
}

void FontList::Fill() {
    if (IsStyleMode()) {
        if (styleFace_.isEmpty()) {
            styleFace_ = QStringLiteral("System");
        }
        typeFilter_ |= fontfilter::kTrueType | fontfilter::kRaster | fontfilter::kDevice;
    }
    const QString remembered = currentItem() ? currentItem()->text().left(255) : QString();
    clear();
    entries_ = ListFontRows(*source_, typeFilter_, styleFace_);
    rowFonts_.assign(entries_.size(), std::nullopt);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        auto* item = new QListWidgetItem(RowText(entries_[i]), this);
        item->setData(Qt::UserRole, int(i));
    }
    if (remembered.isEmpty() || !SelectRowText(remembered)) {
        if (count() > 0) {
            setCurrentRow(0);
        }
    }
}

void FontList::ShowStylesOf(const QString& face) {
    styleFace_ = face.left(32);
    typeFilter_ |= fontfilter::kStyleMode;
    Fill();
}

bool FontList::SelectRowText(const QString& text) {
    for (int row = 0; row < count(); ++row) {
        if (item(row)->text() == text) {
            setCurrentRow(row);
            scrollToItem(item(row), QAbstractItemView::PositionAtCenter);
            return true;
        }
    }
    return false;
}

bool FontList::SelectFace(const LogFont& logFont) {
    return SelectRowText(logFont.Face());
}

std::optional<LogFont> FontList::SelectedFont() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return EntryOfRow(row(selected.front())).logFont;
}

const FontEntry& FontList::EntryOfRow(int rowIndex) const {
    return entries_.at(std::size_t(item(rowIndex)->data(Qt::UserRole).toInt()));
}

QString FontList::RowText(const FontEntry& entry) const {
    return IsStyleMode() ? entry.styleName : entry.logFont.Face();
}

QFont FontList::RowFont(int rowIndex) const {
    const std::size_t index = std::size_t(item(rowIndex)->data(Qt::UserRole).toInt());
    std::optional<QFont>& font = rowFonts_.at(index);
    if (!font) {
        LogFont record = entries_[index].logFont;
        record.height = rowFontHeight_;
        record.width = 0;
        font = MapLogFont(record);
    }
    return *font;
}

}  // namespace quenby
