#include "properties/SamplePreview.h"

#include <QPainter>

namespace quenby {

SamplePreview::SamplePreview(Painter painter, QWidget* parent)
    : QFrame(parent), painter_(std::move(painter)) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMinimumSize(sizeHint());
}

void SamplePreview::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), Qt::white);
        painter.setClipRect(contentsRect());
        painter_(painter, contentsRect());
    }
    QFrame::paintEvent(event);
}

}  // namespace quenby
