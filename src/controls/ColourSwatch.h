#pragma once

#include "platform/ColourRef.h"

#include <QWidget>

namespace quenby {

// A framed square of one colour, as the property dialogs show the colour of a field.
// The automatic colour shows as black, as the page draws it.
class ColourSwatch final : public QWidget {
    Q_OBJECT

public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    void SetColour(ColourRef colour);
    ColourRef Colour() const { return colour_; }

    QSize sizeHint() const override { return {28, 22}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColourRef colour_ = kBlack;
};

}  // namespace quenby
