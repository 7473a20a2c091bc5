#include "properties/ShadowDialog.h"

#include "controls/SpinButtons.h"
#include "controls/TypedNumbers.h"
#include "properties/ColourReplies.h"
#include "properties/ColourRow.h"
#include "properties/PropertySamples.h"
#include "properties/SamplePreview.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quenby {
namespace {

QLineEdit* OffsetField(std::int32_t value, const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(QString::number(value), parent);
    field->setMaxLength(10);
    field->setMaximumWidth(60);
    field->setAccessibleName(name);
    return field;
}

}  // namespace

ShadowDialog::ShadowDialog(const Element& element, QWidget* parent)
    : PropertyDialog(element, QStringLiteral("Colocar sombra detrás de texto "), parent) {
    const TextBlock& text = *WorkingCopy().text;
    shadow_ = new QCheckBox(QStringLiteral("Agregar colocación de sombre"), this);
    shadow_->setAccessibleName(QStringLiteral("Agregar colocación de sombre"));
    shadow_->setChecked(text.shadowOn != 0);
    colour_ = MakeColourRow(reply::kTextShadow, QStringLiteral("Color"));
    dx_ = OffsetField(text.shadowDx, QStringLiteral("Offsets X:"), this);
    dy_ = OffsetField(text.shadowDy, QStringLiteral("Offsets Y:"), this);
    dxSpin_ = new SpinButtons(dx_, -20, 20, QStringLiteral("X"), this);
    dySpin_ = new SpinButtons(dy_, -20, 20, QStringLiteral("Y"), this);
    preview_ = new SamplePreview(
        [this](QPainter& painter, const QRect& box) {
            DrawShadowSample(painter, box, WorkingCopy());
        },
        this);
    preview_->setAccessibleName(QStringLiteral("Muestra"));

    auto* grid = new QGridLayout;
    grid->addWidget(shadow_, 0, 0, 1, 6);
    grid->addWidget(new QLabel(QStringLiteral("Color"), this), 1, 0);
    grid->addWidget(colour_, 1, 1, 1, 5);
    auto* xLabel = new QLabel(QStringLiteral("Offsets    X:"), this);
    xLabel->setBuddy(dx_);
    auto* yLabel = new QLabel(QStringLiteral("Y:"), this);
    yLabel->setBuddy(dy_);
    grid->addWidget(xLabel, 2, 0);
    grid->addWidget(dx_, 2, 1);
    grid->addWidget(dxSpin_, 2, 2);
    grid->addWidget(yLabel, 2, 3);
    grid->addWidget(dy_, 2, 4);
    grid->addWidget(dySpin_, 2, 5);
    grid->setColumnStretch(6, 1);
    auto* sampleGroup = new QGroupBox(QStringLiteral("Muestra"), this);
    (new QVBoxLayout(sampleGroup))->addWidget(preview_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(sampleGroup);
    layout->addWidget(MakeButtons());

    connect(shadow_, &QCheckBox::toggled, this, [this] { TakeControls(); });
    for (QLineEdit* field : {dx_, dy_}) {
        connect(field, &QLineEdit::textChanged, this, [this] { TakeControls(); });
    }
}

void ShadowDialog::TakeControls() {
    TextBlock& text = *Copy().text;
    text.shadowOn = shadow_->isChecked() ? 1 : 0;
    text.shadowDx = ReadTypedInteger(dx_->text());
    text.shadowDy = ReadTypedInteger(dy_->text());
    preview_->update();
}

void ShadowDialog::ColourPicked() {
    preview_->update();
}

bool RunShadowDialog(Element& element, QWidget* parent) {
    if (!element.text) {
        return false;
    }
    ShadowDialog dialog(element, parent);
    return RunOnElement(dialog, element);
}

}  // namespace quenby
