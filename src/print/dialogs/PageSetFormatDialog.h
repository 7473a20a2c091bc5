#pragma once

#include <QDialog>

#include <optional>

class QComboBox;
class QRadioButton;
class QSpinBox;

namespace quenby {

// The layout of a new page-set document.
struct PageSetFormat {
    int orientation = 0;  // 0 portrait, 1 landscape
    int paperIndex = 1;
    int across = 1;  // 1..10; both 1 on an envelope
    int down = 1;
};

// "Seleccionar formato y tamaño de documento": orientation, paper and the number of
// sheets across and down.
class PageSetFormatDialog final : public QDialog {
    Q_OBJECT

public:
    explicit PageSetFormatDialog(QWidget* parent = nullptr);

    // The choices as OK reads them: counts clamped to 1..10, 1 × 1 on an envelope.
    PageSetFormat Format() const;

    QRadioButton* PortraitButton() const { return portrait_; }
    QRadioButton* LandscapeButton() const { return landscape_; }
    QComboBox* PaperList() const { return paper_; }
    QSpinBox* AcrossField() const { return across_; }
    QSpinBox* DownField() const { return down_; }

private:
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    QComboBox* paper_;
    QSpinBox* across_;
    QSpinBox* down_;
};

// Reads a count field the way OK does: up to 10 characters as a whole number,
// clamped to 1..10.
int ReadTileCount(const QString& text);

std::optional<PageSetFormat> RunPageSetFormatDialog(QWidget* parent);

}  // namespace quenby
