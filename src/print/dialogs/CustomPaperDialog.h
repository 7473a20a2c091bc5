#pragma once

#include <QDialog>
#include <QSizeF>

class QLineEdit;

namespace quenby {

class MessageBoxes;

// "Tamaño de papel personalizado": width and height of the custom paper in
// millimetres. OK with a size outside 50..500 mm shows the paper-size error and
// keeps the dialog open.
class CustomPaperDialog final : public QDialog {
    Q_OBJECT

public:
    CustomPaperDialog(MessageBoxes& messages, QWidget* parent = nullptr);

    // The size the fields hold, read as decimal numbers and kept within 50..500 mm.
    QSizeF EnteredSize() const;

    QLineEdit* WidthField() const { return width_; }
    QLineEdit* HeightField() const { return height_; }

    void accept() override;

private:
    MessageBoxes& messages_;
    QLineEdit* width_;
    QLineEdit* height_;
};

// The leading whole number of a field (what the range check reads); 0 for none.
int ReadWholeMillimetres(const QString& text);
// The leading decimal number of a field; 0 for none.
double ReadMillimetres(const QString& text);

// Runs the dialog; on OK the custom paper size of the paper table becomes the one
// entered. False (and the size unchanged) when the dialog is closed without OK.
bool RunCustomPaperDialog(MessageBoxes& messages, QWidget* parent);

}  // namespace quenby
