// Bounds, hit tests, handles and the selection marks.
#include "DrawingTestSupport.h"

#include "document/ElementGeometry.h"

#include <gtest/gtest.h>

#include <numbers>

namespace quenby {
namespace {

ElementPtr Circular(DocPoint c0, float r) {
    ElementPtr e = test::BoxElement(ElementKind::CircularText, 0, 0, 0, 0);
    e->corners = {c0, DocPoint{c0.x + r / 2, c0.y}, DocPoint{c0.x + r, c0.y},
                  DocPoint{c0.x - r / 2, c0.y}};
    return e;
}

TEST(ElementBounds, ThinExtentsAreWidenedForGrabbing) {
    FixedOwner owner(100);
    ElementPtr line = test::BoxElement(ElementKind::Line, 0, 100, 200, 0);
    line->corners[1] = DocPoint{200, 100};
    const ElementBox b = ElementBounds(*line);
    EXPECT_FLOAT_EQ(b.top, 96);
    EXPECT_FLOAT_EQ(b.bottom, 104);
    EXPECT_FLOAT_EQ(b.left, 0);
    EXPECT_FLOAT_EQ(b.right, 200);
    // One pixel above the line at 100 %: device y 24 of the line's 25.
    EXPECT_TRUE(HitElement(*line, owner, 10, 24));

    ElementPtr narrow = test::BoxElement(ElementKind::Box, 100, 0, 9, 50);
    EXPECT_FLOAT_EQ(ElementBounds(*narrow).left, 96);
    EXPECT_FLOAT_EQ(ElementBounds(*narrow).right, 113);
    ElementPtr ten = test::BoxElement(ElementKind::Box, 100, 0, 10, 50);
    EXPECT_FLOAT_EQ(ElementBounds(*ten).left, 100);
    EXPECT_FLOAT_EQ(ElementBounds(*ten).right, 110);
    EXPECT_FLOAT_EQ(ElementBounds(*ten).centre.x, 105);
}

TEST(HitElement, LeftAndTopEdgesHitRightAndBottomMissFollowersNever) {
    FixedOwner owner(100, QPoint(10, 20));
    ElementPtr box = test::BoxElement(ElementKind::Box, 0, 0, 400, 200);  // 100 × 50 px
    EXPECT_TRUE(HitElement(*box, owner, 10, 20));
    EXPECT_TRUE(HitElement(*box, owner, 109, 69));
    EXPECT_FALSE(HitElement(*box, owner, 110, 40));
    EXPECT_FALSE(HitElement(*box, owner, 50, 70));
    EXPECT_FALSE(HitElement(*box, owner, 9, 40));
    box->groupMember = 3;
    EXPECT_FALSE(HitElement(*box, owner, 50, 40));
    EXPECT_EQ(HitHandle(*box, owner, 4, 14), 0);
}

TEST(HitHandle, SquaresSitOutsideTheBoxAndTheHighestIndexWins) {
    FixedOwner owner(100);
    ElementPtr box = test::BoxElement(ElementKind::Box, 400, 400, 400, 400);  // 100..200 px
    EXPECT_EQ(HitHandle(*box, owner, 205, 205), 3);
    EXPECT_EQ(HitHandle(*box, owner, 200, 200), 0);  // the handle point itself
    EXPECT_EQ(HitHandle(*box, owner, 150, 150), 0);
    EXPECT_EQ(HitHandle(*box, owner, 95, 95), 1);
    EXPECT_EQ(HitHandle(*box, owner, 210, 90), 2);  // the tall rotation square of a box
    EXPECT_EQ(HitHandle(*box, owner, 150, 95), 5);
    EXPECT_EQ(HitHandle(*box, owner, 205, 150), 6);
    EXPECT_EQ(HitHandle(*box, owner, 150, 205), 7);
    EXPECT_EQ(HitHandle(*box, owner, 95, 150), 8);
    box->kind = ElementKind::Picture;
    EXPECT_EQ(HitHandle(*box, owner, 210, 90), 0);  // a picture's handle 2 is the small square
    EXPECT_EQ(HitHandle(*box, owner, 205, 95), 2);

    // A box shrunk to a point: handles 1, 5 and 8 all cover (−3, −3) from it.
    ElementPtr dot = test::BoxElement(ElementKind::Box, 400, 400, 0, 0);
    const std::array<QPoint, 8> h = HandlePoints(*dot, owner);
    EXPECT_TRUE(HandleSquare(*dot, 1, h[0]).contains(h[0] + QPoint(-3, -3)));
    EXPECT_EQ(HitHandle(*dot, owner, h[7].x() - 3, h[7].y() - 3), 8);
}

TEST(CircularText, ArcBoundsAndHandlesFollowTheCircle) {
    FixedOwner owner(100);
    ElementPtr e = Circular(DocPoint{1000, 1000}, 400);
    EXPECT_NEAR(CircularArcAngle(*e), std::numbers::pi, 1e-5);
    const ElementBox raw = RawBounds(*e);
    EXPECT_NEAR(raw.top, 600, 0.5);  // the arc runs over the top
    EXPECT_NEAR(raw.left, 600, 0.5);
    EXPECT_NEAR(raw.right, 1400, 0.5);
    EXPECT_NEAR(raw.bottom, 1000, 0.5);
    EXPECT_FALSE(HasHandle(*e, 1));
    EXPECT_FALSE(HasHandle(*e, 3));
    EXPECT_TRUE(HasHandle(*e, 2));
    const std::array<QPoint, 8> h = HandlePoints(*e, owner);
    EXPECT_EQ(h[4], QPoint(300, 250));      // corner 1
    EXPECT_EQ(h[5], QPoint(350, 250));      // corner 2
    EXPECT_EQ(h[7], QPoint(150, 250));      // on the circle towards corner 3
    EXPECT_EQ(HitHandle(*e, owner, 353, 253), 6);  // centred square
    EXPECT_EQ(HitHandle(*e, owner, 345, 245), 0);  // a box's handle 1 square is not there

    // Degenerate: all corners on the centre give no arc and no crash.
    ElementPtr flat = Circular(DocPoint{50, 50}, 0);
    EXPECT_EQ(CircularArcAngle(*flat), 0.0f);
    EXPECT_NO_FATAL_FAILURE(HandlePoints(*flat, owner));
}

TEST(CircularText, BoundsEqualTurningTheCornersInEveryStep) {
    // Arcs of every size and direction, from turned and stretched circular texts.
    FixedOwner owner(100);
    std::uint32_t seed = 12345;
    auto next = [&seed](float lo, float hi) {
        seed = seed * 1103515245u + 12345u;
        return lo + (hi - lo) * float((seed >> 8) & 0xFFFF) / 65535.0f;
    };
    for (int n = 0; n < 300; ++n) {
        ElementPtr e = Circular(DocPoint{next(-500, 500), next(-500, 500)}, next(1, 900));
        e->corners[3] = TurnPoint(e->corners[3], e->corners[0], next(-3.1f, 3.1f));
        RotateElement(*e, next(0, 6.28f), next(-100, 100), next(-100, 100));
        ElementBox brute{e->corners[2].x, e->corners[2].y, e->corners[2].x, e->corners[2].y, {}};
        const float step = CircularArcAngle(*e) / 400.0f;
        for (int k = 1; k <= 400; ++k) {
            for (const DocPoint p : {TurnPoint(e->corners[2], e->corners[0], float(k) * step),
                                     TurnPoint(e->corners[3], e->corners[0], -float(k) * step)}) {
                brute.left = std::min(brute.left, p.x);
                brute.right = std::max(brute.right, p.x);
                brute.top = std::min(brute.top, p.y);
                brute.bottom = std::max(brute.bottom, p.y);
            }
        }
        const ElementBox fast = RawBounds(*e);
        EXPECT_NEAR(fast.left, brute.left, 1e-3) << n;
        EXPECT_NEAR(fast.right, brute.right, 1e-3) << n;
        EXPECT_NEAR(fast.top, brute.top, 1e-3) << n;
        EXPECT_NEAR(fast.bottom, brute.bottom, 1e-3) << n;
    }
}

TEST(DrawSelection, DrawingTwiceRestoresThePixels) {
    FixedOwner owner(100);
    ElementPtr box = test::BoxElement(ElementKind::Box, 200, 200, 400, 400);
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 90));
    const QImage before = image;
    {
        QPainter painter(&image);
        DeviceContext dc(painter);
        DrawSelection(*box, dc, owner);
    }
    EXPECT_NE(image, before);
    test::Dump(image, "selection");
    // Handle 3's square (2, 2, 10, 10) at (150, 150) is inverted.
    EXPECT_EQ(image.pixel(155, 155), qRgb(245, 55, 165));
    EXPECT_EQ(image.pixel(151, 151), before.pixel(151, 151));
    {
        QPainter painter(&image);
        DeviceContext dc(painter);
        DrawSelection(*box, dc, owner);
    }
    EXPECT_EQ(image, before);
}

}  // namespace
}  // namespace quenby
