#include "library/TemplateRowPicture.h"

#include "document/Document.h"
#include "document/DocumentController.h"
#include "document/ElementOwner.h"
#include "document/PageDrawing.h"
#include "platform/DeviceContext.h"
#include "platform/MessageBoxes.h"
#include "print/PaperLayout.h"

#include <QPainter>

#include <algorithm>

namespace quenby::template_row_picture {
namespace {

// Drawn this many times larger and then scaled down smoothly: at a few pixels a
// letter, even drawn with smooth edges, would break apart.
constexpr int kOversampling = 3;
constexpr int kFrontFace = 0;

QImage Empty() {
    QImage picture(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}

}  // namespace

QImage Draw(const Document& doc, double pixelsPerMm) {
    const QRect full = PageRect(doc, 100, pixelsPerMm);
    if (full.isEmpty()) {
        return Empty();
    }
    // One pixel of the small picture is kept free on every side for the edge.
    const int room = (kSize - 2) * kOversampling;
    const int zoom = std::max(1, int((long long)room * 100 / std::max(full.width(), full.height())));
    const QRect face = PageRect(doc, zoom, pixelsPerMm);
    const int side = kSize * kOversampling;
    const QPoint corner((side - face.width()) / 2, (side - face.height()) / 2);

    QImage large(side, side, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const QRect onPicture = face.translated(corner).intersected(large.rect());
        painter.fillRect(onPicture, ToQColor(doc.pageColour));
        painter.setClipRect(onPicture);
        DeviceContext dc(painter);
        dc.SetSmooth(true);
        DrawPage(doc, kFrontFace, dc, FixedOwner(zoom, corner), false, 0, 0);
    }
    QImage picture = large.scaled(kSize, kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The edge goes on after scaling, so that it stays one sharp pixel.
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 0));
    const QPoint first = corner / kOversampling;
    const QPoint last = (corner + QPoint(face.width(), face.height())) / kOversampling;
    painter.drawRect(QRect(first, last - QPoint(1, 1)).intersected(picture.rect()));
    return picture;
}

QImage Load(const QString& path, double pixelsPerMm) {
    SilentMessageBoxes quiet;
    Document doc;
    if (!DocumentController::LoadWithoutWindow(path, doc, quiet)) {
        return Empty();
    }
    return Draw(doc, pixelsPerMm);
}

}  // namespace quenby::template_row_picture
