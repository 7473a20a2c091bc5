#include "ArtworkCanvas.h"

#include "graphics/GraphicFile.h"
#include "graphics/GraphicFileWriter.h"
#include "platform/Dib.h"
#include "platform/MessageBoxes.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>

namespace quenby::artwork {

int PixelsFor(double millimetres, int resolution) {
    return int(std::lround(millimetres / 25.4 * wxg::DotsPerInch(resolution)));
}

QImage TransparentCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

namespace {

QImage Render(QSvgRenderer& renderer, const QRectF& viewBox, QSize size, int margin) {
    renderer.setViewBox(viewBox);
    QImage image = TransparentCanvas(size.width() + 2 * margin, size.height() + 2 * margin);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&p, QRectF(QPointF(margin, margin), QSizeF(size)));
    p.end();
    return image;
}

QSize FittedSize(const QSizeF& size, int longSide) {
    const double scale = longSide / std::max(size.width(), size.height());
    return QSize(std::max(1, int(std::lround(size.width() * scale))),
                 std::max(1, int(std::lround(size.height() * scale))));
}

// The smallest rectangle holding every pixel that is not fully transparent; null
// when there is none.
QRect InkBounds(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The drawing's view box, or its default size where it gives none; empty when the
// file cannot be drawn.
QRectF DrawingBox(const QSvgRenderer& renderer) {
    if (!renderer.isValid())
        return {};
    const QRectF box = renderer.viewBoxF();
    return box.isEmpty() ? QRectF(QPointF(0, 0), renderer.defaultSize()) : box;
}

}  // namespace

QImage RenderSvg(const QString& path, int longSide) {
    QSvgRenderer renderer(path);
    const QRectF box = DrawingBox(renderer);
    if (box.isEmpty())
        return {};
    return Render(renderer, box, FittedSize(box.size(), longSide), 0);
}

QImage RenderSvgFitted(const QString& path, int longSide, int margin) {
    QSvgRenderer renderer(path);
    const QRectF box = DrawingBox(renderer);
    if (box.isEmpty() || longSide <= 2 * margin)
        return {};
    // A first look at a fixed size finds where the drawing has ink ...
    const QImage probe = Render(renderer, box, FittedSize(box.size(), 1000), 0);
    const QRect ink = InkBounds(probe);
    if (ink.isNull())
        return {};
    const double unit = box.width() / probe.width();
    const QRectF inkBox(box.x() + (ink.x() - 1) * unit, box.y() + (ink.y() - 1) * unit,
                        (ink.width() + 2) * unit, (ink.height() + 2) * unit);
    // ... and that part alone is drawn at the size asked for.
    return Render(renderer, inkBox, FittedSize(inkBox.size(), longSide - 2 * margin), margin);
}

QImage HardenEdges(const QImage& source) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a < 128) {
                line[x] = qRgba(0, 0, 0, 0);
            } else {
                auto over = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
                line[x] = qRgb(over(qRed(line[x])), over(qGreen(line[x])), over(qBlue(line[x])));
            }
        }
    }
    return image;
}

QImage TrimTransparent(const QImage& image, int margin) {
    const QRect ink = InkBounds(image);
    if (ink.isNull())
        return {};
    return image.convertToFormat(QImage::Format_ARGB32)
        .copy(ink.adjusted(-margin, -margin, margin, margin).intersected(image.rect()));
}

bool WriteGraphicFile(const QString& path, const QImage& image, bool transparent,
                      std::uint8_t resolution) {
    const std::vector<std::uint8_t> bytes =
        wxg::EncodeGraphicFile(image, {transparent, resolution});
    QString error;
    if (bytes.empty() || !wxg::WriteFileAtomically(path, bytes, &error)) {
        std::fprintf(stderr, "cannot write %s %s\n", qPrintable(path), qPrintable(error));
        return false;
    }
    return true;
}

QImage ContactSheet(const QStringList& files, int tile) {
    const int columns = 8;
    const int rows = int((files.size() + columns - 1) / columns);
    QImage sheet(columns * tile, std::max(1, rows) * (tile + 14), QImage::Format_RGB32);
    sheet.fill(QColor(200, 205, 210));
    QPainter p(&sheet);
    SilentMessageBoxes messages;
    for (int i = 0; i < files.size(); ++i) {
        const QRect cell((i % columns) * tile, (i / columns) * (tile + 14), tile, tile);
        p.fillRect(cell.adjusted(2, 2, -2, -2), Qt::white);
        int transparent = 0;
        const std::unique_ptr<Dib> dib = LoadGraphicFile(messages, files[i], transparent);
        if (dib) {
            QImage picture = dib->ToImage();
            if (transparent) {
                QList<QRgb> table = picture.colorTable();
                table[wxg::kTransparentIndex] = qRgba(0, 0, 0, 0);
                picture.setColorTable(table);
            }
            const QImage fitted =
                picture.convertToFormat(QImage::Format_ARGB32)
                    .scaled(tile - 8, tile - 8, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            p.drawImage(cell.x() + (tile - fitted.width()) / 2,
                        cell.y() + (tile - fitted.height()) / 2, fitted);
        }
        p.setPen(Qt::black);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
        p.drawText(QRect(cell.x(), cell.bottom(), tile, 14), Qt::AlignCenter,
                   QFileInfo(files[i]).fileName());
    }
    return sheet;
}

QImage CalendarPage(const QStringList& files, const QString& title) {
    const double pxPerMm = 150 / 25.4;
    QImage page(int(170 * pxPerMm), int(222 * pxPerMm), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    SilentMessageBoxes messages;
    const QPointF click(2 * pxPerMm, 2 * pxPerMm);
    for (const QString& file : files) {
        int transparent = 0, resolution = 0;
        const std::unique_ptr<Dib> dib = LoadGraphicFile(messages, file, transparent, &resolution);
        if (!dib)
            continue;
        QImage picture = dib->ToImage();
        if (transparent) {
            QList<QRgb> table = picture.colorTable();
            table[wxg::kTransparentIndex] = qRgba(0, 0, 0, 0);
            picture.setColorTable(table);
        }
        const double mmPerPixel = 25.4 / wxg::DotsPerInch(resolution);
        p.drawImage(QRectF(click, QSizeF(picture.width(), picture.height()) * mmPerPixel * pxPerMm),
                    picture.convertToFormat(QImage::Format_ARGB32));
    }
    const QRectF frame(click + QPointF(50, 6.25) * pxPerMm, QSizeF(65, 13.25) * pxPerMm);
    QFont font(DrawingFamily(true));
    font.setPixelSize(int(7 * pxPerMm));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(frame, Qt::AlignLeft | Qt::AlignTop, title);
    p.setPen(QPen(Qt::blue, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    return page;
}

QString DrawingFamily(bool bold) {
    static QString families[2];
    QString& family = families[bold ? 1 : 0];
    if (family.isEmpty()) {
        const int id = QFontDatabase::addApplicationFont(
            bold ? QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf")
                 : QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
        const QStringList names = QFontDatabase::applicationFontFamilies(id);
        family = names.isEmpty() ? QStringLiteral("sans-serif") : names.first();
    }
    return family;
}

}  // namespace quenby::artwork
