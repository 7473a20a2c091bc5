#pragma once

#include "document/Element.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "platform/DeviceContext.h"

#include <QImage>
#include <QPainter>

#include <functional>

namespace quenby::test {

// An element of `kind` with the corners of a box in document units.
inline ElementPtr BoxElement(ElementKind kind, float x, float y, float w, float h) {
    ElementPtr e = CreateBlankElement();
    e->kind = kind;
    e->corners = {DocPoint{x, y}, DocPoint{x + w, y}, DocPoint{x + w, y + h}, DocPoint{x, y + h}};
    e->outlineOn = 0;
    if (HasTextBlock(kind)) {
        e->text = std::make_unique<TextBlock>();
    }
    return e;
}

// A white image of the given size, drawn on through a device context.
inline QImage Render(int w, int h, const std::function<void(DeviceContext&)>& draw,
                     bool printing = false) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        DeviceContext dc(painter, printing);
        draw(dc);
    }
    painter.end();
    return image;
}

// The box around every pixel that is not `background`; empty when there is none.
inline QRect PaintedBox(const QImage& image, QRgb background = 0xFFFFFFFF) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] != background) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

inline int CountPixels(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            n += line[x] == colour;
        }
    }
    return n;
}

// Writes the image for a person to look at when QUENBY_DRAWING_DUMP names a folder.
inline void Dump(const QImage& image, const char* name) {
    const QByteArray folder = qgetenv("QUENBY_DRAWING_DUMP");
    if (!folder.isEmpty()) {
        image.save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name) +
                   QStringLiteral(".png"));
    }
}

}  // namespace quenby::test
