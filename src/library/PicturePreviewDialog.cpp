#include "library/PicturePreviewDialog.h"

#include "graphics/ScaledPicture.h"
#include "library/PictureFit.h"
#include "platform/DeviceContext.h"
#include "platform/Dib.h"
#include "platform/ResourceImages.h"

#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace quenby {
namespace {
constexpr int kPreviewSide = 320;
constexpr int kAcceptPicture = 20;
}  // namespace

// The white square the picture is shown in, scaled to fit.
class PicturePreviewDialog::PreviewArea final : public QWidget {
public:
    PreviewArea(std::unique_ptr<Dib> picture, QWidget* parent)
        : QWidget(parent), picture_(std::move(picture)) {
        setObjectName(QStringLiteral("previewArea"));
        setAccessibleName(QStringLiteral("Vista preliminar de imagen"));
        setFixedSize(kPreviewSide, kPreviewSide);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!picture_) {
            return;
        }
        const QRect at = FitPicture(rect(), picture_->Width(), std::abs(picture_->Height()));
        if (at.isEmpty()) {
            return;
        }
        // Scaled once, smoothly, for as long as the area keeps its size.
        if (scaled_.size() != at.size()) {
            scaled_ = SmoothlyScaledPicture(*picture_, at.size());
        }
        DeviceContext dc(painter);
        if (scaled_.isNull()) {
            dc.StretchDib(*picture_, at);
        } else {
            dc.DrawImage(at.topLeft(), scaled_);
        }
    }

private:
    std::unique_ptr<Dib> picture_;
    QImage scaled_;
};

PicturePreviewDialog::PicturePreviewDialog(std::unique_ptr<Dib> picture, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PicturePreviewDialog"));
    setWindowTitle(QStringLiteral("Vista preliminar de imagen"));
    auto* area = new PreviewArea(std::move(picture), this);
    auto* ok = new QPushButton(ResourceIcon(kAcceptPicture), QStringLiteral("Aceptar"), this);
    ok->setObjectName(QStringLiteral("accept"));
    ok->setAccessibleName(QStringLiteral("Aceptar"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area, 0, Qt::AlignHCenter);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

PicturePreviewDialog::~PicturePreviewDialog() = default;

}  // namespace quenby
