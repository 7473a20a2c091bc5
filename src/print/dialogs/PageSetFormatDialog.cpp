#include "print/dialogs/PageSetFormatDialog.h"

#include "document/Document.h"
#include "print/PaperLayout.h"
#include "print/SheetLayout.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cstdlib>

namespace quenby {
namespace {

QSpinBox* MakeCountField(QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setRange(1, 10);
    field->setValue(1);
    return field;
}

}  // namespace

int ReadTileCount(const QString& text) {
    // Whole number from the start of the text, as the field's text is read; a
    // number too long for the field or no number at all ends clamped.
    const QByteArray bytes = text.left(10).trimmed().toLatin1();
    const long value = std::strtol(bytes.constData(), nullptr, 10);
    if (value < 1) {
        return 1;
    }
    return ClampTileCount(value > 10 ? 10 : int(value));
}

PageSetFormatDialog::PageSetFormatDialog(QWidget* parent)
    : QDialog(parent),
      portrait_(new QRadioButton(QStringLiteral("Formato vertical"), this)),
      landscape_(new QRadioButton(QStringLiteral("Formato horizontal"), this)),
      paper_(new QComboBox(this)),
      across_(MakeCountField(this)),
      down_(MakeCountField(this)) {
    setWindowTitle(QStringLiteral("Seleccionar formato y tamaño de documento"));
    portrait_->setChecked(true);
    for (int row = 0; row < PaperTable::kRows; ++row) {
        paper_->addItem(PaperTable::ListText(row));
    }
    paper_->setCurrentIndex(1);
    // On Linux the bus names a list by its choice; what it chooses is its description.
    paper_->setAccessibleName(QStringLiteral("Tamaño de papel"));
    paper_->setAccessibleDescription(paper_->accessibleName());

    auto* orientation = new QGroupBox(this);
    auto* orientationLayout = new QVBoxLayout(orientation);
    orientationLayout->addWidget(portrait_);
    orientationLayout->addWidget(landscape_);

    auto* form = new QFormLayout;
    form->addRow(paper_);
    form->addRow(QStringLiteral("Cuadros de imagen a lo ancho:"), across_);
    form->addRow(QStringLiteral("Cuadros de imagen a lo alto:"), down_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(orientation);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

PageSetFormat PageSetFormatDialog::Format() const {
    PageSetFormat format;
    format.orientation = landscape_->isChecked() ? 1 : 0;
    format.paperIndex = paper_->currentIndex() >= 0 ? paper_->currentIndex() : 1;
    format.across = ReadTileCount(across_->text());
    format.down = ReadTileCount(down_->text());
    if (IsEnvelopePaper(format.paperIndex)) {
        format.across = 1;
        format.down = 1;
    }
    return format;
}

std::optional<PageSetFormat> RunPageSetFormatDialog(QWidget* parent) {
    PageSetFormatDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Format();
}

}  // namespace quenby
