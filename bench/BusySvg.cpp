#include "BusySvg.h"

#include "document/Document.h"
#include "document/Element.h"
#include "document/ElementGeometry.h"
#include "document/TextBlock.h"
#include "graphics/TransparentPicture.h"
#include "platform/Dib.h"
#include "print/SheetLayout.h"

#include <QBuffer>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdlib>

namespace quenby::bench {
namespace {

constexpr int kTransparentIndex = 255;
// A4 at 96 pixels an inch, the unit of the document's coordinates.
const QSize kSheet(794, 1123);

QString Colour(ColourRef c) {
    return ToQColor(c).name();
}

QString Number(double v) {
    return QString::number(v, 'f', 2);
}

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

class SvgWriter {
public:
    QByteArray Write(const Document& doc) {
        QString body;
        for (const FacePlacement& placement : SheetPlacements(doc, 1, false, kSheet)) {
            QString transform = QStringLiteral("translate(%1 %2)")
                                    .arg(placement.origin.x())
                                    .arg(placement.origin.y());
            if (placement.turned) {
                // The centre is given in sheet pixels from the face's origin.
                transform += QStringLiteral(" rotate(180 %1 %2)")
                                 .arg(placement.turnCentre.x())
                                 .arg(placement.turnCentre.y());
            }
            // Document units are a quarter of a pixel at 100 %.
            body += QStringLiteral("<g transform=\"%1 scale(0.25)\">\n").arg(transform);
            for (const Element& e : doc.elements) {
                if (e.page == placement.face) {
                    body += ElementSvg(e);
                }
            }
            body += QStringLiteral("</g>\n");
        }
        QString svg = QStringLiteral(
                          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                          "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"210mm\" "
                          "height=\"297mm\" viewBox=\"0 0 %1 %2\">\n<defs>\n")
                          .arg(kSheet.width())
                          .arg(kSheet.height());
        svg += defs_ + QStringLiteral("</defs>\n") + body + QStringLiteral("</svg>\n");
        return svg.toUtf8();
    }

private:
    // A paint for a fill: the colour, or a gradient defined once for this use.
    QString Paint(std::uint16_t style, ColourRef from, ColourRef to, int angle, int cx, int cy) {
        if (style != kLinearGradient && style != kRadialGradient) {
            return Colour(from);
        }
        const QString id = QStringLiteral("g%1").arg(++gradients_);
        const QString stops = QStringLiteral("<stop offset=\"0\" stop-color=\"%1\"/>"
                                             "<stop offset=\"1\" stop-color=\"%2\"/>")
                                  .arg(Colour(from), Colour(to));
        if (style == kLinearGradient) {
            defs_ += QStringLiteral("<linearGradient id=\"%1\" gradientTransform=\"rotate(%2 .5 "
                                    ".5)\">%3</linearGradient>\n")
                         .arg(id)
                         .arg(-angle)
                         .arg(stops);
        } else {
            defs_ += QStringLiteral("<radialGradient id=\"%1\" cx=\"%2\" cy=\"%3\" r=\"0.75\">"
                                    "%4</radialGradient>\n")
                         .arg(id, Number(cx / 100.0), Number(cy / 100.0), stops);
        }
        return QStringLiteral("url(#%1)").arg(id);
    }

    QString Stroke(bool on, ColourRef colour, int width) {
        if (!on) {
            return QStringLiteral(" stroke=\"none\"");
        }
        return QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"").arg(Colour(colour)).arg(width);
    }

    QString ElementSvg(const Element& e) {
        const ElementBox b = RawBounds(e);
        const QString fill = e.fillOn ? Paint(e.fillStyle, e.fillColour, e.fillColour2,
                                              e.gradientAngle, e.gradientCentreX,
                                              e.gradientCentreY)
                                      : QStringLiteral("none");
        const QString stroke = Stroke(e.outlineOn, e.outlineColour, e.outlineWidth);
        switch (e.kind) {
            case ElementKind::Box:
                return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                                      "fill=\"%5\"%6/>\n")
                    .arg(Number(b.left), Number(b.top), Number(b.right - b.left),
                         Number(b.bottom - b.top), fill, stroke);
            case ElementKind::Ellipse:
                return QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" "
                                      "fill=\"%5\"%6/>\n")
                    .arg(Number((b.left + b.right) / 2), Number((b.top + b.bottom) / 2),
                         Number((b.right - b.left) / 2), Number((b.bottom - b.top) / 2), fill,
                         stroke);
            case ElementKind::Line:
                return QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"%5/>\n")
                    .arg(Number(e.corners[0].x), Number(e.corners[0].y),
                         Number(e.corners[1].x), Number(e.corners[1].y), stroke);
            case ElementKind::Picture:
                return PictureSvg(e, b);
            case ElementKind::Text:
            case ElementKind::CircularText:
                return e.text ? TextSvg(e, b) : QString();
            default:
                return {};
        }
    }

    // Each picture once, as a PNG of its own pixels with the transparent ones clear.
    QString PictureId(const Dib& picture) {
        const QByteArray key(reinterpret_cast<const char*>(picture.Packed().data()),
                             qsizetype(picture.Packed().size()));
        const auto found = pictures_.constFind(key);
        if (found != pictures_.constEnd()) {
            return *found;
        }
        const QRect whole(0, 0, picture.Width(), std::abs(picture.Height()));
        QImage image = MaskedPicture(picture, kTransparentIndex, false, whole);
        if (image.isNull()) {
            image = picture.ToImage();
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        const QString id = QStringLiteral("p%1").arg(pictures_.size());
        defs_ += QStringLiteral("<image id=\"%1\" width=\"%2\" height=\"%3\" "
                                "xlink:href=\"data:image/png;base64,%4\"/>\n")
                     .arg(id)
                     .arg(whole.width())
                     .arg(whole.height())
                     .arg(QString::fromLatin1(png.toBase64()));
        pictures_.insert(key, id);
        return id;
    }

    QString PictureSvg(const Element& e, const ElementBox& b) {
        if (!e.picture || e.picture->Width() <= 0 || e.picture->Height() == 0) {
            return {};
        }
        const double w = e.picture->Width(), h = std::abs(e.picture->Height());
        QString transform = QStringLiteral("translate(%1 %2) scale(%3 %4)")
                                .arg(Number(b.left), Number(b.top))
                                .arg((b.right - b.left) / w, 0, 'g', 6)
                                .arg((b.bottom - b.top) / h, 0, 'g', 6);
        if (e.halfTurned) {
            transform += QStringLiteral(" rotate(180 %1 %2)").arg(Number(w / 2), Number(h / 2));
        }
        return QStringLiteral("<use xlink:href=\"#%1\" transform=\"%2\"/>\n")
            .arg(PictureId(*e.picture), transform);
    }

    QString TextSvg(const Element& e, const ElementBox& b) {
        const TextBlock& t = *e.text;
        // The letters fill their frame, as the program stretches them to it: the lines
        // share its height, and each line spans its width.
        const QStringList lines = t.Text().split(QStringLiteral("\r\n"));
        const bool circular = e.kind == ElementKind::CircularText;
        const double radius = std::max(1.0, double(e.corners[2].x - e.corners[0].x));
        const int size = std::max(1, int(circular ? radius / 4
                                                  : (b.bottom - b.top) / lines.size() / 1.2));
        const QString font = QStringLiteral(" font-family=\"%1\" font-size=\"%2\" font-weight=\"%3\"")
                                 .arg(Escaped(t.font.Face()))
                                 .arg(size)
                                 .arg(t.font.weight >= 600 ? QStringLiteral("bold")
                                                           : QStringLiteral("normal"));
        const QString fill = t.fillOn ? Paint(t.fillStyle, t.fillColour, t.fillColour2,
                                              t.gradientAngle, 50, 50)
                                      : QStringLiteral("none");
        const QString stroke = Stroke(t.outlineOn, t.outlineColour, t.outlineWidth);
        QString content;
        if (circular) {
            const DocPoint c = e.corners[0];
            const double r = radius;
            const QString path = QStringLiteral("c%1").arg(++circles_);
            defs_ += QStringLiteral("<path id=\"%1\" d=\"M %2 %3 a %4 %4 0 1 1 %5 0 a %4 %4 0 1 1 "
                                    "%6 0\"/>\n")
                         .arg(path, Number(c.x - r), Number(c.y), Number(r), Number(2 * r),
                              Number(-2 * r));
            content = QStringLiteral("<textPath xlink:href=\"#%1\">%2</textPath>")
                          .arg(path, Escaped(t.Text().simplified()));
        } else {
            for (int i = 0; i < lines.size(); ++i) {
                content += QStringLiteral("<tspan x=\"%1\" dy=\"%2\" textLength=\"%3\" "
                                          "lengthAdjust=\"spacingAndGlyphs\">%4</tspan>")
                               .arg(Number(b.left),
                                    i == 0 ? QStringLiteral("1em") : QStringLiteral("1.2em"),
                                    Number(b.right - b.left), Escaped(lines[i]));
            }
        }
        const QString at = QStringLiteral(" x=\"%1\" y=\"%2\"").arg(Number(b.left), Number(b.top));
        QString svg;
        if (t.shadowOn) {
            svg += QStringLiteral("<text%1%2 fill=\"%3\" transform=\"translate(%4 %5)\">%6</text>\n")
                       .arg(at, font, Colour(t.shadowColour))
                       .arg(t.shadowDx)
                       .arg(t.shadowDy)
                       .arg(content);
        }
        svg += QStringLiteral("<text%1%2 fill=\"%3\"%4>%5</text>\n").arg(at, font, fill, stroke, content);
        return svg;
    }

    QString defs_;
    QHash<QByteArray, QString> pictures_;
    int gradients_ = 0;
    int circles_ = 0;
};

}  // namespace

QByteArray CardSheetSvg(const Document& doc) {
    return SvgWriter().Write(doc);
}

}  // namespace quenby::bench
