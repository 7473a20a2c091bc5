// Stretching, turning and drawing with the mouse, the keys that move the selection,
// and drags that end without their release.
#include "ToolTestSupport.h"

#include "document/ElementDrawing.h"
#include "editing/GestureGeometry.h"
#include "platform/CommandIds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quenby::test {
namespace {

using DragTest = ToolTest;

bool Finite(const Element& e) {
    for (const DocPoint& c : e.corners) {
        if (!std::isfinite(c.x) || !std::isfinite(c.y)) {
            return false;
        }
    }
    return true;
}

TEST_F(DragTest, HandlesStretchAboutTheOppositeHandleAndMiddlesOneWayOnly) {
    Element& box = AddBox(400, 400, 400, 200, true);  // 100 × 50 pixels
    // Handle 3 pressed 5 pixels out: the press point goes with the pointer, the
    // opposite corner stays. 105 × 55 pixels further the press point lies twice as
    // far from the anchor, and so does the corner.
    QPoint press = HandlePoint(box, 3) + QPoint(5, 5);
    Drag(press, press + QPoint(105, 55));
    EXPECT_EQ(box.corners[0], (DocPoint{400, 400}));
    EXPECT_FLOAT_EQ(box.corners[2].x, 1200.0f);
    EXPECT_FLOAT_EQ(box.corners[2].y, 800.0f);
    EXPECT_TRUE(session.CanUndo());

    // Handle 6, the right middle: across only, the left side staying.
    press = Grip(box, 6);
    Drag(press, press + QPoint(-100, 40));
    EXPECT_LT(box.corners[2].x, 1200.0f);
    EXPECT_FLOAT_EQ(box.corners[0].x, 400.0f);
    EXPECT_FLOAT_EQ(box.corners[0].y, 400.0f);
    EXPECT_FLOAT_EQ(box.corners[2].y, 800.0f);
    // Handle 5, the top middle: up and down only, the bottom staying.
    const float right = box.corners[2].x;
    press = Grip(box, 5);
    Drag(press, press + QPoint(70, 50));
    EXPECT_FLOAT_EQ(box.corners[0].x, 400.0f);
    EXPECT_FLOAT_EQ(box.corners[2].x, right);
    EXPECT_GT(box.corners[0].y, 400.0f);
    EXPECT_FLOAT_EQ(box.corners[2].y, 800.0f);
    session.commands().Execute(cmd::kUndo);
    EXPECT_FLOAT_EQ(doc().elements[0]->corners[0].y, 400.0f);
}

TEST_F(DragTest, ReleasingWhereAHandleWasPressedChangesNothing) {
    Element& box = AddBox(401.3f, 399.7f, 333.3f, 211.1f, true);
    const auto corners = box.corners;
    for (int handle : {1, 2, 3, 4, 5, 6, 7, 8}) {
        const QPoint press = Grip(box, handle);
        mouse.LeftPress(press, false);
        mouse.Move(press + QPoint(30, 17));  // the outline goes somewhere and back
        mouse.Move(press);
        mouse.LeftRelease(press);
        EXPECT_EQ(box.corners, corners) << "handle " << handle;
        EXPECT_EQ(box.halfTurned, 0);
    }
    // Each press on a handle is an undo step, and the document counts as changed.
    EXPECT_TRUE(doc().modified);
}

TEST_F(DragTest, TheRotationHandleTurnsWithThePointerAndLeavesTheGradientAlone) {
    Element& box = AddBox(400, 400, 400, 400, true);
    box.fillOn = 1;
    box.fillStyle = kLinearGradient;
    const QPoint centre = At(ElementBounds(box).centre);  // document (600, 600)
    const QPoint press = HandlePoint(box, 2) + QPoint(5, -5);
    ASSERT_EQ(press - centre, QPoint(55, -55));
    // A quarter turn on the screen, against the clock: from up-right to up-left.
    Drag(press, centre + QPoint(-55, -55));
    // The top-right corner went round to the top-left, where the pointer went.
    EXPECT_NEAR(box.corners[1].x, 400.0f, 2.0f);
    EXPECT_NEAR(box.corners[1].y, 400.0f, 2.0f);
    EXPECT_EQ(box.halfTurned, 0);  // a turned box keeps its gradient's direction

    // Through the centre exactly: no turn at all.
    const auto corners = box.corners;
    const QPoint again = HandlePoint(box, 2) + QPoint(5, -5);
    Drag(again, At(ElementBounds(box).centre));
    EXPECT_EQ(box.corners, corners);
}

TEST_F(DragTest, AHalfTurnByTheFaceStillTurnsHalfTurned) {
    Element& box = AddBox(0, 0, 100, 100);
    RotateElement(box, kHalfTurn, 50, 50);
    EXPECT_EQ(box.halfTurned, 1);
    TurnElement(box, 0.3f, 50, 50);
    EXPECT_EQ(box.halfTurned, 1);
}

TEST_F(DragTest, ShapesUnderTenPixelsAreDiscardedWithABeepButLinesStay) {
    session.SetTool(kBoxTool);
    Drag(At(400, 400), At(400 + 9 * 4, 400 + 40 * 4));  // 9 pixels wide
    EXPECT_EQ(doc().elements.Count(), 0);
    EXPECT_EQ(context.beeps, 1);
    EXPECT_EQ(session.Tool(), kSelectTool);

    session.SetTool(kBoxTool);
    Drag(At(400, 400), At(400 + 10 * 4, 400 + 10 * 4));
    ASSERT_EQ(doc().elements.Count(), 1);
    EXPECT_EQ(doc().elements[0]->kind, ElementKind::Box);
    EXPECT_EQ(doc().elements[0]->corners[2], (DocPoint{440, 440}));
    EXPECT_EQ(session.Tool(), kSelectTool);  // one shape per choice of the tool

    session.SetTool(kLineTool);
    Drag(At(1000, 1000), At(1012, 1000));  // 3 pixels long
    ASSERT_EQ(doc().elements.Count(), 2);
    const Element& line = *doc().elements[1];
    EXPECT_EQ(line.corners[0], (DocPoint{1000, 1000}));
    EXPECT_EQ(line.corners[1], (DocPoint{1012, 1000}));
    EXPECT_EQ(line.selected, 1);
    EXPECT_EQ(doc().elements[0]->selected, 0);  // drawing took the selection away
    EXPECT_EQ(context.beeps, 1);

    // Each shape is one undo step, taken at its press.
    session.commands().Execute(cmd::kUndo);
    EXPECT_EQ(doc().elements.Count(), 1);
}

TEST_F(DragTest, ACircularTextTakesTheDragsWidthAndAsksForItsText) {
    session.SetTool(kCircularTextTool);
    context.textDialog = [](Element& e) {
        e.text->SetText(QStringLiteral("Hola"));
        return true;
    };
    Drag(At(400, 800), At(1200, 400));  // 200 pixels wide, upwards
    ASSERT_EQ(doc().elements.Count(), 1);
    const Element& text = *doc().elements[0];
    EXPECT_EQ(context.textDialogs, std::vector<bool>{true});
    EXPECT_EQ(text.corners[0], (DocPoint{800, 800}));  // the centre of the width
    EXPECT_EQ(text.corners[2], (DocPoint{1200, 800}));
    EXPECT_EQ(text.text->Text(), QStringLiteral("Hola"));

    context.textDialog = {};  // cancelled: no circle without a text
    session.SetTool(kCircularTextTool);
    Drag(At(400, 1600), At(1200, 1600));
    EXPECT_EQ(doc().elements.Count(), 1);
    EXPECT_EQ(session.Tool(), kSelectTool);
}

TEST_F(DragTest, ADrawingToolRefusesWhenTheListIsFull) {
    while (doc().elements.HasRoom()) {
        AddBox(0, 0, 4, 4);
    }
    session.SetTool(kEllipseTool);
    Drag(At(400, 400), At(800, 800));
    EXPECT_EQ(doc().elements.Count(), ElementList::kCapacity);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("No hay espacio para añadir un elemento"));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Memoria llena"));
    EXPECT_EQ(session.Tool(), kEllipseTool);  // nothing changed, not even the tool
    EXPECT_FALSE(session.CanUndo());
    // The rubber band needs no room.
    session.SetTool(kSelectTool);
    Drag(At(2000, 1400), At(2100, 1500));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(DragTest, ArrowKeysStepTheSelectionEachAnUndoStep) {
    Element& box = AddBox(400, 400, 100, 100, true);
    context.zoom = 50;  // a screen pixel is 8 units
    EXPECT_TRUE(mouse.Nudge(1, 0));
    EXPECT_EQ(box.corners[0], (DocPoint{408, 400}));
    EXPECT_TRUE(mouse.Nudge(0, -10));
    EXPECT_EQ(box.corners[0], (DocPoint{408, 320}));
    session.commands().Execute(cmd::kUndo);
    EXPECT_EQ(doc().elements[0]->corners[0], (DocPoint{408, 400}));
    doc().elements.DeselectAll();
    EXPECT_FALSE(mouse.Nudge(1, 0));  // nothing selected: the keys scroll instead
}

TEST_F(DragTest, CancellingDiscardsANewShapeAndKeepsWhatAMoveDid) {
    session.SetTool(kBoxTool);
    mouse.LeftPress(At(400, 400), false);
    mouse.Move(At(800, 800));
    EXPECT_TRUE(mouse.CancelDrag());
    EXPECT_EQ(doc().elements.Count(), 0);
    EXPECT_EQ(session.Tool(), kSelectTool);
    EXPECT_FALSE(mouse.CancelDrag());  // nothing under way any more

    Element& box = AddBox(400, 400, 100, 100, true);
    mouse.LeftPress(At(420, 420), false);
    mouse.Move(At(460, 420));
    mouse.CancelDrag();
    EXPECT_EQ(box.corners[0], (DocPoint{440, 400}));
    mouse.LeftRelease(At(600, 420));  // a late release does nothing more
    EXPECT_EQ(box.corners[0], (DocPoint{440, 400}));

    const auto corners = box.corners;
    const QPoint handle = HandlePoint(box, 3) + QPoint(4, 4);
    mouse.LeftPress(handle, false);
    mouse.Move(handle + QPoint(40, 40));
    mouse.CancelDrag();
    EXPECT_EQ(box.corners, corners);
}

TEST_F(DragTest, APressWhileADragIsMarkedEndsThatDragInstead) {
    session.SetTool(kBoxTool);
    mouse.LeftPress(At(400, 400), false);
    mouse.Move(At(800, 800));
    // The release was lost; the next press discards the shape with a beep.
    mouse.LeftPress(At(900, 900), false);
    EXPECT_EQ(doc().elements.Count(), 0);
    EXPECT_EQ(context.beeps, 1);
    EXPECT_FALSE(mouse.Dragging());
    mouse.LeftRelease(At(900, 900));
    EXPECT_EQ(doc().elements.Count(), 0);
}

TEST_F(DragTest, ACommandDuringADragEndsTheDragFirst) {
    AddBox(400, 400, 100, 100, true);
    mouse.LeftPress(At(420, 420), false);
    mouse.Move(At(460, 420));
    session.commands().Execute(cmd::kUndo);  // a key while the button is down
    EXPECT_FALSE(mouse.Dragging());
    ASSERT_EQ(doc().elements.Count(), 1);
    // The undo brought back the state before the move; the old element is gone.
    EXPECT_EQ(doc().elements[0]->corners[0], (DocPoint{400, 400}));
    mouse.Move(At(500, 420));
    mouse.LeftRelease(At(500, 420));
    EXPECT_EQ(doc().elements[0]->corners[0], (DocPoint{400, 400}));
}

TEST_F(DragTest, EveryToolHasItsCursorAndHandlesShowTheirs) {
    const std::pair<int, PageCursor> tools[] = {
        {kBoxTool, PageCursor::FromResource(4)},
        {kEllipseTool, PageCursor::FromResource(1)},
        {kLineTool, PageCursor::FromResource(2)},
        {kPictureTool, PageCursor::FromResource(3)},
        {kTextTool, PageCursor::FromResource(5)},
        {kCalendarTool, PageCursor::FromResource(10)},
        {kCircularTextTool, PageCursor::FromResource(8)},
        {kSelectTool, PageCursor{}},
    };
    for (const auto& [tool, cursor] : tools) {
        mouse.ToolChosen(tool);
        EXPECT_EQ(context.LastCursor(), cursor) << tool;
    }
    Element& box = AddBox(400, 400, 400, 400, true);
    Element& picture = AddBox(1600, 400, 400, 400, true, ElementKind::Picture);
    mouse.Move(HandlePoint(box, 3) + QPoint(4, 4));
    EXPECT_EQ(context.LastCursor(), PageCursor::Of(PageCursor::SizeNwSe));
    mouse.Move(HandlePoint(box, 2) + QPoint(6, -6));
    EXPECT_EQ(context.LastCursor(), PageCursor::FromResource(kRotateCursor));
    mouse.Move(HandlePoint(picture, 2) + QPoint(4, -4));
    EXPECT_EQ(context.LastCursor(), PageCursor::Of(PageCursor::SizeNeSw));
    mouse.Move(HandlePoint(box, 7) + QPoint(0, 4));
    EXPECT_EQ(context.LastCursor(), PageCursor::Of(PageCursor::SizeNs));
    mouse.Move(At(1000, 1000));
    EXPECT_EQ(context.LastCursor(), PageCursor{});
    // A press on a handle shows the cross, a move press the four-way arrow.
    mouse.LeftPress(HandlePoint(box, 3) + QPoint(4, 4), false);
    EXPECT_EQ(context.LastCursor(), PageCursor::Of(PageCursor::Cross));
    mouse.LeftRelease(HandlePoint(box, 3) + QPoint(4, 4));
    mouse.LeftPress(At(500, 500), false);
    EXPECT_EQ(context.LastCursor(), PageCursor::Of(PageCursor::Move));
    mouse.LeftRelease(At(500, 500));
}

// --- Far away, empty, turned again and again ---------------------------------------------

TEST_F(DragTest, ElementsAtTheEdgesOfTheRangeAreHitAndEditedWithoutOverflow) {
    constexpr float kFar = 3.0e9f;  // beyond the int range in units and in pixels
    // Reaching from far off the screen to document x 800: hit up to its right edge.
    Element& wide = AddBox(0, 400, 800, 200);
    wide.corners[0].x = wide.corners[3].x = -kFar;
    Click(At(796, 500));
    EXPECT_EQ(wide.selected, 1);
    Click(At(804, 500));
    EXPECT_EQ(wide.selected, 0);
    Click(At(796, 500));
    // Its right-hand handles are where they should be, and stretch it.
    const QPoint grip = Grip(wide, 6);
    EXPECT_EQ(grip.x(), At(800, 500).x() + 5);
    Drag(grip, grip + QPoint(40, 0));
    EXPECT_GT(wide.corners[2].x, 800.0f);
    EXPECT_TRUE(Finite(wide));

    // Covering the whole range: hit everywhere, handles nowhere near.
    Element& huge = AddBox(-kFar, -kFar, 2 * kFar, 2 * kFar);
    Click(At(1500, 1500));
    EXPECT_EQ(huge.selected, 1);
    for (int x = 50; x < 450; x += 97) {
        mouse.Move(Geometry().face.topLeft() + QPoint(x, x / 2));
        EXPECT_EQ(context.LastCursor(), PageCursor{});
    }
    // Far away entirely: never hit, whatever is pressed on the screen.
    Element& gone = AddBox(kFar, kFar, 400, 400);
    Click(At(500, 500));
    EXPECT_EQ(gone.selected, 0);
    mouse.Move(At(kFar + 200, kFar + 200));
    EXPECT_TRUE(Finite(huge));
    EXPECT_TRUE(Finite(gone));
}

TEST_F(DragTest, AnElementOfNoSizeCanBeGrabbedStretchedAndTurned) {
    Element& dot = AddBox(800, 800, 0, 0);
    context.zoom = 10;  // its widened bounds are a pixel here
    Click(At(796, 796));
    ASSERT_EQ(dot.selected, 1);
    for (int handle = 1; handle <= 8; ++handle) {
        const QPoint press = HandlePoint(dot, handle);
        Drag(press, press + QPoint(7, 9));
        EXPECT_TRUE(Finite(dot)) << "handle " << handle;
    }
    context.zoom = 100;
    Element& line = AddBox(1600, 800, 0, 0, false, ElementKind::Line);
    Click(At(1600, 800));
    ASSERT_EQ(line.selected, 1);
    const QPoint press = HandlePoint(line, 2) + QPoint(5, -5);
    Drag(press, press + QPoint(-30, 40));
    EXPECT_TRUE(Finite(line));
}

TEST_F(DragTest, ManyTurnsByTheHandleKeepTheElementSound) {
    Element& box = AddBox(800, 800, 400, 200, true);
    for (int i = 0; i < 300; ++i) {
        const QPoint press = HandlePoint(box, 2) + QPoint(5, -5);
        Drag(press, press + QPoint(i % 2 ? 40 : -40, 35));
        ASSERT_TRUE(Finite(box)) << i;
        ASSERT_EQ(box.selected, 1);
    }
    EXPECT_EQ(box.halfTurned, 0);
    // Every turn kept the box's size: its sides are as long as ever.
    const float side =
        std::hypot(box.corners[1].x - box.corners[0].x, box.corners[1].y - box.corners[0].y);
    EXPECT_NEAR(side, 400.0f, 1.0f);
}

}  // namespace
}  // namespace quenby::test
