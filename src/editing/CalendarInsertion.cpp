#include "editing/CalendarInsertion.h"

#include "document/Document.h"
#include "document/ElementOperations.h"
#include "editing/PictureChooser.h"
#include "graphics/CalendarArtwork.h"
#include "graphics/CalendarDate.h"
#include "platform/ArtworkLocations.h"
#include "platform/MessageBoxes.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <array>

namespace quenby {
namespace {

// The title's frame, in screen pixels per millimetre from the first corner: 50 mm to
// the right and 6.25 mm down, 65 mm wide and 13.25 mm high.
constexpr float kTitleRight = 200.0f;
constexpr float kTitleDown = 25.0f;
constexpr float kTitleWidth = 260.0f;
constexpr float kTitleHeight = 53.0f;

QString CalendarFile(const QString& name, const PictureContext& context) {
    return context.locations
        .ResolveArtworkPath(name, context.locations.calendarsLocal, ArtworkKind::Calendars)
        .value_or(QString());
}

ElementPtr NewElement(const Document& document, ElementKind kind, QPoint click,
                      const ElementOwner& view) {
    ElementPtr e = CreateElement(view, document.currentPage, kind, {click, click, click, click});
    e->selected = 0;
    return e;
}

// Loads one of the calendar's pictures; an empty path (no CD) is a picture that
// cannot be loaded.
void LoadCalendarPicture(Element& element, const QString& path, const PictureContext& context) {
    if (path.isEmpty()) {
        context.messages.Show(ResourceString(str::kPictureNotLoaded),
                              ResourceString(str::kErrorCaption));
        return;
    }
    LoadPictureIntoElement(element, path, context.pixelsPerMm, context.messages);
}

}  // namespace

CalendarPictures CalendarPicturePaths(const CalendarChoice& choice,
                                      const PictureContext& context) {
    return {
        CalendarFile(calendar_artwork::DesignFile(choice.design), context),
        CalendarFile(calendar_artwork::MonthGridFileFor(choice.month, choice.year), context),
        CalendarFile(calendar_artwork::WeekdayNamesFile(context.language), context),
    };
}

QString CalendarTitle(int month, int year) {
    const CalendarDate date(1, month, year);
    return QStringLiteral("%1 %2").arg(ResourceString(str::kJanuary + date.Month() - 1),
                                       QString::number(date.Year()));
}

bool InsertCalendar(Document& document, QPoint click, const ElementOwner& view,
                    const CalendarChoice& choice, const PictureContext& context,
                    const std::function<void()>& takeSnapshot) {
    if (!document.elements.HasRoomForCalendar()) {
        context.messages.Warn(str::kNoRoomText, str::kNoRoomCaption);
        return false;
    }
    if (takeSnapshot) {
        takeSnapshot();
    }
    const CalendarPictures paths = CalendarPicturePaths(choice, context);
    const std::uint16_t group = document.NextGroupId();

    ElementPtr design = NewElement(document, ElementKind::Picture, click, view);
    design->groupId = group;
    ElementPtr grid = NewElement(document, ElementKind::Picture, click, view);
    grid->groupMember = group;
    ElementPtr weekdays = NewElement(document, ElementKind::Picture, click, view);
    weekdays->groupMember = group;
    // The artwork check of the design's chooser, made once for all three pictures: a
    // CD taken out while the dialog was open is reported once, not per picture.
    const bool reachable = context.locations.calendarsLocal ||
                           context.locations.CheckArtworkReachable(context.messages);
    if (reachable) {
        LoadCalendarPicture(*design, paths.design, context);
        LoadCalendarPicture(*grid, paths.monthGrid, context);
        LoadCalendarPicture(*weekdays, paths.weekdayNames, context);
    }

    ElementPtr title = NewElement(document, ElementKind::Text, click, view);
    title->groupMember = group;
    const float p = context.pixelsPerMm;
    const DocPoint first = title->corners[0];
    std::array<DocPoint, 4>& c = title->corners;
    c[0] = {first.x + kTitleRight * p, first.y + kTitleDown * p};
    c[1] = {c[0].x + kTitleWidth * p, c[0].y};
    c[2] = {c[1].x, c[0].y + kTitleHeight * p};
    c[3] = {c[0].x, c[2].y};
    title->text->SetText(CalendarTitle(choice.month, choice.year));

    // Room for all four was checked above, so none of these is refused.
    for (ElementPtr* e : {&design, &grid, &weekdays, &title}) {
        document.elements.Append(std::move(*e));
    }
    return true;
}

}  // namespace quenby
