#include "view/RulerScale.h"

#include "ViewTestSupport.h"
#include "view/ViewGeometry.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace quenby::test {
namespace {

constexpr double kPpm96 = 96.0 / 25.4;
const QColor kInk(249, 230, 11);

TEST(RulerScaleTest, StepLeavesFiftyPixelsBetweenLabels) {
    // 700 pixels at 100 %: about 185 mm, at most 14 labels: 1, 2, 5 and 10 mm are too fine.
    EXPECT_EQ(ruler::ChooseStep(700, kPpm96).millimetres, 50);
    EXPECT_FALSE(ruler::ChooseStep(700, kPpm96).scalingError);
    EXPECT_EQ(ruler::ChooseStep(700, 3 * kPpm96).millimetres, 5);
    EXPECT_EQ(ruler::ChooseStep(700, 0.1 * kPpm96).millimetres, 200);
    // Shorter than 50 pixels nothing fits: the largest step, and the error is shown.
    const ruler::Step tooShort = ruler::ChooseStep(49, kPpm96);
    EXPECT_TRUE(tooShort.scalingError);
    EXPECT_EQ(tooShort.millimetres, 1000);
    EXPECT_TRUE(ruler::ChooseStep(700, 0).scalingError);
}

TEST(RulerScaleTest, LabelZeroStandsAtTheFaceEdgeWithNegativeLabelsBeforeIt) {
    const double faceOffset = 137;
    const ruler::Layout l = ruler::LayoutFor(700, 100, kPpm96, faceOffset, 0, true);
    int zeros = 0;
    for (long long i = l.firstIndex; i < l.endIndex; i += 1) {
        if (i % 10 != 0) {
            continue;
        }
        const long long value = l.LabelValue(i);
        if (value == 0) {
            ++zeros;
            EXPECT_NEAR(l.MarkPosition(i), faceOffset, 1.0);
            EXPECT_EQ(l.LabelValue(i - 10), -50);
            EXPECT_EQ(l.LabelValue(i + 10), 50);
        }
    }
    EXPECT_EQ(zeros, 1);
    // Minor marks every 5 mm, longer at the half step.
    EXPECT_EQ(ruler::Layout::MarkLength(20), 9);
    EXPECT_EQ(ruler::Layout::MarkLength(15), 6);
    EXPECT_EQ(ruler::Layout::MarkLength(-3), 4);
}

TEST(RulerScaleTest, MovingTheOriginOneStepShiftsLabelsAndKeepsMarks) {
    // Four pixels a millimetre: a 50 mm step is 200 pixels, 800 document units.
    const ruler::Layout at0 = ruler::LayoutFor(700, 100, 4.0, 90, 0, true);
    const ruler::Layout moved = ruler::LayoutFor(700, 100, 4.0, 90, 800, true);
    ASSERT_EQ(at0.step.millimetres, 50);
    for (long long i = -10; i < 60; i += 10) {
        EXPECT_DOUBLE_EQ(moved.MarkPosition(i), at0.MarkPosition(i));
        EXPECT_EQ(moved.LabelValue(i), at0.LabelValue(i) - 50);
    }
    // Half a step moves the labels' zero half a step along instead.
    const ruler::Layout half = ruler::LayoutFor(700, 100, 4.0, 90, 400, true);
    EXPECT_DOUBLE_EQ(half.MarkPosition(0), at0.MarkPosition(0) + 100);
}

class RulerWidgetTest : public ::testing::Test {
protected:
    void Show(QSize size) {
        view = std::make_unique<ViewFrame>(size);
        view->frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view->frame));
        Document& doc = view->session.document();
        doc.isCard = kPageSet;
        view->session.SetStartScreenUp(true);
        view->session.SetStartScreenUp(false);
        view->editor->SelectZoomListRow(view::kFirstPercentRow + 4);  // 100 %
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
        }
    }

    static int InkIn(const QImage& image, const QRect& r) {
        int n = 0;
        for (int y = std::max(0, r.top()); y <= std::min(image.height() - 1, r.bottom()); ++y) {
            for (int x = std::max(0, r.left()); x <= std::min(image.width() - 1, r.right()); ++x) {
                // Text is smoothed: any pixel leaning to the yellow counts.
                n += image.pixelColor(x, y).red() > 100 ? 1 : 0;
            }
        }
        return n;
    }

    std::unique_ptr<ViewFrame> view;
};

TEST_F(RulerWidgetTest, LabelsStandAtTheFaceAndFollowScrolling) {
    Show(QSize(900, 700));
    HorizontalRuler& ruler = *view->horizontal;
    // The face's left edge seen from the ruler: past the corner square and the desk margin.
    const int faceX = view->editor->viewport()->mapTo(&view->frame, QPoint(30, 0)).x() -
                      ruler.mapTo(&view->frame, QPoint(0, 0)).x();
    QImage image = ruler.grab().toImage();
    ASSERT_EQ(image.height(), 20);
    // Label "0" just right of the face edge, in the label band above the marks.
    EXPECT_GT(InkIn(image, QRect(faceX + 2, 0, 8, 11)), 5);
    // 50 mm on (189 pixels) the next label; nothing written halfway.
    const int next = faceX + int(std::lround(50 * kPpm96));
    EXPECT_GT(InkIn(image, QRect(next + 2, 0, 14, 11)), 5);
    EXPECT_EQ(InkIn(image, QRect(faceX + 40, 0, 100, 10)), 0);
    // The long mark at the face edge.
    EXPECT_EQ(image.pixelColor(faceX, 19), kInk);
    EXPECT_EQ(image.pixelColor(faceX, 11), kInk);
    EXPECT_FALSE(ruler.ScalingErrorShown());

    view->editor->SelectZoomListRow(view::kZoomListRows - 1);  // 300 %: scrolls
    view->editor->horizontalScrollBar()->setValue(600);
    QCoreApplication::processEvents();
    image = ruler.grab().toImage();
    // The face edge has scrolled out of sight: label 0 is gone from its place.
    EXPECT_EQ(InkIn(image, QRect(faceX + 2, 0, 8, 11)), 0);
}

TEST_F(RulerWidgetTest, VerticalLabelsAreTurnedAndStandAtTheFaceTop) {
    Show(QSize(900, 700));
    VerticalRuler& ruler = *view->vertical;
    const int faceY = view->editor->viewport()->mapTo(&view->frame, QPoint(0, 30)).y() -
                      ruler.mapTo(&view->frame, QPoint(0, 0)).y();
    const QImage image = ruler.grab().toImage();
    ASSERT_EQ(image.width(), 20);
    // "0" turned: a few pixels around the label's place, left of the marks.
    EXPECT_GT(InkIn(image, QRect(0, faceY - 4, 12, 12)), 5);
    EXPECT_EQ(image.pixelColor(19, faceY), kInk);
    EXPECT_EQ(image.pixelColor(11, faceY), kInk);
}

TEST_F(RulerWidgetTest, ShortRulerShowsScalingErrorAndStillPaints) {
    Show(QSize(600, 400));
    VerticalRuler shortRuler(nullptr, *view->editor);
    shortRuler.resize(20, 40);
    const QImage image = shortRuler.grab().toImage();
    EXPECT_TRUE(shortRuler.ScalingErrorShown());
    EXPECT_GT(InkIn(image, image.rect()), 5);
    view->horizontal->grab();
    EXPECT_FALSE(view->horizontal->ScalingErrorShown());
    // No message box: a paint must never wait on the user.
    EXPECT_TRUE(view->messages.shown.empty());
}

TEST(RulerLifetimeTest, RulerOutlivingTheEditorPaintsOnlyItsBackground) {
    FakeMessages messages;
    FakeFileDialogs dialogs;
    EditingSession session(messages, dialogs);
    auto editor = std::make_unique<EditorWindow>(session);
    HorizontalRuler ruler(nullptr, *editor);
    ruler.resize(300, 20);
    editor.reset();  // the frame may take the editor down first
    const QImage image = ruler.grab().toImage();
    EXPECT_EQ(image.pixelColor(150, 15), Ruler::kBackground);
}

}  // namespace
}  // namespace quenby::test
