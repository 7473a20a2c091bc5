#include "TemplatePictures.h"

#include "graphics/ColourQuantiser.h"
#include "platform/Dib.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QSvgRenderer>

#include <array>

namespace quenby::templates {
namespace {

constexpr std::array<const char*, 12> kMonthNames{
    "Enero", "Febrero", "Marzo",      "Abril",   "Mayo",      "Junio",
    "Julio", "Agosto",  "Septiembre", "Octubre", "Noviembre", "Diciembre"};
constexpr std::array<const char*, 7> kWeekdayInitials{"L", "M", "X", "J", "V", "S", "D"};
constexpr QRgb kInk = 0xFF2B2D5C;

QColor Rgb(unsigned rgb) {
    return QColor(QRgb(0xFF000000u | rgb));
}

// The largest pixel size up to `size` at which `text` is no wider than `width`.
void FitPixelSize(QFont& font, const QString& text, int size, double width) {
    size = qMax(5, size);
    font.setPixelSize(size);
    const double measured = QFontMetricsF(font).horizontalAdvance(text);
    if (measured > width && measured > 0) {
        font.setPixelSize(qMax(5, int(size * width / measured)));
    }
}

}  // namespace

std::unique_ptr<Dib> ToEightBit(const QImage& image) {
    return QuantiseToPalette(image);
}

double DrawingAspect(const QString& svgPath) {
    QSvgRenderer renderer(svgPath);
    const QSizeF size = renderer.viewBoxF().size();
    if (!renderer.isValid() || size.isEmpty()) {
        return 0;
    }
    return size.width() / size.height();
}

std::unique_ptr<Dib> DrawingPicture(const QString& svgPath, QSize pixels) {
    QSvgRenderer renderer(svgPath);
    const double aspect = DrawingAspect(svgPath);
    if (!renderer.isValid() || aspect <= 0) {
        return nullptr;
    }
    if (pixels.width() <= 0) {
        pixels.setWidth(qMax(1, qRound(pixels.height() * aspect)));
    }
    if (pixels.height() <= 0) {
        pixels.setHeight(qMax(1, qRound(pixels.width() / aspect)));
    }
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    // A picture with a transparent colour has no half-covered pixels: the pixels
    // mostly covered keep their own colour, the others are left out.
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = qAlpha(line[x]) >= 128 ? (line[x] | 0xFF000000u) : 0u;
        }
    }
    return ToEightBit(image);
}

std::unique_ptr<Dib> MonthPicture(int year, int month, QSize pixels, const MonthStyle& style) {
    const QDate first(year, month, 1);
    if (!first.isValid() || pixels.isEmpty()) {
        return nullptr;
    }
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    const double w = pixels.width();
    const double h = pixels.height();
    const double band = h * 0.18;
    const double heads = h * 0.11;
    const double cellW = w / 7.0;
    const double cellH = (h - band - heads) / 6.0;
    const double line = qMax(1.0, w / 220.0);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    const QString title = QStringLiteral("%1 %2")
                              .arg(QString::fromUtf8(kMonthNames[std::size_t(month - 1)]))
                              .arg(year);
    FitPixelSize(font, title, int(band * 0.6), w * 0.92);
    painter.fillRect(QRectF(0, 0, w, band), Rgb(style.head));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, w, band), Qt::AlignCenter, title);

    FitPixelSize(font, QStringLiteral("M"), int(heads * 0.62), cellW * 0.8);
    painter.setFont(font);
    for (int d = 0; d < 7; ++d) {
        painter.setPen(d == 6 ? Rgb(style.sunday) : QColor(kInk));
        painter.drawText(QRectF(d * cellW, band, cellW, heads), Qt::AlignCenter,
                         QString::fromUtf8(kWeekdayInitials[std::size_t(d)]));
    }

    FitPixelSize(font, QStringLiteral("28"), int(cellH * 0.5), cellW * 0.8);
    painter.setFont(font);
    const int lead = first.dayOfWeek() - 1;  // Monday first
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        const int cell = lead + day - 1;
        const int column = cell % 7;
        const QRectF r(column * cellW, band + heads + (cell / 7) * cellH, cellW, cellH);
        painter.fillRect(r.adjusted(line, line, -line, -line), Rgb(style.cells));
        painter.setPen(column == 6 ? Rgb(style.sunday) : QColor(kInk));
        painter.drawText(r, Qt::AlignCenter, QString::number(day));
    }
    painter.setPen(QPen(QColor(kInk), line));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(line / 2, line / 2, w - line, h - line));
    painter.drawLine(QPointF(0, band), QPointF(w, band));
    painter.end();
    return ToEightBit(image);
}

}  // namespace quenby::templates
