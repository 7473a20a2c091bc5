#include "CalendarBuilder.h"

#include "ArtworkCanvas.h"

#include "graphics/CalendarArtwork.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace quenby::artwork {
namespace {

constexpr std::uint8_t kResolution = 1;  // 150 pixels per inch
constexpr double kCanvasWidthMm = 6.5 * 25.4;
constexpr double kCanvasHeightMm = 8.5 * 25.4;
// The title frame the program adds, relative to the picture's top-left corner.
const QRectF kTitleMm(50, 6.25, 65, 13.25);
constexpr double kColumnsLeftMm = 12.55;
constexpr double kColumnWidthMm = 20;
constexpr double kWeekdayTopMm = 100;
constexpr double kWeekdayHeightMm = 9;
constexpr double kGridTopMm = 111;
constexpr double kRowHeightMm = 16.5;
constexpr int kRows = 6;

double Px(double mm) {
    return mm / 25.4 * 150;
}
QRectF Px(const QRectF& mm) {
    return QRectF(Px(mm.x()), Px(mm.y()), Px(mm.width()), Px(mm.height()));
}

QImage Canvas() {
    return TransparentCanvas(PixelsFor(kCanvasWidthMm, kResolution),
                             PixelsFor(kCanvasHeightMm, kResolution));
}

QRectF Cell(int column, int row) {
    return Px(QRectF(kColumnsLeftMm + column * kColumnWidthMm, kGridTopMm + row * kRowHeightMm,
                     kColumnWidthMm, kRowHeightMm));
}

// The largest font (up to `pixels`) in which `text` fits `width`.
QFont Fitted(const QString& text, double pixels, double width) {
    QFont font(DrawingFamily(true));
    font.setPixelSize(int(pixels));
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

// The product's drawing colours: the dark outline and ink, Sunday red, weekday blue.
const QColor kOutline(0x2B, 0x2D, 0x5C);
const QColor kSunday(0xEF, 0x4B, 0x4B);
const QColor kWeekday(0x3A, 0x86, 0xFF);

QImage MonthGrid(int firstDay, int length) {
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double gap = Px(0.8);
    for (int day = 1; day <= length; ++day) {
        const int slot = firstDay + day - 1;
        const int column = slot % 7, row = slot / 7;
        const QRectF cell = Cell(column, row).adjusted(gap, gap, -gap, -gap);
        p.setPen(QPen(QColor(0x9A, 0x9C, 0xC0), Px(0.35)));
        p.setBrush(QColor(255, 255, 255));
        p.drawRoundedRect(cell, Px(1.5), Px(1.5));
        const QString number = QString::number(day);
        p.setFont(Fitted(number, Px(6.5), cell.width()));
        p.setPen(column == 6 ? kSunday : kOutline);
        p.drawText(cell.adjusted(Px(1.5), Px(0.8), -Px(1.5), 0), Qt::AlignLeft | Qt::AlignTop,
                   number);
    }
    p.end();
    return HardenEdges(image);
}

QImage WeekdayNames(const QStringList& names) {
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 7; ++i) {
        const QRectF box = Px(QRectF(kColumnsLeftMm + i * kColumnWidthMm + 0.8, kWeekdayTopMm,
                                     kColumnWidthMm - 1.6, kWeekdayHeightMm));
        p.setPen(QPen(kOutline, Px(0.4)));
        p.setBrush(i == 6 ? kSunday : kWeekday);
        p.drawRoundedRect(box, box.height() / 2.5, box.height() / 2.5);
        p.setFont(Fitted(names[i], Px(4.2), box.width() - Px(1.6)));
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, names[i]);
    }
    p.end();
    return HardenEdges(image);
}

// ---- designs ----

// A design: its name (the list shows it), the card's light and strong colours, a
// scene drawn across the picture area and a small motif repeated below it and in
// the top corners; both drawings are SVG files beside the list.
struct Style {
    QString name;
    QColor light;
    QColor strong;
    QString scene;
    QString motif;
};

void DrawDrawing(QPainter& p, const QString& svg, const QRectF& target, bool& ok) {
    const QImage picture = RenderSvg(svg, int(std::max(target.width(), target.height())));
    if (picture.isNull()) {
        std::fprintf(stderr, "cannot draw %s\n", qPrintable(svg));
        ok = false;
        return;
    }
    const QSizeF size = QSizeF(picture.size()).scaled(target.size(), Qt::KeepAspectRatio);
    p.drawImage(QRectF(target.center() - QPointF(size.width(), size.height()) / 2, size), picture);
}

QImage Design(const Style& s, const QDir& sources, bool& ok) {
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF page = image.rect();
    const double line = Px(0.55);
    // The card: a band of the strong colour round a light face, both outlined.
    p.setPen(QPen(kOutline, line));
    p.setBrush(s.strong);
    p.drawRoundedRect(page.adjusted(line, line, -line, -line), Px(8), Px(8));
    p.setBrush(s.light);
    p.drawRoundedRect(page.adjusted(Px(2.6), Px(2.6), -Px(2.6), -Px(2.6)), Px(6), Px(6));
    // The scene across the picture area, between the title banner and the grid.
    DrawDrawing(p, sources.filePath(s.scene), Px(QRectF(7.5, 24, 150, 60)), ok);
    // The motif in a row below the scene and in the two top corners.
    const QString motif = sources.filePath(s.motif);
    for (int k = 0; k < 7; ++k)
        DrawDrawing(p, motif, Px(QRectF(12.55 + k * kColumnWidthMm + 4.5, 86.5, 11, 9.5)), ok);
    for (double x : {9.0, kCanvasWidthMm - 9.0 - 30})
        DrawDrawing(p, motif, Px(QRectF(x, 6, 30, 16)), ok);
    // The panel behind the weekday names and the grid.
    p.setPen(QPen(kOutline, line));
    p.setBrush(Qt::white);
    p.drawRoundedRect(Px(QRectF(kColumnsLeftMm - 3, kWeekdayTopMm - 3, 7 * kColumnWidthMm + 6,
                                kGridTopMm + kRows * kRowHeightMm - kWeekdayTopMm + 5)),
                      Px(4), Px(4));
    // The banner that holds the month title.
    const QRectF banner = Px(kTitleMm.adjusted(-4, -2.5, 4, 2.5));
    p.setPen(QPen(kOutline, Px(0.7)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(banner, banner.height() / 2, banner.height() / 2);
    p.end();
    return HardenEdges(image);
}

bool ReadStyles(const QString& path, std::vector<Style>& styles) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    QTextStream in(&file);
    for (int lineNumber = 1; !in.atEnd(); ++lineNumber) {
        // Colours are written #rrggbb, so only whole lines are comments here.
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QRegularExpression(QStringLiteral("\\s+")));
        const QColor light(parts.value(1)), strong(parts.value(2));
        if (parts.size() != 5 || !light.isValid() || !strong.isValid()) {
            std::fprintf(stderr, "%s:%d: expected: name #light #strong scene.svg motif.svg\n",
                         qPrintable(path), lineNumber);
            return false;
        }
        styles.push_back({QString(parts[0]).replace(QLatin1Char('_'), QLatin1Char(' ')), light,
                          strong, parts[3], parts[4]});
    }
    return true;
}

}  // namespace

bool BuildCalendars(const QString& sourceFolder, const QString& outFolder) {
    namespace names = calendar_artwork;
    const QDir out(outFolder);
    out.mkpath(QStringLiteral("months"));
    out.mkpath(QStringLiteral("styles"));
    bool ok = true;
    for (int first = 0; first < 7; ++first) {
        for (int length = names::kShortestMonth; length <= names::kLongestMonth; ++length) {
            ok = WriteGraphicFile(out.filePath(names::MonthGridFile(first, length)),
                                  MonthGrid(first, length), true, kResolution) &&
                 ok;
        }
    }
    const QStringList weekdays[2] = {
        QString::fromUtf8("Lunes Martes Miércoles Jueves Viernes Sábado Domingo").split(' '),
        QStringLiteral("Monday Tuesday Wednesday Thursday Friday Saturday Sunday").split(' ')};
    for (int language = 0; language < 2; ++language) {
        ok = WriteGraphicFile(out.filePath(names::WeekdayNamesFile(language)),
                              WeekdayNames(weekdays[language]), true, kResolution) &&
             ok;
    }
    std::vector<Style> styles;
    const QDir sources(sourceFolder);
    if (!ReadStyles(sources.filePath(QStringLiteral("styles.txt")), styles))
        return false;
    for (const Style& s : styles) {
        const QImage design = Design(s, sources, ok);
        ok = WriteGraphicFile(out.filePath(names::DesignFile(s.name)), design, true, kResolution) &&
             ok;
    }
    return ok;
}

}  // namespace quenby::artwork
