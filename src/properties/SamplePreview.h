#pragma once

#include <QFrame>

#include <functional>

namespace quenby {

// The white, framed box in which a property dialog shows its sample; the dialog says
// how the sample is drawn into the box.
class SamplePreview final : public QFrame {
    Q_OBJECT

public:
    using Painter = std::function<void(QPainter&, const QRect&)>;

    SamplePreview(Painter painter, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {180, 90}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter painter_;
};

}  // namespace quenby
