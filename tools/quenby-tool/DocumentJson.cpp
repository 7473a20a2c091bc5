#include "DocumentJson.h"

#include "document/Document.h"

#include <QJsonArray>

#include <span>

namespace quenby::tool {
namespace {

QString Hex(std::span<const std::uint8_t> bytes) {
    QString out;
    out.reserve(qsizetype(bytes.size() * 2));
    for (std::uint8_t b : bytes) {
        out += QString::number(b >> 4, 16);
        out += QString::number(b & 0xF, 16);
    }
    return out;
}

QJsonObject FontToJson(const LogFont& f) {
    return QJsonObject{
        {"height", f.height},
        {"width", f.width},
        {"escapement", f.escapement},
        {"orientation", f.orientation},
        {"weight", f.weight},
        {"italic", f.italic},
        {"underline", f.underline},
        {"strikeOut", f.strikeOut},
        {"charSet", f.charSet},
        {"outPrecision", f.outPrecision},
        {"clipPrecision", f.clipPrecision},
        {"quality", f.quality},
        {"pitchAndFamily", f.pitchAndFamily},
        {"faceName", f.Face()},
    };
}

QJsonObject TextToJson(const TextBlock& t) {
    return QJsonObject{
        {"alignment", t.alignment},
        {"font", FontToJson(t.font)},
        {"chars", t.Text()},
        {"fillColour", qint64(t.fillColour)},
        {"fillColour2", qint64(t.fillColour2)},
        {"outlineColour", qint64(t.outlineColour)},
        {"fillStyle", t.fillStyle},
        {"gradientAngle", t.gradientAngle},
        {"outlineOn", t.outlineOn},
        {"outlineWidth", t.outlineWidth},
        {"fillOn", t.fillOn},
        {"circleTurned", t.circleTurned},
        {"shadowOn", t.shadowOn},
        {"shadowDx", t.shadowDx},
        {"shadowDy", t.shadowDy},
        {"shadowColour", qint64(t.shadowColour)},
        {"reserved", Hex(t.reserved)},
        {"gradientCentreX", t.gradientCentreX},
        {"gradientCentreY", t.gradientCentreY},
    };
}

QJsonObject ElementToJson(const Element& e) {
    QJsonArray corners;
    for (const DocPoint& c : e.corners) {
        corners.append(QJsonArray{double(c.x), double(c.y)});
    }
    QJsonObject o{
        {"kind", int(e.kind)},
        {"corners", corners},
        {"page", e.page},
        {"outlineOn", e.outlineOn},
        {"outlineWidth", e.outlineWidth},
        {"outlineColour", qint64(e.outlineColour)},
        {"fillOn", e.fillOn},
        {"fillColour", qint64(e.fillColour)},
        {"fillColour2", qint64(e.fillColour2)},
        {"fillStyle", e.fillStyle},
        {"gradientAngle", e.gradientAngle},
        {"gradientCentreX", e.gradientCentreX},
        {"gradientCentreY", e.gradientCentreY},
        {"transparent", e.transparent},
        {"groupId", e.groupId},
        {"groupMember", e.groupMember},
        {"reserved", Hex(e.reserved)},
    };
    if (e.kind == ElementKind::Picture) {
        o.insert("picture", e.picture ? QJsonValue(QJsonObject{{"width", e.picture->Width()},
                                                               {"height", e.picture->Height()},
                                                               {"bitCount", e.picture->BitCount()}})
                                      : QJsonValue(QJsonValue::Null));
    }
    if (HasTextBlock(e.kind) && e.text) {
        o.insert("text", TextToJson(*e.text));
    }
    return o;
}

}  // namespace

QJsonObject DocumentToJson(const Document& doc) {
    QJsonArray elements;
    for (const Element& e : doc.elements) {
        elements.append(ElementToJson(e));
    }
    return QJsonObject{
        {"cardType", doc.cardType},
        {"tilesAcross", doc.tilesAcross},
        {"tilesDown", doc.tilesDown},
        {"isCard", doc.isCard},
        {"currentPage", doc.currentPage},
        {"viewSwitchA", doc.viewSwitchA},
        {"gridSpacingX", doc.gridSpacingX},
        {"gridSpacingY", doc.gridSpacingY},
        {"snapToGrid", doc.snapToGrid},
        {"originX", doc.originX},
        {"originY", doc.originY},
        {"orientation", doc.orientation},
        {"showMargins", doc.showMargins},
        {"paperSize", doc.paperSize},
        {"pageColour", qint64(doc.pageColour)},
        {"printFoldLines", doc.printFoldLines},
        {"lastGroupId", doc.lastGroupId},
        {"elements", elements},
    };
}

}  // namespace quenby::tool
