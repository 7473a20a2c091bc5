#include "properties/FillDialog.h"

#include "controls/TypedNumbers.h"
#include "document/ElementKind.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"
#include "properties/ColourReplies.h"
#include "properties/ColourRow.h"
#include "properties/PropertySamples.h"
#include "properties/SamplePreview.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quenby {
namespace {

// The fields of the fill, in the element or in its text block.
struct FillFields {
    std::uint8_t on;
    int style;
    std::uint16_t angle;
    std::int32_t centreX;
    std::int32_t centreY;
};

FillFields FieldsOf(const Element& e, PropertyMode mode) {
    if (mode == PropertyMode::Text && e.text) {
        const TextBlock& t = *e.text;
        return {t.fillOn, t.fillStyle, t.gradientAngle, t.gradientCentreX, t.gradientCentreY};
    }
    return {e.fillOn, e.fillStyle, e.gradientAngle, e.gradientCentreX, e.gradientCentreY};
}

void Store(Element& e, PropertyMode mode, const FillFields& f) {
    if (mode == PropertyMode::Text && e.text) {
        TextBlock& t = *e.text;
        t.fillOn = f.on;
        t.fillStyle = std::uint16_t(f.style);
        t.gradientAngle = f.angle;
        t.gradientCentreX = f.centreX;
        t.gradientCentreY = f.centreY;
        return;
    }
    e.fillOn = f.on;
    e.fillStyle = std::uint8_t(f.style);
    e.gradientAngle = f.angle;
    e.gradientCentreX = f.centreX;
    e.gradientCentreY = f.centreY;
}

QLineEdit* NumberField(int value, const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(QString::number(value), parent);
    field->setMaxLength(10);
    field->setAccessibleName(name);
    field->setMaximumWidth(70);
    return field;
}

}  // namespace

std::uint16_t StoredAngle(std::int32_t typed) {
    if (typed >= 0 && typed <= 0xFFFF) {
        return std::uint16_t(typed);
    }
    return std::uint16_t(((typed % 360) + 360) % 360);
}

FillDialog::FillDialog(const Element& element, PropertyMode mode, QWidget* parent)
    : PropertyDialog(element, ResourceString(str::kFillStyleCaption), parent), mode_(mode) {
    const bool text = mode == PropertyMode::Text && element.text;
    const FillFields fields = FieldsOf(WorkingCopy(), mode);

    fill_ = new QCheckBox(QStringLiteral("Llenado"), this);
    fill_->setAccessibleName(QStringLiteral("Llenado"));
    fill_->setChecked(fields.on != 0);

    auto* styleGroup = new QButtonGroup(this);
    const QString styleNames[3] = {QStringLiteral("Un solo color"),
                                   QStringLiteral("Gradiente lineal"),
                                   QStringLiteral("Gradiente radial")};
    auto* styleColumn = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        styles_[i] = new QRadioButton(styleNames[i], this);
        styles_[i]->setAccessibleName(styleNames[i]);
        styleGroup->addButton(styles_[i], i);
        styleColumn->addWidget(styles_[i]);
    }
    // A stored style outside the three shows as none chosen; OK then keeps it.
    if (fields.style >= 0 && fields.style < 3) {
        styles_[fields.style]->setChecked(true);
    }

    oneColour_ =
        MakeColourRow(text ? reply::kTextFill : reply::kElementFill, QStringLiteral("Un color"));
    from_ =
        MakeColourRow(text ? reply::kTextFill : reply::kElementFill, QStringLiteral("Sombra de"));
    to_ =
        MakeColourRow(text ? reply::kTextFill2 : reply::kElementFill2, QStringLiteral("Sombra a"));
    angle_ = NumberField(fields.angle, QStringLiteral("Ángulo:"), this);
    centreX_ = NumberField(fields.centreX, QStringLiteral("Centro X:"), this);
    centreY_ = NumberField(fields.centreY, QStringLiteral("Centro Y:"), this);
    preview_ = new SamplePreview(
        [this](QPainter& painter, const QRect& box) {
            DrawFillSample(painter, box, WorkingCopy(), mode_);
        },
        this);
    preview_->setAccessibleName(QStringLiteral("Muestra"));

    auto* oneGroup = new QGroupBox(QStringLiteral("Un color"), this);
    (new QVBoxLayout(oneGroup))->addWidget(oneColour_);
    auto* twoGroup = new QGroupBox(QStringLiteral("Dos colores"), this);
    auto* twoGrid = new QGridLayout(twoGroup);
    twoGrid->addWidget(new QLabel(QStringLiteral("Sombra de"), twoGroup), 0, 0);
    twoGrid->addWidget(from_, 0, 1);
    twoGrid->addWidget(new QLabel(QStringLiteral("Sombra a"), twoGroup), 1, 0);
    twoGrid->addWidget(to_, 1, 1);
    auto* linearGroup = new QGroupBox(QStringLiteral("Lineal"), this);
    auto* linearRow = new QHBoxLayout(linearGroup);
    auto* angleLabel = new QLabel(QStringLiteral("Ángulo:"), linearGroup);
    angleLabel->setBuddy(angle_);
    linearRow->addWidget(angleLabel);
    linearRow->addWidget(angle_);
    linearRow->addStretch();
    auto* radialGroup = new QGroupBox(QStringLiteral("Radial"), this);
    auto* radialGrid = new QGridLayout(radialGroup);
    auto* xLabel = new QLabel(QStringLiteral("Centro X:"), radialGroup);
    xLabel->setBuddy(centreX_);
    auto* yLabel = new QLabel(QStringLiteral("Centro Y:"), radialGroup);
    yLabel->setBuddy(centreY_);
    radialGrid->addWidget(xLabel, 0, 0);
    radialGrid->addWidget(centreX_, 0, 1);
    radialGrid->addWidget(new QLabel(QStringLiteral("%"), radialGroup), 0, 2);
    radialGrid->addWidget(yLabel, 1, 0);
    radialGrid->addWidget(centreY_, 1, 1);
    radialGrid->addWidget(new QLabel(QStringLiteral("%"), radialGroup), 1, 2);
    auto* sampleGroup = new QGroupBox(QStringLiteral("Muestra"), this);
    (new QVBoxLayout(sampleGroup))->addWidget(preview_);

    auto* left = new QVBoxLayout;
    left->addWidget(fill_);
    left->addLayout(styleColumn);
    left->addWidget(oneGroup);
    left->addWidget(twoGroup);
    auto* right = new QVBoxLayout;
    right->addWidget(linearGroup);
    right->addWidget(radialGroup);
    right->addWidget(sampleGroup);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(MakeButtons());

    connect(fill_, &QCheckBox::clicked, this, [this] {
        TakeControls();
        UpdateEnabled();
    });
    connect(styleGroup, &QButtonGroup::idClicked, this, [this] { TakeControls(); });
    for (QLineEdit* field : {angle_, centreX_, centreY_}) {
        connect(field, &QLineEdit::textChanged, this, [this] { TakeControls(); });
    }
    UpdateEnabled();
}

void FillDialog::TakeControls() {
    FillFields fields = FieldsOf(WorkingCopy(), mode_);
    fields.on = fill_->isChecked() ? 1 : 0;
    for (int i = 0; i < 3; ++i) {
        if (styles_[i]->isChecked()) {
            fields.style = i;
        }
    }
    fields.angle = StoredAngle(ReadTypedInteger(angle_->text()));
    fields.centreX = ReadTypedInteger(centreX_->text());
    fields.centreY = ReadTypedInteger(centreY_->text());
    Store(Copy(), mode_, fields);
    preview_->update();
}

void FillDialog::UpdateEnabled() {
    const bool on = fill_->isChecked();
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w != fill_ && w->parentWidget() == this && !qobject_cast<QDialogButtonBox*>(w)) {
            w->setEnabled(on);
        }
    }
}

void FillDialog::ColourPicked() {
    preview_->update();
}

void FillDialog::accept() {
    TakeControls();
    PropertyDialog::accept();
}

bool RunFillDialog(Element& element, PropertyMode mode, QWidget* parent) {
    FillDialog dialog(element, mode, parent);
    return RunOnElement(dialog, element);
}

}  // namespace quenby
