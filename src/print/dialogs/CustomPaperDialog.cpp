#include "print/dialogs/CustomPaperDialog.h"

#include "platform/MessageBoxes.h"
#include "print/PaperLayout.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quenby {
namespace {

QLineEdit* MakeField(double value, QWidget* parent) {
    auto* field = new QLineEdit(QString::asprintf("%.0f", value), parent);
    field->setMaxLength(10);
    return field;
}

}  // namespace

int ReadWholeMillimetres(const QString& text) {
    const QByteArray bytes = text.left(10).toLatin1();
    const long value = std::strtol(bytes.constData(), nullptr, 10);
    return int(std::clamp<long>(value, -100000, 100000));
}

double ReadMillimetres(const QString& text) {
    const QByteArray bytes = text.left(10).toLatin1();
    const double value = std::strtod(bytes.constData(), nullptr);
    return std::isfinite(value) ? value : 0;
}

CustomPaperDialog::CustomPaperDialog(MessageBoxes& messages, QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      width_(MakeField(PaperTable::CustomSizeMm().width(), this)),
      height_(MakeField(PaperTable::CustomSizeMm().height(), this)) {
    setWindowTitle(QStringLiteral("Tamaño de papel personalizado"));
    width_->setObjectName(QStringLiteral("width"));
    height_->setObjectName(QStringLiteral("height"));
    width_->setAccessibleName(QStringLiteral("Ancho (mm)"));
    height_->setAccessibleName(QStringLiteral("Altura (mm)"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Ancho:"), this), 0, 0);
    grid->addWidget(width_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm"), this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Altura:"), this), 1, 0);
    grid->addWidget(height_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm"), this), 1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CustomPaperDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("Tamaño máximo= 500mm x 500mm"), this));
    layout->addWidget(new QLabel(QStringLiteral("Tamaño mínimo = 50mm x 50mm"), this));
    layout->addWidget(buttons);
}

QSizeF CustomPaperDialog::EnteredSize() const {
    // The range check reads whole numbers, so 500.9 passes it; the stored size is
    // kept within the range all the same.
    auto read = [](const QLineEdit* field) {
        return std::clamp(ReadMillimetres(field->text()), kCustomPaperMinMm, kCustomPaperMaxMm);
    };
    return {read(width_), read(height_)};
}

void CustomPaperDialog::accept() {
    if (!PaperTable::IsCustomSizeAccepted(ReadWholeMillimetres(width_->text()),
                                          ReadWholeMillimetres(height_->text()))) {
        messages_.Show(QStringLiteral("El tamaño del papel debe ser entre 50mm x 50mm y 500mm x "
                                      "500mm.\nRealice otro intento."),
                       QStringLiteral("ERROR DE TAMAÑO DE PAPEL!"));
        return;
    }
    QDialog::accept();
}

bool RunCustomPaperDialog(MessageBoxes& messages, QWidget* parent) {
    CustomPaperDialog dialog(messages, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    PaperTable::SetCustomSizeMm(dialog.EnteredSize());
    return true;
}

}  // namespace quenby
