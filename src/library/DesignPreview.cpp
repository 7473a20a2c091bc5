#include "library/DesignPreview.h"

#include "graphics/GraphicFile.h"
#include "graphics/ScaledPicture.h"
#include "graphics/TransparentPicture.h"
#include "library/PictureFit.h"
#include "platform/DeviceContext.h"
#include "platform/Dib.h"

#include <QPainter>

namespace quenby {

DesignPreview::DesignPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("designPreview"));
    setAccessibleName(QStringLiteral("Vista preliminar de diseño"));
    setMinimumSize(200, 200);
}

DesignPreview::~DesignPreview() = default;

void DesignPreview::SetPicture(std::unique_ptr<Dib> picture) {
    picture_ = std::move(picture);
    scaled_ = QImage();
    update();
}

QRect DesignPreview::PictureRect() const {
    if (!picture_) {
        return {};
    }
    return FitPicture(rect(), picture_->Width(), std::abs(picture_->Height()));
}

QSize DesignPreview::sizeHint() const {
    return {240, 240};
}

void DesignPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect at = PictureRect();
    if (at.isEmpty()) {
        return;
    }
    // Composed at the picture's own pixels and scaled smoothly, so that its edges
    // blend into the white; a picture too large for that is drawn strip by strip.
    if (scaled_.size() != at.size()) {
        scaled_ = SmoothlyScaledTransparentPicture(*picture_, wxg::kTransparentIndex, at.size());
    }
    DeviceContext dc(painter);
    if (!scaled_.isNull()) {
        dc.DrawImage(at.topLeft(), scaled_);
        return;
    }
    DrawPictureTransparent(dc, at.left(), at.top(), at.left() + at.width(),
                           at.top() + at.height(), *picture_, wxg::kTransparentIndex, false);
}

}  // namespace quenby
