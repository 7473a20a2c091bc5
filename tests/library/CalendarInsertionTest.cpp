// Inserting a calendar: the four elements, their group, their artwork and the title.
#include "document/Document.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "editing/CalendarInsertion.h"
#include "platform/ResourceStrings.h"

#include "LibraryTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quenby {
namespace {

// Calendar artwork whose pictures tell apart by their widths.
struct CalendarArt : test::ArtworkFolder {
    CalendarArt() {
        Put(QStringLiteral("Calendars/styles/flores.wxg"), test::PictureFile(300, 200, 1, true));
        Put(QStringLiteral("Calendars/months/129.wxg"), test::PictureFile(210, 150, 1, false));
        Put(QStringLiteral("Calendars/0daysofw.wxg"), test::PictureFile(220, 20, 1, false));
        Put(QStringLiteral("Calendars/3daysofw.wxg"), test::PictureFile(230, 20, 1, false));
    }
};

void AddBoxes(Document& doc, int count) {
    for (int i = 0; i < count; ++i) {
        doc.elements.Append(CreateElement(FixedOwner(), 0, ElementKind::Box, {}));
    }
}

TEST(InsertCalendar, FourGroupedElementsInTheirSlotsFromBottomToTop) {
    CalendarArt art;
    Document doc;
    doc.currentPage = 2;
    doc.lastGroupId = 6;
    AddBoxes(doc, 2);
    FixedOwner owner(50, QPoint(10, 10));  // a click at (30, 40) is document point (160, 240)
    int snapshots = 0;
    const bool inserted = InsertCalendar(doc, QPoint(30, 40), owner, {2, 2000, QStringLiteral("flores")},
                                         art.context, [&] {
                                             ++snapshots;
                                             EXPECT_EQ(doc.elements.Count(), 2);  // before any change
                                         });
    ASSERT_TRUE(inserted);
    EXPECT_EQ(snapshots, 1);
    EXPECT_TRUE(art.messages.shown.empty());
    ASSERT_EQ(doc.elements.Count(), 6);

    const Element& design = *doc.elements[2];
    const Element& grid = *doc.elements[3];
    const Element& weekdays = *doc.elements[4];
    const Element& title = *doc.elements[5];
    for (const Element* e : {&design, &grid, &weekdays, &title}) {
        EXPECT_EQ(e->page, 2);
        EXPECT_EQ(e->selected, 0);
    }
    EXPECT_EQ(design.groupId, 7);
    EXPECT_EQ(design.groupMember, 0);
    for (const Element* e : {&grid, &weekdays, &title}) {
        EXPECT_EQ(e->groupId, 0);
        EXPECT_EQ(e->groupMember, 7);
    }

    // The pictures: design, the grid of a 29-day month starting on a Tuesday, and
    // the weekday names of language 0, each from its first corner at the click.
    ASSERT_TRUE(design.picture && grid.picture && weekdays.picture);
    EXPECT_EQ(design.kind, ElementKind::Picture);
    EXPECT_EQ(design.picture->Width(), 300);
    EXPECT_EQ(design.transparent, 1);
    EXPECT_EQ(grid.picture->Width(), 210);
    EXPECT_EQ(grid.transparent, 0);
    EXPECT_EQ(weekdays.picture->Width(), 220);
    for (const Element* e : {&design, &grid, &weekdays}) {
        EXPECT_EQ(e->corners[0], (DocPoint{160, 240}));
        EXPECT_EQ(e->corners[2].x - e->corners[0].x,
                  std::trunc(float(e->picture->Width()) * 384.0f / 150.0f));
    }

    // The title's frame: 50 mm right of the click and 6.25 mm down, 65 × 13.25 mm.
    EXPECT_EQ(title.kind, ElementKind::Text);
    ASSERT_TRUE(title.text);
    EXPECT_EQ(title.text->Text(), QStringLiteral("Febrero 2000"));
    const float p = art.context.pixelsPerMm;
    EXPECT_FLOAT_EQ(title.corners[0].x, 160 + 200 * p);
    EXPECT_FLOAT_EQ(title.corners[0].y, 240 + 25 * p);
    EXPECT_FLOAT_EQ(title.corners[1].x, title.corners[0].x + 260 * p);
    EXPECT_FLOAT_EQ(title.corners[1].y, title.corners[0].y);
    EXPECT_FLOAT_EQ(title.corners[2].x, title.corners[1].x);
    EXPECT_FLOAT_EQ(title.corners[2].y, title.corners[0].y + 53 * p);
    EXPECT_FLOAT_EQ(title.corners[3].x, title.corners[0].x);
    EXPECT_FLOAT_EQ(title.corners[3].y, title.corners[2].y);

    // Dissolving the group leaves four plain elements.
    doc.DissolveGroup(7);
    for (int slot = 2; slot < 6; ++slot) {
        EXPECT_FALSE(doc.elements[slot]->IsLeader() || doc.elements[slot]->IsFollower());
    }
}

TEST(InsertCalendar, WeekdayNamesFollowTheLanguage) {
    CalendarArt art;
    art.context.language = 3;
    Document doc;
    ASSERT_TRUE(InsertCalendar(doc, {}, FixedOwner(), {2, 2000, QStringLiteral("flores")}, art.context, {}));
    ASSERT_TRUE(doc.elements[2]->picture);
    EXPECT_EQ(doc.elements[2]->picture->Width(), 230);
}

TEST(InsertCalendar, APictureThatCannotBeLoadedStaysEmptyAndTheCalendarIsInserted) {
    CalendarArt art;
    art.Put(QStringLiteral("Calendars/styles/roto.wxg"), test::DamagedFile());
    Document doc;
    // No grid for March 2000 (months/231.wxg) and a damaged design.
    ASSERT_TRUE(InsertCalendar(doc, QPoint(4, 4), FixedOwner(), {3, 2000, QStringLiteral("roto")},
                               art.context, {}));
    ASSERT_EQ(doc.elements.Count(), 4);
    EXPECT_FALSE(doc.elements[0]->picture);
    EXPECT_FALSE(doc.elements[1]->picture);
    EXPECT_TRUE(doc.elements[2]->picture);
    EXPECT_EQ(doc.elements[3]->text->Text(), QStringLiteral("Marzo 2000"));
    // Each failed picture: the loader's message, then "No se pudo cargar imagen".
    ASSERT_EQ(art.messages.shown.size(), 4u);
    EXPECT_TRUE(art.messages.shown[0].caption.endsWith(QStringLiteral("styles/roto.wxg")));
    EXPECT_EQ(art.messages.shown[1].text, ResourceString(8016));
    EXPECT_TRUE(art.messages.shown[2].caption.endsWith(QStringLiteral("months/231.wxg")));
    EXPECT_EQ(art.messages.shown[3].text, ResourceString(8016));
    // A picture without its bitmap sits at the click, without size.
    EXPECT_EQ(doc.elements[0]->corners[2], doc.elements[0]->corners[0]);
}

TEST(InsertCalendar, NeedsFourFreeSlots) {
    CalendarArt art;
    Document doc;
    AddBoxes(doc, 996);
    int snapshots = 0;
    EXPECT_FALSE(InsertCalendar(doc, {}, FixedOwner(), {2, 2000, QStringLiteral("flores")}, art.context,
                                [&] { ++snapshots; }));
    EXPECT_EQ(snapshots, 0);
    EXPECT_EQ(doc.elements.Count(), 996);
    EXPECT_EQ(doc.lastGroupId, 0);
    ASSERT_EQ(art.messages.shown.size(), 1u);
    EXPECT_EQ(art.messages.shown[0].text, ResourceString(8006));
    EXPECT_EQ(art.messages.shown[0].caption, ResourceString(8007));

    // With 995 elements the four fit, and the list is full but for its last slot.
    doc.elements.Take(0);
    ASSERT_TRUE(InsertCalendar(doc, {}, FixedOwner(), {2, 2000, QStringLiteral("flores")}, art.context,
                               [&] { ++snapshots; }));
    EXPECT_EQ(doc.elements.Count(), 999);
    EXPECT_EQ(snapshots, 1);
}

TEST(InsertCalendar, CalendarArtworkOnAMissingCdIsReportedOnce) {
    CalendarArt art;
    art.locations.calendarsLocal = false;
    Document doc;
    ASSERT_TRUE(InsertCalendar(doc, {}, FixedOwner(), {2, 2000, QStringLiteral("flores")}, art.context, {}));
    EXPECT_EQ(doc.elements.Count(), 4);
    ASSERT_EQ(art.messages.shown.size(), 1u);
    EXPECT_EQ(art.messages.shown[0].text, ResourceString(7205));
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_FALSE(doc.elements[slot]->picture);
    }
}

TEST(CalendarTitle, MonthNameSpaceYear) {
    EXPECT_EQ(CalendarTitle(1, 1901), QStringLiteral("Enero 1901"));
    EXPECT_EQ(CalendarTitle(12, 2100), QStringLiteral("Diciembre 2100"));
    EXPECT_EQ(CalendarTitle(9, 2000), QStringLiteral("Septiembre 2000"));
}

}  // namespace
}  // namespace quenby
