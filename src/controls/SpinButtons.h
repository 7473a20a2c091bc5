#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace quenby {

// A pair of arrow buttons that step the whole number of a text field within a range,
// as a spin button beside its field does: the arrows (and the Up and Down keys in the
// field) keep to the range, but whatever is typed stays as typed.
class SpinButtons final : public QWidget {
    Q_OBJECT

public:
    // `name` is said by screen readers: "Aumentar <name>", "Reducir <name>".
    SpinButtons(QLineEdit* field, int minimum, int maximum, const QString& name,
                QWidget* parent = nullptr);

    void StepBy(int steps);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field_;
    int minimum_;
    int maximum_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace quenby
