#include "controls/ColourSwatch.h"

#include <QPainter>

namespace quenby {

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ColourSwatch::SetColour(ColourRef colour) {
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), ToQColor(colour_));
}

}  // namespace quenby
