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

QImage RenderSvg(const QString& path, int longSide) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        return {};
    }
    QSizeF size = renderer.viewBoxF().size();
    if (size.isEmpty())
        size = renderer.defaultSize();
    if (size.isEmpty())
        return {};
    const double scale = longSide / std::max(size.width(), size.height());
    QImage image = TransparentCanvas(std::max(1, int(std::lround(size.width() * scale))),
                                     std::max(1, int(std::lround(size.height() * scale))));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&p, QRectF(QPointF(0, 0), image.size()));
    p.end();
    return image;
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

QImage TrimTransparent(const QImage& source, int margin) {
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
    if (right < 0)
        return {};
    const QRect box = QRect(QPoint(left, top), QPoint(right, bottom))
                          .adjusted(-margin, -margin, margin, margin)
                          .intersected(image.rect());
    return image.copy(box);
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
