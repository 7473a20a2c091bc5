#include "document/Document.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quenby {
namespace {

std::array<QPoint, 4> Rect(int l, int t, int r, int b) {
    return {QPoint(l, t), QPoint(r, t), QPoint(r, b), QPoint(l, b)};
}

ElementPtr Box(bool selected = false, std::uint16_t id = 0, std::uint16_t member = 0) {
    ElementPtr e = CreateElement(FixedOwner(), 0, ElementKind::Box, Rect(0, 0, 10, 10));
    e->selected = selected;
    e->groupId = id;
    e->groupMember = member;
    return e;
}

TEST(ElementOperations, NewElementsTakeTheToolDefaultsAndDocumentCorners) {
    FixedOwner owner(50, QPoint(10, 20));
    ElementPtr box = CreateElement(owner, 2, ElementKind::Box, Rect(10, 20, 60, 45));
    EXPECT_EQ(box->corners[0], (DocPoint{0, 0}));
    EXPECT_EQ(box->corners[2], (DocPoint{400, 200}));  // 50 px at 50 % = 400 units
    EXPECT_EQ(box->page, 2);
    EXPECT_EQ(box->outlineOn, 1);
    EXPECT_EQ(box->fillColour2, kBlack);
    EXPECT_EQ(box->selected, 1);
    EXPECT_EQ(box->gradientCentreX, 50);
    EXPECT_FALSE(box->text);

    ElementPtr text = CreateElement(owner, 0, ElementKind::Text, Rect(10, 20, 60, 45));
    ASSERT_TRUE(text->text);
    EXPECT_EQ(text->outlineOn, 0);
    EXPECT_EQ(text->text->font.height, 136);
    EXPECT_EQ(text->text->font.weight, 400);
    EXPECT_EQ(text->text->font.Face(), QStringLiteral("RavelockWizard"));
    EXPECT_EQ(text->text->shadowColour, kGrey);
    EXPECT_EQ(text->text->fillOn, 1);

    ElementPtr blank = CreateBlankElement();
    EXPECT_EQ(blank->kind, ElementKind::Line);
    EXPECT_EQ(blank->fillColour2, kWhite);
    EXPECT_EQ(blank->outlineOn, 1);
}

TEST(ElementOperations, CircularTextSitsOnTheLowerEdgeWithHalfTheWidthAsRadius) {
    FixedOwner owner(100);
    ElementPtr e = CreateElement(owner, 0, ElementKind::CircularText, Rect(0, 0, 200, 100));
    const auto& c = e->corners;
    EXPECT_EQ(c[0], (DocPoint{400, 400}));  // middle of the lower edge
    EXPECT_EQ(c[2], (DocPoint{800, 400}));  // radius 400 units = 100 px
    EXPECT_EQ(c[1], (DocPoint{600, 400}));
    EXPECT_EQ(c[3], (DocPoint{200, 400}));
}

TEST(ElementOperations, CopiesAreDeepAndLeaveTheReservedBytesBehind) {
    FixedOwner owner;
    ElementPtr src = CreateElement(owner, 1, ElementKind::Text, Rect(0, 0, 10, 10));
    src->reserved.fill(0xAB);
    src->text->reserved.fill(0xCD);
    src->text->SetText(QStringLiteral("Hola"));
    src->halfTurned = 1;
    src->scratch = {7, 8};
    ElementPtr copy = CopyElement(*src);
    EXPECT_NE(copy->text.get(), src->text.get());
    EXPECT_EQ(copy->text->Text(), QStringLiteral("Hola"));
    EXPECT_EQ(copy->halfTurned, 1);
    EXPECT_EQ(copy->reserved, decltype(copy->reserved){});
    EXPECT_EQ(copy->text->reserved, decltype(copy->text->reserved){});
    EXPECT_EQ(copy->scratch, (std::array<std::uint32_t, 2>{0, 0}));

    ElementPtr pic = CreateElement(owner, 0, ElementKind::Picture, Rect(0, 0, 10, 10));
    pic->picture = Dib::Create(3, 3, 8);
    ElementPtr picCopy = CopyElement(*pic);
    ASSERT_TRUE(picCopy->picture);
    EXPECT_NE(picCopy->picture.get(), pic->picture.get());

    // Assigning a box over the text drops the text block; the reserved bytes stay.
    ElementPtr box = Box();
    copy->reserved.fill(0x11);
    AssignElement(*copy, *box);
    EXPECT_EQ(copy->kind, ElementKind::Box);
    EXPECT_FALSE(copy->text);
    EXPECT_EQ(copy->reserved[0], 0x11);
    AssignElement(*copy, *pic);
    EXPECT_TRUE(copy->picture);
}

TEST(ElementOperations, MoveScaleAndTwoHalfTurnsRestoreTheCorners) {
    ElementPtr e = Box();
    const auto before = e->corners;
    MoveElement(*e, 5, -5);
    EXPECT_EQ(e->corners[0], (DocPoint{5, -5}));
    MoveElement(*e, -5, 5);
    ScaleElement(*e, 2, 3, 40, 40);
    EXPECT_EQ(e->corners[2], (DocPoint{40, 40}));
    EXPECT_EQ(e->corners[0], (DocPoint{-40, -80}));
    e->corners = before;
    RotateElement(*e, kHalfTurn, 20, 20);
    EXPECT_EQ(e->halfTurned, 1);
    EXPECT_NEAR(e->corners[0].x, 40, 1e-3);
    RotateElement(*e, kHalfTurn, 20, 20);
    EXPECT_EQ(e->halfTurned, 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(e->corners[i].x, before[i].x, 1e-3);
        EXPECT_NEAR(e->corners[i].y, before[i].y, 1e-3);
    }
}

TEST(ElementList, CapacityRuleKeepsTheLastSlotEmpty) {
    ElementList list;
    for (int i = 0; i < ElementList::kCapacity; ++i)
        ASSERT_TRUE(list.Append(Box()));
    EXPECT_EQ(list.Count(), 1000);
    EXPECT_FALSE(list.HasRoom());
    EXPECT_FALSE(list.Append(Box()));
    EXPECT_EQ(list.At(1000), nullptr);
    list.Take(0);
    EXPECT_TRUE(list.HasRoom());
    EXPECT_TRUE(list.Append(Box()));

    ElementList calendar;
    for (int i = 0; i < 995; ++i)
        calendar.Append(Box());
    EXPECT_TRUE(calendar.HasRoomForCalendar());
    calendar.Append(Box());
    EXPECT_FALSE(calendar.HasRoomForCalendar());
    EXPECT_TRUE(calendar.HasRoom());
}

TEST(ElementList, DeleteSelectedClosesUpAndTakesFollowersAlong) {
    ElementList list;
    list.Append(Box(true));         // 0 selected
    list.Append(Box(true));         // 1 selected neighbour
    list.Append(Box(true));         // 2 selected neighbour
    list.Append(Box(false));        // 3 kept
    list.Append(Box(true, 4));      // 4 selected leader of group 4
    list.Append(Box(false, 0, 4));  // 5 follower, not selected
    list.Append(Box(false, 0, 9));  // 6 follower of another group
    Element* kept = list.At(3);
    Element* other = list.At(6);
    list.DeleteSelected();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0), kept);
    EXPECT_EQ(list.At(1), other);
    EXPECT_EQ(list.At(2), nullptr);
}

TEST(Document, GroupsFacesAndCardTypes) {
    Document doc;
    doc.lastGroupId = 9;
    EXPECT_EQ(doc.NextGroupId(), 10);
    doc.elements.Append(Box(true, 10));
    doc.elements.Append(Box(true, 0, 10));
    doc.elements.Append(Box(true, 0, 3));
    doc.DissolveGroup(10);
    EXPECT_EQ(doc.elements.At(0)->groupId, 0);
    EXPECT_EQ(doc.elements.At(1)->groupMember, 0);
    EXPECT_EQ(doc.elements.At(2)->groupMember, 3);

    doc.SelectFace(2);
    EXPECT_EQ(doc.currentPage, 2);
    EXPECT_EQ(doc.elements.SelectedCount(), 0);
    doc.SelectFace(7);  // not a face
    EXPECT_EQ(doc.currentPage, 2);

    const std::uint16_t expected[] = {0, 1, 1, 1, 0, 0};
    for (int type = 0; type < 6; ++type) {
        doc.tilesAcross = 3;
        doc.ChooseCardType(type);
        EXPECT_EQ(doc.orientation, expected[type]) << type;
        EXPECT_EQ(doc.isCard, kCard);
        EXPECT_EQ(doc.currentPage, 0);
        EXPECT_EQ(doc.tilesAcross, 1);
    }
}

}  // namespace
}  // namespace quenby
