#pragma once

#include "platform/ColourRef.h"

#include <QWidget>

class QPushButton;

namespace quenby {

class ColourSwatch;

// A colour field of a property dialog: the swatch that shows the colour and the button
// that asks the colour picker for another, with the reply number of the field.
class ColourRow final : public QWidget {
    Q_OBJECT

public:
    // `name` says which colour it is ("Sombra de", "Color:").
    ColourRow(int replyNumber, const QString& name, QWidget* parent = nullptr);

    int ReplyNumber() const { return replyNumber_; }
    ColourSwatch* Swatch() const { return swatch_; }
    QPushButton* Button() const { return button_; }
    void SetColour(ColourRef colour);

signals:
    // The button was pressed: the picker is wanted beside the swatch.
    void PickWanted(ColourRow* row);

private:
    int replyNumber_;
    ColourSwatch* swatch_;
    QPushButton* button_;
};

}  // namespace quenby
