#include "LibraryBuilder.h"

#include "ArtworkCanvas.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

namespace quenby::artwork {
namespace {

constexpr double kDefaultLongSideMm = 70;
constexpr std::uint8_t kDetailed = 1;  // 150 pixels per inch

struct Entry {
    QString name;
    QString svg;
    double longSideMm = kDefaultLongSideMm;
};

bool ReadList(const QString& path, std::vector<Entry>& entries) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    QTextStream in(&file);
    int lineNumber = 0;
    while (!in.atEnd()) {
        ++lineNumber;
        QString line = in.readLine();
        line = line.left(line.indexOf(QLatin1Char('#'))).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList parts = line.split(QRegularExpression(QStringLiteral("\\s+")));
        if (parts.size() < 2 || parts.size() > 3 || parts[0].front().isDigit()) {
            std::fprintf(stderr, "%s:%d: expected: name path.svg [mm]\n", qPrintable(path),
                         lineNumber);
            return false;
        }
        Entry e{parts[0], parts[1]};
        if (parts.size() == 3)
            e.longSideMm = parts[2].toDouble();
        entries.push_back(e);
    }
    return true;
}

}  // namespace

bool BuildLibrary(const QString& listFolder, const QString& clipartRoot, const QString& outFolder) {
    const QDir lists(listFolder);
    const QDir out(outFolder);
    bool ok = true;
    for (int category = 1; category <= 7; ++category) {
        std::vector<Entry> entries;
        if (!ReadList(lists.filePath(QStringLiteral("%1.txt").arg(category)), entries))
            return false;
        const QString folder = out.filePath(QString::number(category));
        QDir().mkpath(folder);
        for (const Entry& e : entries) {
            const QString svg = QDir(clipartRoot).filePath(e.svg);
            const QImage rendered = RenderSvg(svg, PixelsFor(e.longSideMm, kDetailed));
            const QImage picture =
                rendered.isNull() ? QImage() : TrimTransparent(HardenEdges(rendered), 2);
            if (picture.isNull()) {
                std::fprintf(stderr, "cannot render %s\n", qPrintable(svg));
                ok = false;
                continue;
            }
            ok = WriteGraphicFile(QDir(folder).filePath(e.name + QStringLiteral(".wxg")), picture,
                                  true, kDetailed) &&
                 ok;
        }
    }
    // The marker the program looks for on the artwork CD; a CD made from this folder
    // carries it. Its contents are never read.
    QFile marker(out.filePath(QStringLiteral("images.def")));
    if (!marker.open(QIODevice::WriteOnly) || marker.write("Craftbox picture library\n") < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(marker.fileName()));
        return false;
    }
    return ok && BuildWordPictures(outFolder);
}

namespace {

struct Words {
    int category;
    const char* name;     // without the language digit
    const char* text[2];  // Spanish (0), English (1)
    QColor fill;
    QColor edge;
    int shape;  // 0 ribbon banner, 1 rounded label, 2 heart, 3 star burst
};

const Words kWords[] = {
    {7,
     "cumpleanos",
     {"¡Feliz cumpleaños!", "Happy birthday!"},
     QColor(235, 60, 90),
     QColor(140, 20, 50),
     0},
    {7,
     "navidad",
     {"¡Feliz Navidad!", "Merry Christmas!"},
     QColor(30, 150, 70),
     QColor(200, 30, 40),
     0},
    {7,
     "felicidades",
     {"¡Felicidades!", "Congratulations!"},
     QColor(250, 180, 30),
     QColor(190, 90, 0),
     3},
    {4, "te_quiero", {"Te quiero", "I love you"}, QColor(230, 40, 70), QColor(130, 0, 30), 2},
    {5, "gracias", {"¡Gracias!", "Thank you!"}, QColor(60, 140, 230), QColor(20, 60, 140), 1},
    {5, "bienvenidos", {"¡Bienvenidos!", "Welcome!"}, QColor(120, 200, 80), QColor(40, 110, 30), 1},
    {7,
     "ano_nuevo",
     {"¡Feliz Año Nuevo!", "Happy New Year!"},
     QColor(110, 70, 200),
     QColor(240, 200, 40),
     0},
    {5, "fiesta", {"¡A la fiesta!", "Party time!"}, QColor(250, 120, 40), QColor(160, 50, 0), 3},
};

QPainterPath StarBurst(const QRectF& r, int points) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = M_PI * i / points;
        const double k = (i % 2) ? 0.82 : 1.0;
        const QPointF p(r.center().x() + std::cos(angle) * r.width() / 2 * k,
                        r.center().y() + std::sin(angle) * r.height() / 2 * k);
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Heart(const QRectF& r) {
    QPainterPath path;
    const double w = r.width(), h = r.height(), x = r.x(), y = r.y();
    path.moveTo(x + w / 2, y + h * 0.28);
    path.cubicTo(x + w * 0.5, y - h * 0.05, x, y - h * 0.02, x + w * 0.02, y + h * 0.35);
    path.cubicTo(x + w * 0.05, y + h * 0.62, x + w * 0.35, y + h * 0.78, x + w / 2, y + h);
    path.cubicTo(x + w * 0.65, y + h * 0.78, x + w * 0.95, y + h * 0.62, x + w * 0.98,
                 y + h * 0.35);
    path.cubicTo(x + w, y - h * 0.02, x + w * 0.5, y - h * 0.05, x + w / 2, y + h * 0.28);
    return path;
}

QImage DrawWords(const Words& w, const QString& text) {
    const int res = kDetailed;
    const bool tall = w.shape == 2 || w.shape == 3;
    const int width = PixelsFor(tall ? 80 : 120, res);
    const int height = PixelsFor(tall ? 70 : 40, res);
    QImage image = TransparentCanvas(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double line = PixelsFor(1.2, res);
    p.setPen(QPen(w.edge, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(w.fill);
    QRectF textBox;
    switch (w.shape) {
        case 0: {  // a ribbon with folded ends
            const double h = height * 0.62, top = (height - h) / 2, tail = width * 0.12;
            QPainterPath left, right;
            left.addPolygon(
                QPolygonF({QPointF(tail * 0.2, top + h * 0.25), QPointF(tail * 1.6, top + h * 0.25),
                           QPointF(tail * 1.6, top + h * 1.25), QPointF(tail * 0.2, top + h * 1.25),
                           QPointF(tail * 0.8, top + h * 0.75)}));
            right.addPolygon(QPolygonF({QPointF(width - tail * 0.2, top + h * 0.25),
                                        QPointF(width - tail * 1.6, top + h * 0.25),
                                        QPointF(width - tail * 1.6, top + h * 1.25),
                                        QPointF(width - tail * 0.2, top + h * 1.25),
                                        QPointF(width - tail * 0.8, top + h * 0.75)}));
            p.setBrush(w.fill.darker(130));
            p.drawPath(left.simplified());
            p.drawPath(right.simplified());
            p.setBrush(w.fill);
            textBox = QRectF(tail, top - h * 0.1, width - 2 * tail, h);
            p.drawRoundedRect(textBox, h * 0.15, h * 0.15);
            textBox.adjust(line * 3, 0, -line * 3, 0);
            break;
        }
        case 1:  // a rounded label
            textBox = QRectF(line, height * 0.15, width - 2 * line, height * 0.7);
            p.drawRoundedRect(textBox, textBox.height() / 2, textBox.height() / 2);
            textBox.adjust(textBox.height() * 0.4, 0, -textBox.height() * 0.4, 0);
            break;
        case 2:  // a heart
            p.drawPath(Heart(QRectF(line, line, width - 2 * line, height - 2 * line)));
            textBox = QRectF(width * 0.18, height * 0.25, width * 0.64, height * 0.35);
            break;
        default:  // a star burst
            p.drawPath(StarBurst(QRectF(line, line, width - 2 * line, height - 2 * line), 18));
            textBox = QRectF(width * 0.14, height * 0.3, width * 0.72, height * 0.4);
            break;
    }
    // The largest bold face that fits the box.
    QFont font(DrawingFamily(true));
    int size = int(textBox.height() * 0.7);
    for (; size > 6; size = size * 9 / 10) {
        font.setPixelSize(size);
        const QRectF need =
            QFontMetricsF(font).boundingRect(textBox, Qt::AlignCenter | Qt::TextWordWrap, text);
        if (need.width() <= textBox.width() && need.height() <= textBox.height())
            break;
    }
    font.setPixelSize(size);
    p.setFont(font);
    // Outlined white letters read well on every fill colour.
    QImage textLayer = TransparentCanvas(width, height);
    {
        QPainter t(&textLayer);
        t.setRenderHint(QPainter::Antialiasing);
        t.setFont(font);
        t.setPen(Qt::white);
        t.drawText(textBox, Qt::AlignCenter | Qt::TextWordWrap, text);
    }
    // A dark rim: the white text drawn offset in the edge colour first.
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            if (dx * dx + dy * dy > 5 || (dx == 0 && dy == 0))
                continue;
            QImage rim = textLayer;
            QPainter r(&rim);
            r.setCompositionMode(QPainter::CompositionMode_SourceIn);
            r.fillRect(rim.rect(), w.edge.darker(160));
            r.end();
            p.drawImage(dx * line * 0.5, dy * line * 0.5, rim);
        }
    p.drawImage(0, 0, textLayer);
    p.end();
    return TrimTransparent(HardenEdges(image), 2);
}

}  // namespace

bool BuildWordPictures(const QString& outFolder) {
    bool ok = true;
    for (const Words& w : kWords) {
        for (int language = 0; language < 2; ++language) {
            const QString folder = QDir(outFolder).filePath(QString::number(w.category));
            QDir().mkpath(folder);
            const QString name =
                QStringLiteral("%1%2.wxg").arg(language).arg(QLatin1String(w.name));
            ok = WriteGraphicFile(QDir(folder).filePath(name),
                                  DrawWords(w, QString::fromUtf8(w.text[language])), true,
                                  kDetailed) &&
                 ok;
        }
    }
    return ok;
}

}  // namespace quenby::artwork
