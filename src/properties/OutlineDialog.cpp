#include "properties/OutlineDialog.h"

#include "controls/SpinButtons.h"
#include "controls/TypedNumbers.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"
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
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quenby {
namespace {

bool TextMode(const Element& e, PropertyMode mode) {
    return mode == PropertyMode::Text && e.text;
}

}  // namespace

std::uint8_t StoredOutlineWidth(std::int32_t typed) {
    return std::uint8_t(std::clamp(typed, 0, 255));
}

OutlineDialog::OutlineDialog(const Element& element, PropertyMode mode, QWidget* parent)
    : PropertyDialog(element, ResourceString(str::kOutlineStyleCaption), parent), mode_(mode) {
    const bool text = TextMode(element, mode);
    const std::uint8_t on = text ? element.text->outlineOn : element.outlineOn;
    const std::uint8_t width = text ? element.text->outlineWidth : element.outlineWidth;

    outline_ = new QCheckBox(QStringLiteral("Contorneado"), this);
    outline_->setAccessibleName(QStringLiteral("Contorneado"));
    outline_->setChecked(on != 0);
    // A line is always drawn.
    outline_->setEnabled(text || element.kind != ElementKind::Line);

    colour_ = MakeColourRow(text ? reply::kTextOutline : reply::kElementOutline,
                            QStringLiteral("Color:"));
    width_ = new QLineEdit(QString::number(width), this);
    width_->setMaxLength(10);
    width_->setMaximumWidth(60);
    width_->setAccessibleName(QStringLiteral("Ancho:"));
    spin_ = new SpinButtons(width_, 1, 50, QStringLiteral("ancho"), this);
    preview_ = new SamplePreview(
        [this](QPainter& painter, const QRect& box) {
            DrawOutlineSample(painter, box, WorkingCopy(), mode_, outline_->isChecked(),
                              ReadTypedInteger(width_->text()));
        },
        this);
    preview_->setAccessibleName(QStringLiteral("Vista preliminar"));

    auto* grid = new QGridLayout;
    grid->addWidget(outline_, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Color:"), this), 1, 0);
    grid->addWidget(colour_, 1, 1, 1, 2);
    auto* widthLabel = new QLabel(QStringLiteral("Ancho:"), this);
    widthLabel->setBuddy(width_);
    grid->addWidget(widthLabel, 2, 0);
    auto* widthRow = new QHBoxLayout;
    widthRow->setSpacing(0);
    widthRow->addWidget(width_);
    widthRow->addWidget(spin_);
    widthRow->addStretch();
    grid->addLayout(widthRow, 2, 1, 1, 2);
    auto* sampleGroup = new QGroupBox(QStringLiteral("Vista preliminar"), this);
    (new QVBoxLayout(sampleGroup))->addWidget(preview_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(sampleGroup);
    layout->addWidget(MakeButtons());

    connect(outline_, &QCheckBox::toggled, this, [this] {
        UpdateEnabled();
        preview_->update();
    });
    connect(width_, &QLineEdit::textChanged, preview_, qOverload<>(&QWidget::update));
    UpdateEnabled();
}

void OutlineDialog::UpdateEnabled() {
    const bool on = outline_->isChecked();
    width_->setEnabled(on);
    spin_->setEnabled(on);
    colour_->Button()->setEnabled(on);
}

void OutlineDialog::ColourPicked() {
    preview_->update();
}

void OutlineDialog::accept() {
    const std::uint8_t on = outline_->isChecked() ? 1 : 0;
    const std::uint8_t width = StoredOutlineWidth(ReadTypedInteger(width_->text()));
    if (TextMode(WorkingCopy(), mode_)) {
        Copy().text->outlineOn = on;
        Copy().text->outlineWidth = width;
    } else {
        Copy().outlineOn = on;
        Copy().outlineWidth = width;
    }
    PropertyDialog::accept();
}

bool RunOutlineDialog(Element& element, PropertyMode mode, QWidget* parent) {
    OutlineDialog dialog(element, mode, parent);
    return RunOnElement(dialog, element);
}

}  // namespace quenby
