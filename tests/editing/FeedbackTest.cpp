// What a drag draws while it lasts: every outline it takes away goes exactly, pixel for
// pixel, and a repaint in the middle of a drag is not undone by the next step.
#include "ToolTestSupport.h"

#include "document/ElementDrawing.h"

#include <gtest/gtest.h>

namespace quenby::test {
namespace {

class FeedbackTest : public ToolTest {
protected:
    // `base` with `paint` drawn over it as the feedback is drawn.
    QImage With(QImage base, const ToolContext::FeedbackPainter& paint) {
        QPainter painter(&base);
        DeviceContext dc(painter);
        const FixedOwner view = Geometry().ClientView();
        paint(dc, view);
        return base;
    }
    QImage WithGhosts(QImage base, const std::vector<const Element*>& ghosts) {
        return With(std::move(base), [&](DeviceContext& dc, const ElementOwner& view) {
            for (const Element* g : ghosts) {
                DrawElementGhost(*g, dc, view);
            }
        });
    }
};

TEST_F(FeedbackTest, TheRubberBandLeavesEveryPixelAsItWas) {
    const QImage base = context.surface;
    mouse.LeftPress(At(400, 400), false);
    for (int i = 1; i <= 12; ++i) {
        mouse.Move(At(400, 400) + QPoint(i * 17, i * 9 - 40));
    }
    EXPECT_NE(context.surface, base);
    mouse.LeftRelease(At(400, 400) + QPoint(150, 30));
    EXPECT_EQ(context.surface, base);

    session.SetTool(kEllipseTool);  // a new shape cancelled
    mouse.LeftPress(At(800, 800), false);
    mouse.Move(At(1600, 1300));
    mouse.Move(At(1200, 1500));
    mouse.CancelDrag();
    EXPECT_EQ(context.surface, base);
}

TEST_F(FeedbackTest, AMoveShowsItsStartingFrameAndItsLastOutlineOnly) {
    Element& box = AddBox(400, 400, 400, 200, true);
    const ElementPtr start = CopyElement(box);
    const QImage base = context.surface;
    mouse.LeftPress(At(500, 500), false);
    for (int i = 1; i <= 10; ++i) {
        mouse.Move(At(500, 500) + QPoint(i * 7, i * 3));
    }
    // The handles went at the press; the frame where it began stays.
    QImage expected = With(base, [&](DeviceContext& dc, const ElementOwner& view) {
        DrawSelection(*start, dc, view);
    });
    expected = WithGhosts(expected, {start.get(), &box});
    EXPECT_EQ(context.surface, expected);
    mouse.LeftRelease(At(500, 500) + QPoint(70, 30));
    EXPECT_EQ(box.corners[0], (DocPoint{680, 520}));
}

TEST_F(FeedbackTest, AStretchAndATurnTakeTheirLastOutlineAwayExactly) {
    Element& box = AddBox(400, 400, 400, 200, true);
    const QImage base = context.surface;
    const QPoint grip = Grip(box, 3);
    mouse.LeftPress(grip, false);
    for (int i = 1; i <= 8; ++i) {
        mouse.Move(grip + QPoint(i * 11, -i * 4));
    }
    mouse.Move(grip);  // back where it began: the outline is the element's own
    EXPECT_EQ(context.surface, WithGhosts(base, {&box}));
    mouse.CancelDrag();

    context.Repaint();
    const QImage fresh = context.surface;
    const QPoint turn = Grip(box, 2);
    mouse.LeftPress(turn, false);
    for (int i = 1; i <= 8; ++i) {
        mouse.Move(turn + QPoint(-i * 9, i * 5));
    }
    mouse.Move(turn);
    // The element's outline and the marker round its centre.
    const QPoint centre = Geometry().ClientView().ToDevice(ElementBounds(box).centre);
    QImage expected = WithGhosts(fresh, {&box});
    expected = With(expected, [&](DeviceContext& dc, const ElementOwner&) {
        DeviceContext::NotXorScope notXor(dc, true);
        dc.SetEmptyBrush();
        dc.Ellipse(QRect(centre - QPoint(6, 6), QSize(12, 12)));
    });
    EXPECT_EQ(context.surface, expected);
    mouse.LeftRelease(turn);
}

TEST_F(FeedbackTest, ARepaintDuringADragIsNotUndoneByTheNextStep) {
    session.SetTool(kBoxTool);
    mouse.LeftPress(At(400, 400), false);
    mouse.Move(At(800, 700));
    context.Repaint();  // the window was drawn afresh: the outline went with it
    const QImage base = context.surface;
    mouse.Move(At(900, 800));
    ElementPtr shape = CreateBlankElement();
    shape->kind = ElementKind::Box;
    shape->corners = {DocPoint{400, 400}, DocPoint{900, 400}, DocPoint{900, 800},
                      DocPoint{400, 800}};
    EXPECT_EQ(context.surface, WithGhosts(base, {shape.get()}));
    mouse.LeftRelease(At(900, 800));
    EXPECT_EQ(context.surface, base);
    ASSERT_EQ(doc().elements.Count(), 1);
    EXPECT_EQ(doc().elements[0]->corners, shape->corners);
}

TEST_F(FeedbackTest, TheCrosshairLeavesNothingBehind) {
    const QImage base = context.surface;
    mouse.RulerCornerPressed();
    for (int i = 0; i < 15; ++i) {
        mouse.Move(QPoint(100 + i * 23, 80 + i * 19));
    }
    EXPECT_NE(context.surface, base);
    mouse.LeftRelease(QPoint(-3, -3));  // over the ruler again: no origin
    EXPECT_EQ(context.surface, base);
    EXPECT_EQ(doc().originX, 0);
}

}  // namespace
}  // namespace quenby::test
