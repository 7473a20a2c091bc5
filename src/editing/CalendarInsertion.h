#pragma once

#include <QPoint>
#include <QString>

#include <functional>

namespace quenby {

class ElementOwner;
struct Document;
struct PictureContext;

// What the calendar dialog asks for: one month of one year in one design.
struct CalendarChoice {
    int month = 1;  // 1..12
    int year = 2000;
    QString design;  // a name of the design list, without ".wxg"
};

// The full paths of a calendar's three pictures; empty where the artwork CD holding
// them cannot be found.
struct CalendarPictures {
    QString design;
    QString monthGrid;
    QString weekdayNames;
};
CalendarPictures CalendarPicturePaths(const CalendarChoice& choice, const PictureContext& context);

// "Febrero 2000": the month's name, a space and the year.
QString CalendarTitle(int month, int year);

// Adds a calendar at `click` (a device point, converted by `view` as every new
// element's corners are) on the document's current face: four unselected elements
// in the first free slots, bottom to top the design, the month grid, the weekday
// names and the title text, grouped under a new group id led by the design.
//
// Contract with the caller (the calendar tool):
// - Room is checked first: with fewer than four free slots the message 8006/8007 is
//   shown, nothing changes and false is returned.
// - Otherwise `takeSnapshot` is called once, before the first change, so that the
//   insertion can be undone; the caller marks the document modified and repaints.
// - A picture that cannot be loaded stays empty after its message; the calendar is
//   inserted all the same and true is returned.
// - Nothing else in the list is touched: the tool unselects the other elements.
bool InsertCalendar(Document& document, QPoint click, const ElementOwner& view,
                    const CalendarChoice& choice, const PictureContext& context,
                    const std::function<void()>& takeSnapshot);

}  // namespace quenby
