// The select tool through the mouse's own events: clicking, control-clicking, the
// second press that moves, the topmost element, groups, the rubber band and the
// card's page-turn corners.
#include "ToolTestSupport.h"

#include "editing/PageTurnCorners.h"
#include "platform/CommandIds.h"

#include <gtest/gtest.h>

namespace quenby::test {
namespace {

using SelectToolTest = ToolTest;

TEST_F(SelectToolTest, ClickSelectsOneAndControlClickAddsOrTakesAway) {
    Element& a = AddBox(400, 400, 200, 200);
    Element& b = AddBox(1000, 400, 200, 200);
    Click(At(500, 500));
    EXPECT_EQ(Selected(), (std::vector<const Element*>{&a}));
    Click(At(1100, 500), true);  // added, the other stays
    EXPECT_EQ(Selected(), (std::vector<const Element*>{&a, &b}));
    Click(At(500, 500), true);  // taken away alone
    EXPECT_EQ(Selected(), (std::vector<const Element*>{&b}));
    Click(At(500, 500));  // a plain click leaves it alone in the selection
    EXPECT_EQ(Selected(), (std::vector<const Element*>{&a}));
    // None of it is an undo step or a change to save.
    EXPECT_FALSE(session.CanUndo());
    EXPECT_FALSE(doc().modified);
}

TEST_F(SelectToolTest, TheFirstPressSelectsAndOnlyASecondPressMoves) {
    Element& box = AddBox(400, 400, 200, 200);
    const auto start = box.corners;
    Drag(At(500, 500), At(500, 500) + QPoint(60, 30));
    EXPECT_EQ(box.corners, start);  // selected, not moved
    EXPECT_EQ(box.selected, 1);
    EXPECT_FALSE(session.CanUndo());

    Drag(At(500, 500), At(500, 500) + QPoint(60, 30));  // 240 × 120 units at 100 %
    EXPECT_EQ(box.corners[0], (DocPoint{640, 520}));
    EXPECT_EQ(box.corners[2], (DocPoint{840, 720}));
    EXPECT_TRUE(doc().modified);
    ASSERT_TRUE(session.CanUndo());
    session.commands().Execute(cmd::kUndo);
    EXPECT_EQ(doc().elements[0]->corners, start);
}

TEST_F(SelectToolTest, TheElementDrawnLastIsHitFirstForBodiesAndHandles) {
    Element& below = AddBox(400, 400, 400, 400);
    Element& above = AddBox(400, 400, 400, 400);
    Click(At(600, 600));
    EXPECT_EQ(Selected(), (std::vector<const Element*>{&above}));

    // Both selected, their handles on top of each other: the upper one is stretched.
    below.selected = 1;
    const QPoint handle = HandlePoint(above, 3) + QPoint(5, 5);
    Drag(handle, handle + QPoint(100, 0));
    EXPECT_EQ(above.corners[2].x, below.corners[2].x);  // both stretch with the handle
    EXPECT_GT(above.corners[2].x, 800.0f);
    // The anchor is the upper element's opposite handle, where both began.
    EXPECT_EQ(above.corners[0], (DocPoint{400, 400}));
}

TEST_F(SelectToolTest, AFollowerIsNeverHitAndGoesWithItsLeader) {
    Element& leader = AddBox(400, 400, 200, 200);
    leader.groupId = 3;
    Element& follower = AddBox(1200, 1200, 200, 200);
    follower.groupMember = 3;

    Click(At(1300, 1300));  // on the follower alone: nothing there to hit
    EXPECT_TRUE(Selected().empty());

    Click(At(500, 500));
    Drag(At(500, 500), At(500, 500) + QPoint(10, 20));  // moves both
    EXPECT_EQ(leader.corners[0], (DocPoint{440, 480}));
    EXPECT_EQ(follower.corners[0], (DocPoint{1240, 1280}));

    // Stretched with its leader, about the leader's own anchor: pressed 5 pixels out
    // and pulled as far again as the press lies from the anchor, the box doubles.
    const QPoint handle = HandlePoint(leader, 3) + QPoint(5, 5);
    Drag(handle, handle + QPoint(55, 55));
    EXPECT_FLOAT_EQ(leader.corners[2].x - leader.corners[0].x, 400.0f);
    EXPECT_FLOAT_EQ(follower.corners[0].x, 440.0f + 2 * 800.0f);
    EXPECT_EQ(follower.selected, 0);
}

TEST_F(SelectToolTest, TheRubberBandSelectsWhatItEnclosesEdgesIncluded) {
    Element& inside = AddBox(400, 400, 200, 200);
    Element& onEdges = AddBox(800, 400, 200, 200);
    AddBox(1200, 400, 200, 200);  // touched, not enclosed
    Element& follower = AddBox(500, 500, 40, 40);
    follower.groupMember = 9;
    Element& elsewhere = AddBox(500, 500, 40, 40);
    elsewhere.page = 2;

    // From a pixel left of the first box to the right edge of the second exactly, and
    // half into the third.
    mouse.LeftPress(At(380, 380), false);
    mouse.Move(At(1000, 600));
    mouse.LeftRelease(At(1300, 600));
    // The band ended inside the third box's bounds: 1300 < 1400.
    EXPECT_EQ(Selected(), (std::vector<const Element*>{&inside, &onEdges}));
    EXPECT_EQ(doc().elements.Count(), 5);  // the band is not an element
    EXPECT_FALSE(session.CanUndo());
    EXPECT_EQ(session.Tool(), kSelectTool);

    // A band exactly on a box's edges takes it (begun at the far corner, which lies
    // just outside the box).
    doc().elements.DeselectAll();
    Drag(At(1000, 600), At(800, 400));
    EXPECT_EQ(Selected(), (std::vector<const Element*>{&onEdges}));
    // A band a pixel too small does not.
    Drag(At(1000, 600), At(804, 400));
    EXPECT_TRUE(Selected().empty());
}

TEST_F(SelectToolTest, TheDogEarTurnsTheCardBackAndForthAndTheFlapTurnsOnwards) {
    for (int fold = 0; fold < kCardTypeCount; ++fold) {
        doc().ChooseCardType(fold);
        for (int face = 0; face < kFaceCount; ++face) {
            session.ShowFace(face);
            AddBox(0, 0, 40, 40, true);
            // Inside the triangle of the face shown, wherever the turn puts it.
            for (int click = 0; click < 2; ++click) {
                const PageGeometry g = Geometry();
                const QPolygon ear = DogEarFor(g.face, doc().currentPage, fold).triangle;
                Click(g.ToClient((ear[0] + ear[1] + ear[2]) / 3));
                EXPECT_EQ(doc().currentPage == face, click == 1);
            }
            EXPECT_EQ(doc().currentPage, face) << "fold " << fold;
            EXPECT_TRUE(Selected().empty());  // the turn cleared the selection
        }
    }
    doc().ChooseCardType(3);
    const PageGeometry g = Geometry();
    const QPolygon flap = PageFlapFor(g.face, 0, 3).polygon;
    const QPoint inFlap = (flap[0] + flap[1] + flap[2]) / 3;
    Click(g.ToClient(inFlap));
    EXPECT_EQ(doc().currentPage, 2);
    // Over the corner the page-turn cursor shows.
    mouse.Move(g.ToClient(PageFlapFor(Geometry().face, 2, 3).polygon.boundingRect().center()));
    EXPECT_EQ(context.LastCursor(), PageCursor::FromResource(kPageTurnCursor));
}

TEST_F(SelectToolTest, PagesAndUnlaidDocumentsHaveNoTurningCorners) {
    doc().isCard = kPageSet;
    const PageGeometry g = Geometry();
    // Where a card's dog-ear would be: an empty page, so a band that selects nothing.
    Click(g.ToClient(g.face.bottomRight() - QPoint(3, 3)));
    EXPECT_EQ(doc().currentPage, 0);

    doc().isCard = kNoLayout;  // nothing to edit before a layout is chosen
    AddBox(400, 400, 200, 200);
    Click(At(500, 500));
    EXPECT_TRUE(Selected().empty());
}

}  // namespace
}  // namespace quenby::test
