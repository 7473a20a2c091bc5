#include "CalendarBuilder.h"

#include "ArtworkCanvas.h"

#include "graphics/CalendarArtwork.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
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

const QColor kInk(40, 45, 70);
const QColor kSunday(200, 30, 40);

QImage MonthGrid(int firstDay, int length) {
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double gap = Px(0.8);
    for (int day = 1; day <= length; ++day) {
        const int slot = firstDay + day - 1;
        const int column = slot % 7, row = slot / 7;
        const QRectF cell = Cell(column, row).adjusted(gap, gap, -gap, -gap);
        p.setPen(QPen(QColor(120, 130, 160), Px(0.35)));
        p.setBrush(QColor(255, 255, 255));
        p.drawRoundedRect(cell, Px(1.5), Px(1.5));
        const QString number = QString::number(day);
        p.setFont(Fitted(number, Px(6.5), cell.width()));
        p.setPen(column == 6 ? kSunday : kInk);
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
        p.setPen(Qt::NoPen);
        p.setBrush(i == 6 ? kSunday : QColor(60, 80, 150));
        p.drawRoundedRect(box, box.height() / 2.5, box.height() / 2.5);
        p.setFont(Fitted(names[i], Px(4.2), box.width() - Px(1.6)));
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, names[i]);
    }
    p.end();
    return HardenEdges(image);
}

// ---- designs ----

struct Style {
    QString name;
    QString motif;
    QColor light;
    QColor strong;
    QStringList clipart;
};

void DrawFlower(QPainter& p, QPointF c, double r, const QColor& petal) {
    p.setPen(QPen(petal.darker(140), r * 0.06));
    p.setBrush(petal);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        p.drawEllipse(QPointF(c.x() + std::cos(a) * r * 0.55, c.y() + std::sin(a) * r * 0.55),
                      r * 0.42, r * 0.42);
    }
    p.setBrush(QColor(250, 210, 40));
    p.drawEllipse(c, r * 0.35, r * 0.35);
}

void DrawSun(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(QColor(240, 150, 20), r * 0.08, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(QPointF(c.x() + std::cos(a) * r * 0.75, c.y() + std::sin(a) * r * 0.75),
                   QPointF(c.x() + std::cos(a) * r * 1.05, c.y() + std::sin(a) * r * 1.05));
    }
    p.setBrush(QColor(255, 210, 40));
    p.drawEllipse(c, r * 0.6, r * 0.6);
}

void DrawLeaf(QPainter& p, QPointF c, double r, double turn, const QColor& colour) {
    p.save();
    p.translate(c);
    p.rotate(turn);
    QPainterPath leaf;
    leaf.moveTo(0, -r);
    leaf.cubicTo(r * 0.7, -r * 0.4, r * 0.6, r * 0.5, 0, r);
    leaf.cubicTo(-r * 0.6, r * 0.5, -r * 0.7, -r * 0.4, 0, -r);
    p.setPen(QPen(colour.darker(150), r * 0.06));
    p.setBrush(colour);
    p.drawPath(leaf);
    p.drawLine(QPointF(0, -r * 0.8), QPointF(0, r * 1.2));
    p.restore();
}

void DrawSnowflake(QPainter& p, QPointF c, double r, const QColor& colour) {
    p.setPen(QPen(colour, r * 0.09, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        const QPointF tip(c.x() + std::cos(a) * r, c.y() + std::sin(a) * r);
        p.drawLine(c, tip);
        for (double k : {0.45, 0.7}) {
            const QPointF mid(c.x() + std::cos(a) * r * k, c.y() + std::sin(a) * r * k);
            for (double side : {-0.6, 0.6}) {
                p.drawLine(mid, QPointF(mid.x() + std::cos(a + side) * r * 0.3,
                                        mid.y() + std::sin(a + side) * r * 0.3));
            }
        }
    }
}

void DrawBalloon(QPainter& p, QPointF c, double r, const QColor& colour) {
    p.setPen(QPen(QColor(90, 90, 90), r * 0.04));
    QPainterPath string;
    string.moveTo(c.x(), c.y() + r * 1.2);
    string.cubicTo(c.x() - r * 0.3, c.y() + r * 1.7, c.x() + r * 0.3, c.y() + r * 2.1, c.x(),
                   c.y() + r * 2.6);
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);
    p.setPen(QPen(colour.darker(150), r * 0.05));
    p.setBrush(colour);
    p.drawEllipse(QRectF(c.x() - r, c.y() - r * 1.2, 2 * r, 2.4 * r));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QRectF(c.x() - r * 0.6, c.y() - r * 0.8, r * 0.45, r * 0.7));
}

void DrawStar(QPainter& p, QPointF c, double r, const QColor& colour) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double k = (i % 2) ? 0.42 : 1.0;
        star << QPointF(c.x() + std::cos(a) * r * k, c.y() + std::sin(a) * r * k);
    }
    p.setPen(QPen(colour.darker(150), r * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPolygon(star);
}

void DrawPlanet(QPainter& p, QPointF c, double r, const QColor& colour) {
    p.setPen(QPen(colour.darker(160), r * 0.05));
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(250, 220, 120), r * 0.12));
    p.drawEllipse(c, r * 1.7, r * 0.45);
}

void DrawFish(QPainter& p, QPointF c, double r, const QColor& colour) {
    QPainterPath fish;
    fish.moveTo(c.x() - r, c.y());
    fish.cubicTo(c.x() - r * 0.4, c.y() - r * 0.8, c.x() + r * 0.6, c.y() - r * 0.6,
                 c.x() + r * 0.8, c.y());
    fish.cubicTo(c.x() + r * 0.6, c.y() + r * 0.6, c.x() - r * 0.4, c.y() + r * 0.8, c.x() - r,
                 c.y());
    fish.moveTo(c.x() + r * 0.7, c.y());
    fish.lineTo(c.x() + r * 1.3, c.y() - r * 0.5);
    fish.lineTo(c.x() + r * 1.3, c.y() + r * 0.5);
    fish.closeSubpath();
    p.setPen(QPen(colour.darker(150), r * 0.06));
    p.setBrush(colour);
    p.drawPath(fish);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(c.x() - r * 0.55, c.y() - r * 0.12), r * 0.13, r * 0.13);
}

void DrawPaw(QPainter& p, QPointF c, double r, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(c.x(), c.y() + r * 0.3), r * 0.55, r * 0.45);
    for (int i = 0; i < 4; ++i) {
        const double a = -M_PI / 2 + (i - 1.5) * 0.6;
        p.drawEllipse(QPointF(c.x() + std::cos(a) * r * 0.75, c.y() + std::sin(a) * r * 0.75),
                      r * 0.2, r * 0.25);
    }
}

void DrawMotif(QPainter& p, const Style& s, QPointF c, double r, int k) {
    static const QColor kBright[] = {QColor(240, 80, 120),  QColor(80, 160, 240),
                                     QColor(250, 190, 40),  QColor(120, 200, 90),
                                     QColor(170, 100, 220), QColor(250, 130, 50)};
    const QColor bright = kBright[k % 6];
    if (s.motif == QLatin1String("flower"))
        DrawFlower(p, c, r, bright);
    else if (s.motif == QLatin1String("sun"))
        k % 3 == 0 ? DrawSun(p, c, r) : DrawFish(p, c, r * 0.8, bright);
    else if (s.motif == QLatin1String("leaf"))
        DrawLeaf(p, c, r, k * 47.0,
                 k % 3 == 0 ? QColor(220, 120, 30)
                            : (k % 3 == 1 ? QColor(200, 60, 30) : QColor(230, 180, 40)));
    else if (s.motif == QLatin1String("snow"))
        DrawSnowflake(p, c, r, QColor(90, 150, 220));
    else if (s.motif == QLatin1String("balloon"))
        DrawBalloon(p, c, r * 0.7, bright);
    else if (s.motif == QLatin1String("star"))
        k % 4 == 0 ? DrawPlanet(p, c, r * 0.6, bright)
                   : DrawStar(p, c, r * 0.8, QColor(250, 210, 60));
    else if (s.motif == QLatin1String("fish"))
        DrawFish(p, c, r * 0.8, bright);
    else if (s.motif == QLatin1String("paw"))
        DrawPaw(p, c, r, s.strong);
    else
        DrawStar(p, c, r * 0.7, bright);
}

QImage Design(const Style& s, const QString& clipartRoot, bool& ok) {
    QImage image = Canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF page = image.rect();
    // The page: a tinted card with a bold rounded border.
    const double border = Px(2.2);
    p.setPen(QPen(s.strong, border));
    p.setBrush(s.light);
    p.drawRoundedRect(page.adjusted(border, border, -border, -border), Px(8), Px(8));
    // The panel behind the weekday names and the grid.
    p.setPen(QPen(s.strong.lighter(130), Px(0.6)));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(Px(QRectF(kColumnsLeftMm - 3, kWeekdayTopMm - 3, 7 * kColumnWidthMm + 6,
                                kGridTopMm + kRows * kRowHeightMm - kWeekdayTopMm + 5)),
                      Px(4), Px(4));
    // Motifs along the edges of the picture area.
    QRandomGenerator random(qHash(s.name));
    int k = 0;
    for (double x = 14; x < kCanvasWidthMm - 8; x += 22) {
        DrawMotif(p, s, QPointF(Px(x + random.bounded(4.0)), Px(88 + random.bounded(4.0))), Px(5.5),
                  k++);
    }
    for (QPointF corner : {QPointF(16, 14), QPointF(kCanvasWidthMm - 16, 14)})
        DrawMotif(p, s, Px(QRectF(corner, QSizeF(0, 0))).topLeft(), Px(8), k++);
    // The clip art of the theme, side by side in the picture area.
    const QRectF art = Px(QRectF(8, 24, kCanvasWidthMm - 16, 58));
    std::vector<QImage> pictures;
    double totalWidth = 0;
    for (const QString& name : s.clipart) {
        QImage picture = RenderSvg(QDir(clipartRoot).filePath(name), int(art.height() * 2));
        if (picture.isNull()) {
            std::fprintf(stderr, "cannot render %s\n", qPrintable(name));
            ok = false;
            continue;
        }
        picture = TrimTransparent(picture, 0);
        picture = picture.scaledToHeight(int(art.height()), Qt::SmoothTransformation);
        totalWidth += picture.width();
        pictures.push_back(picture);
    }
    if (!pictures.empty()) {
        const double gapBetween = Px(4) * double(pictures.size() - 1);
        const double scale = std::min(1.0, (art.width() - gapBetween) / totalWidth);
        double x = art.center().x() - (totalWidth * scale + gapBetween) / 2;
        for (const QImage& picture : pictures) {
            const QSizeF size = QSizeF(picture.size()) * scale;
            p.drawImage(QRectF(QPointF(x, art.bottom() - size.height()), size), picture);
            x += size.width() + Px(4);
        }
    }
    // The banner that holds the month title.
    const QRectF banner = Px(kTitleMm.adjusted(-4, -2.5, 4, 2.5));
    p.setPen(QPen(s.strong, Px(0.9)));
    p.setBrush(QColor(255, 255, 255));
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
    while (!in.atEnd()) {
        // Colours are written #rrggbb, so only whole lines are comments here.
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QRegularExpression(QStringLiteral("\\s+")));
        if (parts.size() < 4) {
            std::fprintf(stderr, "%s: expected: name motif light strong [clip art...]\n",
                         qPrintable(path));
            return false;
        }
        styles.push_back({QString(parts[0]).replace(QLatin1Char('_'), QLatin1Char(' ')), parts[1],
                          QColor(parts[2]), QColor(parts[3]), parts.mid(4)});
    }
    return true;
}

}  // namespace

bool BuildCalendars(const QString& stylesList, const QString& clipartRoot,
                    const QString& outFolder) {
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
    if (!ReadStyles(stylesList, styles))
        return false;
    for (const Style& s : styles) {
        const QImage design = Design(s, clipartRoot, ok);
        ok = WriteGraphicFile(out.filePath(names::DesignFile(s.name)), design, true, kResolution) &&
             ok;
    }
    return ok;
}

}  // namespace quenby::artwork
