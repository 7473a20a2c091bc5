#pragma once

#include "graphics/FontEntry.h"
#include "graphics/FontSource.h"

#include <QFont>
#include <QListWidget>

#include <cstdint>
#include <optional>
#include <vector>

namespace quenby {

// "FontList": a list of fonts, each row written in its own typeface. In face mode it
// lists the installed families, in style mode the styles of one family with the bold,
// italic and bold italic ones made from its first. While the product's typefaces are
// marked (MarkProductFonts) their rows are written in red. Rows keep the order in
// which they were found; a row's font is made when the row is first drawn.
class FontList final : public QListWidget {
    Q_OBJECT

public:
    // Lists the installed fonts unless another source is given; a given source must
    // outlive the list.
    explicit FontList(QWidget* parent = nullptr, const FontSource* source = nullptr);

    std::uint16_t TypeFilter() const { return typeFilter_; }
    void SetTypeFilter(std::uint16_t filter) { typeFilter_ = filter; }
    bool IsStyleMode() const { return (typeFilter_ & fontfilter::kStyleMode) != 0; }
    QString StyleFace() const { return styleFace_; }

    // The height of the font the rows are written in, in pixels; rows are 2 higher.
    int RowFontHeight() const { return rowFontHeight_; }
    void SetRowPointSize(int points);

    // Builds the rows again, keeping the selected row's text selected where a row
    // still carries it, else the first row.
    void Fill();
    // Style mode: lists the styles of `face`.
    void ShowStylesOf(const QString& face);

    // Selects the row of the record's face; false when there is none.
    bool SelectFace(const LogFont& logFont);
    // Selects the row that shows `text`; false when there is none.
    bool SelectRowText(const QString& text);

    // The selected row's font record; nothing when no row is selected.
    std::optional<LogFont> SelectedFont() const;
    const std::vector<FontEntry>& Entries() const { return entries_; }
    const FontEntry& EntryOfRow(int row) const;
    // The text a row shows: the face name in face mode, the style name in style mode.
    QString RowText(const FontEntry& entry) const;
    // The font a row is written in: its own face and style at the row height.
    QFont RowFont(int row) const;

private:
    InstalledFonts installed_;
    const FontSource* source_;
    std::uint16_t typeFilter_ = fontfilter::kTrueType;
    int rowFontHeight_;
    QString styleFace_;
    std::vector<FontEntry> entries_;
    mutable std::vector<std::optional<QFont>> rowFonts_;
};

}  // namespace quenby
