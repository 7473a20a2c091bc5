#include "TemplateBuilder.h"

#include "TemplatePictures.h"

#include "document/Document.h"
#include "document/ElementOperations.h"
#include "graphics/FontMapping.h"
#include "platform/Dib.h"

#include <QColor>
#include <QFontMetricsF>
#include <QJsonArray>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace quenby::templates {
namespace {

// Paper sizes in millimetres, portrait, by paper index.
constexpr std::array<QSizeF, kPaperSizeCount> kPaperMm{
    {{297, 420}, {210, 297}, {148, 210}, {215.9, 279.4}, {110, 220}, {114, 162}, {100, 100}}};

// Elements may stand a little over the edge of their face (a bleed), not more.
constexpr double kBleedMm = 3.0;
// Pictures are drawn at about this many pixels per millimetre, and never larger than
// kMaxPictureSide pixels a side, so templates stay small files.
constexpr double kPicturePixelsPerMm = 4.0;
constexpr int kMaxPictureSide = 480;

ColourRef Colour(const QJsonValue& v, ColourRef fallback) {
    if (!v.isString()) {
        return fallback;
    }
    const QColor c(v.toString());
    return c.isValid() ? FromQColor(c) : fallback;
}

std::uint16_t Alignment(const QString& name) {
    if (name == QLatin1String("left"))
        return 1;
    if (name == QLatin1String("right"))
        return 3;
    return 2;
}

// The outline of the letters as the text drawing lays them out: line i at i × the
// height of "Hg", each line placed by the alignment. Its box is what the drawing
// stretches into the element's frame, so its proportions are the undistorted ones.
QRectF LetterBox(const TextBlock& block) {
    const QFont font = MapLogFont(block.font);
    const QFontMetricsF metrics(font);
    const QStringList lines = block.Text().split(QStringLiteral("\r\n"));
    double widest = 0;
    for (const QString& l : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(l));
    }
    QPainterPath path;
    const double h = metrics.height();
    for (int i = 0; i < lines.size(); ++i) {
        const double width = metrics.horizontalAdvance(lines[i]);
        double x = 0;
        if (block.alignment == 2)
            x = std::floor(widest / 2) - std::floor(width / 2);
        else if (block.alignment == 3)
            x = widest - width;
        path.addText(QPointF(x, i * h + metrics.ascent()), font, lines[i]);
    }
    return path.boundingRect();
}

}  // namespace

TemplateBuilder::TemplateBuilder(QString pictures, int year, double pixelsPerMm)
    : pictures_(std::move(pictures)), year_(year), pixelsPerMm_(pixelsPerMm) {}

QSizeF TemplateBuilder::FaceSizeMm(const Document& doc) {
    QSizeF sheet = kPaperMm[std::min<std::size_t>(doc.paperSize, kPaperMm.size() - 1)];
    if (doc.orientation == 1) {
        sheet.transpose();
    }
    if (doc.isCard == kCard) {
        switch (doc.cardType) {
            case 0:
                return {sheet.width(), sheet.height() / 2};
            case 1:
                return {sheet.width() / 2, sheet.height()};
            default:
                return {sheet.width() / 2, sheet.height() / 2};
        }
    }
    return {sheet.width() * doc.tilesAcross, sheet.height() * doc.tilesDown};
}

bool TemplateBuilder::Build(const QJsonObject& d, Document& doc) {
    errors_.clear();
    doc.elements.Clear();
    doc.paperSize = std::uint16_t(std::clamp(d.value(QStringLiteral("paper")).toInt(1), 0, 6));
    if (d.contains(QStringLiteral("card"))) {
        const int fold = d.value(QStringLiteral("card")).toInt(-1);
        if (fold < 0 || fold >= kCardTypeCount) {
            Fail(QStringLiteral("unknown fold"));
            return false;
        }
        doc.ChooseCardType(fold);
    } else {
        const QJsonArray tiles = d.value(QStringLiteral("pageSet")).toArray();
        doc.isCard = kPageSet;
        doc.cardType = 3;
        doc.currentPage = 0;
        doc.tilesAcross = std::uint16_t(std::clamp(tiles.at(0).toInt(1), 1, kMaxTiles));
        doc.tilesDown = std::uint16_t(std::clamp(tiles.at(1).toInt(1), 1, kMaxTiles));
        doc.orientation = std::uint16_t(d.value(QStringLiteral("orientation")).toInt(0) == 1);
    }
    doc.pageColour = Colour(d.value(QStringLiteral("pageColour")), kWhite);
    doc.printFoldLines = doc.isCard == kCard;
    const QSizeF face = FaceSizeMm(doc);
    for (const QJsonValue& v : d.value(QStringLiteral("elements")).toArray()) {
        if (!AddElement(v.toObject(), doc, face)) {
            return false;
        }
    }
    doc.modified = false;
    return errors_.isEmpty();
}

bool TemplateBuilder::AddElement(const QJsonObject& e, Document& doc, QSizeF face) {
    const QString kind = e.value(QStringLiteral("kind")).toString();
    const int page = e.value(QStringLiteral("face")).toInt(0);
    if (page < 0 || page >= kFaceCount || (doc.isCard != kCard && page != 0)) {
        Fail(QStringLiteral("%1: no face %2").arg(kind).arg(page));
        return false;
    }
    if (!doc.elements.HasRoom()) {
        Fail(QStringLiteral("too many elements"));
        return false;
    }
    const QJsonArray at = e.value(QStringLiteral("at")).toArray();
    double x = at.at(0).toDouble(), y = at.at(1).toDouble();
    double w = at.at(2).toDouble(), h = at.at(3).toDouble();
    const double unitsPerMm = 4.0 * pixelsPerMm_;
    auto corner = [&](double mx, double my) {
        return DocPoint{float(mx * unitsPerMm), float(my * unitsPerMm)};
    };

    ElementPtr el;
    auto make = [&](ElementKind k) {
        el = CreateBlankElement();
        el->kind = k;
        el->page = std::uint8_t(page);
        el->outlineOn = 0;
        el->fillColour2 = kWhite;
        el->gradientCentreX = 50;
        el->gradientCentreY = 50;
        if (HasTextBlock(k)) {
            el->text = std::make_unique<TextBlock>();
        }
    };
    auto outline = [&](const QJsonValue& v) {
        if (v.isString()) {
            el->outlineOn = 1;
            el->outlineColour = Colour(v, kBlack);
            el->outlineWidth =
                std::uint8_t(std::clamp(e.value(QStringLiteral("width")).toInt(2), 1, 20));
        }
    };
    auto letters = [&]() -> bool {
        TextBlock& t = *el->text;
        QString text = e.value(QStringLiteral("text")).toString();
        text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        text.replace(QStringLiteral("{year}"), QString::number(year_));
        if (text.isEmpty() || text.size() >= int(TextBlock::kCharsSize)) {
            Fail(QStringLiteral("text empty or too long"));
            return false;
        }
        t.SetText(text);
        if (t.Text() != text) {
            Fail(QStringLiteral("text has characters outside Windows-1252: %1").arg(text));
            return false;
        }
        t.alignment = Alignment(e.value(QStringLiteral("align")).toString());
        t.font.height = -100;
        t.font.weight = e.value(QStringLiteral("bold")).toBool(true) ? 700 : 400;
        t.font.italic = e.value(QStringLiteral("italic")).toBool(false) ? 1 : 0;
        t.font.SetFace(e.value(QStringLiteral("font")).toString(QStringLiteral("DejaVu Sans")));
        t.fillOn = 1;
        t.fillColour = Colour(e.value(QStringLiteral("colour")), kBlack);
        t.fillColour2 = Colour(e.value(QStringLiteral("colour2")), t.fillColour);
        t.fillStyle = e.contains(QStringLiteral("colour2")) ? 1 : 0;
        t.gradientAngle = std::uint16_t(e.value(QStringLiteral("angle")).toInt(90));
        if (e.value(QStringLiteral("outline")).isString()) {
            t.outlineOn = 1;
            t.outlineColour = Colour(e.value(QStringLiteral("outline")), kBlack);
            t.outlineWidth = std::uint8_t(e.value(QStringLiteral("width")).toInt(1));
        }
        if (e.value(QStringLiteral("shadow")).isString()) {
            t.shadowOn = 1;
            t.shadowColour = Colour(e.value(QStringLiteral("shadow")), kGrey);
            t.shadowDx = t.shadowDy = 6;
        }
        return true;
    };

    if (kind == QLatin1String("box") || kind == QLatin1String("ellipse")) {
        make(kind == QLatin1String("box") ? ElementKind::Box : ElementKind::Ellipse);
        if (e.value(QStringLiteral("fill")).isString()) {
            el->fillOn = 1;
            el->fillColour = Colour(e.value(QStringLiteral("fill")), kWhite);
            el->fillColour2 = Colour(e.value(QStringLiteral("fill2")), el->fillColour);
            const QString g = e.value(QStringLiteral("gradient")).toString();
            el->fillStyle = g == QLatin1String("linear")   ? kLinearGradient
                            : g == QLatin1String("radial") ? kRadialGradient
                                                           : kSingleColour;
            el->gradientAngle = std::uint16_t(e.value(QStringLiteral("angle")).toInt(90));
        }
        outline(e.value(QStringLiteral("outline")));
    } else if (kind == QLatin1String("line")) {
        make(ElementKind::Line);
        const QJsonArray to = e.value(QStringLiteral("to")).toArray();
        w = to.at(0).toDouble() - x;
        h = to.at(1).toDouble() - y;
        el->outlineOn = 1;
        el->outlineColour = Colour(e.value(QStringLiteral("colour")), kBlack);
        el->outlineWidth =
            std::uint8_t(std::clamp(e.value(QStringLiteral("width")).toInt(2), 1, 20));
    } else if (kind == QLatin1String("text")) {
        make(ElementKind::Text);
        if (!letters()) {
            return false;
        }
        const QRectF box = LetterBox(*el->text);
        if (box.isEmpty()) {
            Fail(QStringLiteral("text without letters"));
            return false;
        }
        if (h <= 0)
            h = w * box.height() / box.width();
        if (w <= 0)
            w = h * box.width() / box.height();
        outline(e.value(QStringLiteral("frame")));
        if (e.value(QStringLiteral("back")).isString()) {
            el->fillOn = 1;
            el->fillColour = el->fillColour2 = Colour(e.value(QStringLiteral("back")), kWhite);
        }
    } else if (kind == QLatin1String("circle")) {
        make(ElementKind::CircularText);
        if (!letters()) {
            return false;
        }
        // The centre, and the outer radius: the letters stand between half the radius
        // and the radius, over the top of the circle.
        const double r = e.value(QStringLiteral("radius")).toDouble();
        el->corners = {corner(x, y), corner(x + r / 2, y), corner(x + r, y), corner(x - r / 2, y)};
        if (r <= 0 || x - r < -kBleedMm || x + r > face.width() + kBleedMm || y - r < -kBleedMm ||
            y > face.height() + kBleedMm) {
            Fail(QStringLiteral("circular text off its face: %1").arg(el->text->Text()));
            return false;
        }
        el->selected = 0;
        doc.elements.Append(std::move(el));
        return true;
    } else if (kind == QLatin1String("picture") || kind == QLatin1String("month")) {
        make(ElementKind::Picture);
        std::unique_ptr<Dib> picture;
        if (kind == QLatin1String("picture")) {
            const QString path = pictures_ + QLatin1Char('/') +
                                 e.value(QStringLiteral("picture")).toString() +
                                 QStringLiteral(".svg");
            const double aspect = DrawingAspect(path);
            if (aspect <= 0) {
                Fail(QStringLiteral("no drawing %1").arg(path));
                return false;
            }
            if (h <= 0)
                h = w / aspect;
            if (w <= 0)
                w = h * aspect;
            const double scale = std::min(kPicturePixelsPerMm, kMaxPictureSide / std::max(w, h));
            picture = DrawingPicture(path, QSize(int(w * scale), int(h * scale)));
            el->transparent = 1;
        } else {
            MonthStyle style;
            if (e.value(QStringLiteral("head")).isString()) {
                style.head = QColor(e.value(QStringLiteral("head")).toString()).rgb() & 0xFFFFFF;
            }
            if (e.value(QStringLiteral("cells")).isString()) {
                style.cells = QColor(e.value(QStringLiteral("cells")).toString()).rgb() & 0xFFFFFF;
            }
            const int year = e.value(QStringLiteral("year")).toInt(year_);
            const int month = e.value(QStringLiteral("month")).toInt(1);
            const double scale = std::min(6.0, 900.0 / std::max(w, h));
            picture = MonthPicture(year, month, QSize(int(w * scale), int(h * scale)), style);
            el->transparent = 0;
        }
        if (!picture) {
            Fail(QStringLiteral("picture could not be drawn"));
            return false;
        }
        el->picture = std::move(picture);
        outline(e.value(QStringLiteral("outline")));
    } else {
        Fail(QStringLiteral("unknown kind '%1'").arg(kind));
        return false;
    }

    const double left = std::min(x, x + w), right = std::max(x, x + w);
    const double top = std::min(y, y + h), bottom = std::max(y, y + h);
    if (left < -kBleedMm || top < -kBleedMm || right > face.width() + kBleedMm ||
        bottom > face.height() + kBleedMm ||
        (kind != QLatin1String("line") && (w <= 0 || h <= 0))) {
        Fail(QStringLiteral("%1 off its face (%2 x %3 mm): %4, %5, %6, %7")
                 .arg(kind)
                 .arg(face.width())
                 .arg(face.height())
                 .arg(x)
                 .arg(y)
                 .arg(w)
                 .arg(h));
        return false;
    }
    if (kind == QLatin1String("line")) {
        el->corners = {corner(x, y), corner(x + w, y + h), corner(x + w, y + h), corner(x, y + h)};
    } else {
        el->corners = {corner(x, y), corner(x + w, y), corner(x + w, y + h), corner(x, y + h)};
    }
    el->selected = 0;
    doc.elements.Append(std::move(el));
    return true;
}

}  // namespace quenby::templates
