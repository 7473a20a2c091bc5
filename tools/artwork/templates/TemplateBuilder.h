#pragma once

#include <QJsonObject>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace quenby {

struct Document;

namespace templates {

// Builds a template document from its description: the layout (a card of one of
// the six folds, or a page set of so many sheets), the page colour, and the elements
// face by face with their places in millimetres from the face's top-left corner.
//
//   {"category": 1, "name": "0Feliz cumpleaños", "card": 5,
//    "paper": 1, "pageColour": "#FFF6E0",
//    "elements": [{"kind": "box", "face": 0, "at": [0, 0, 105, 148.5], "fill": "#FFD23F"},
//                 {"kind": "text", "at": [10, 12, 85, 0], "text": "¡Hola!", "colour": "#EF4B4B"},
//                 {"kind": "picture", "picture": "cake", "at": [20, 50, 65, 0]}]}
//
// A page set gives "pageSet": [across, down] and "orientation" (0 portrait, 1
// landscape) instead of "card". A width or height of 0 is worked out from the
// element's own proportions (the letters' outline, or the drawing). "{year}" in a
// text stands for the calendar year.
class TemplateBuilder {
public:
    // `pictures`: the folder of the template drawings (<name>.svg); `year`: the year
    // calendars show when their description does not name one.
    TemplateBuilder(QString pictures, int year, double pixelsPerMm);

    // Fills `doc` (emptied first). False, with the reasons in Errors(), when the
    // description is wrong: an unknown kind or picture, an element off its face, a
    // text too long for the text block, a full element list.
    bool Build(const QJsonObject& description, Document& doc);
    const QStringList& Errors() const { return errors_; }

    // The face size in millimetres of the document's layout.
    static QSizeF FaceSizeMm(const Document& doc);

private:
    bool AddElement(const QJsonObject& e, Document& doc, QSizeF face);
    void Fail(const QString& why) { errors_.append(why); }

    QString pictures_;
    int year_;
    double pixelsPerMm_;
    QStringList errors_;
};

}  // namespace templates
}  // namespace quenby
