#include "properties/ColourRow.h"

#include "controls/ColourSwatch.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace quenby {

ColourRow::ColourRow(int replyNumber, const QString& name, QWidget* parent)
    : QWidget(parent),
      replyNumber_(replyNumber),
      swatch_(new ColourSwatch(this)),
      button_(new QPushButton(QStringLiteral("Color..."), this)) {
    swatch_->setAccessibleName(name);
    button_->setAccessibleName(QStringLiteral("Elegir color: %1").arg(name));
    button_->setAutoDefault(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(swatch_);
    layout->addWidget(button_);
    layout->addStretch();
    connect(button_, &QPushButton::clicked, this, [this] { emit PickWanted(this); });
}

void ColourRow::SetColour(ColourRef colour) {
    swatch_->SetColour(colour);
}

}  // namespace quenby
