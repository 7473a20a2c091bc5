#include "library/ThumbnailTile.h"

#include "graphics/GraphicFile.h"
#include "graphics/ScaledPicture.h"
#include "platform/DeviceContext.h"
#include "platform/Dib.h"
#include "platform/MessageBoxes.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace quenby::thumbnail_tile {
namespace {

// The frame and the white ground cover every pixel of the tile, so the tile
// bitmap's own drawing never shows; a fresh image serves the same.
QImage BlankTile() {
    QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
    tile.fill(Qt::white);
    return tile;
}

}  // namespace

QRect Placement(int width, int height) {
    if (width <= 0 || height <= 0) {
        return {};
    }
    // Whole numbers: the long side comes out at exactly 90 pixels, where dividing by
    // a scale factor in floating point can leave it at 89.
    const std::int64_t longSide = std::max(width, height);
    const int w = std::max(1, int(std::int64_t(width) * kPictureArea / longSide));
    const int h = std::max(1, int(std::int64_t(height) * kPictureArea / longSide));
    return {(kPictureArea - w) / 2 + kMargin, (kPictureArea - h) / 2 + kMargin, w, h};
}

QImage Draw(const Dib* picture) {
    QImage tile = BlankTile();
    QPainter painter(&tile);
    DeviceContext dc(painter);
    dc.SetPen(DeviceContext::PenStyle::Solid, kBlack);
    dc.SetSolidBrush(kWhite);
    dc.Rectangle(0, 0, kTileSize, kTileSize);
    if (picture) {
        const QRect at = Placement(picture->Width(), std::abs(picture->Height()));
        if (!at.isEmpty()) {
            // Smoothly scaled: colour on colour, a shrunken picture breaks into
            // scattered pixels. Only the edge quality differs; the place is the same.
            const QImage scaled = SmoothlyScaledPicture(*picture, at.size());
            if (scaled.isNull()) {
                dc.StretchDib(*picture, at);
            } else {
                dc.DrawImage(at.topLeft(), scaled);
            }
        }
    }
    dc.SetEmptyBrush();
    dc.Rectangle(0, 0, kTileSize, kTileSize);
    return tile;
}

QImage Load(const QString& path) {
    SilentMessageBoxes quiet;
    int transparent = 0;
    const std::unique_ptr<Dib> picture = LoadGraphicFile(quiet, path, transparent);
    return Draw(picture.get());
}

}  // namespace quenby::thumbnail_tile
