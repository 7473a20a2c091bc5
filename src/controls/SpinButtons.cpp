#include "controls/SpinButtons.h"

#include "controls/TypedNumbers.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quenby {

SpinButtons::SpinButtons(QLineEdit* field, int minimum, int maximum, const QString& name,
                         QWidget* parent)
    : QWidget(parent),
      field_(field),
      minimum_(minimum),
      maximum_(maximum),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(QStringLiteral("Aumentar %1").arg(name));
    down_->setAccessibleName(QStringLiteral("Reducir %1").arg(name));
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);  // the field keeps the keyboard
        button->setFixedSize(16, 11);
    }
    connect(up_, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    field_->installEventFilter(this);
}

void SpinButtons::StepBy(int steps) {
    const std::int64_t next = std::int64_t(ReadTypedInteger(field_->text())) + steps;
    const int value = int(std::clamp<std::int64_t>(next, minimum_, maximum_));
    field_->setText(QString::number(value));
}

bool SpinButtons::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            StepBy(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quenby
