// The arithmetic under the gestures: the grid snap and the pointer's position in
// millimetres, the stretch factors, the turning angle and a circular text's handles.
#include "document/Document.h"
#include "document/ElementGeometry.h"
#include "document/ElementOperations.h"
#include "editing/GestureGeometry.h"
#include "editing/GridSnap.h"
#include "editing/PageGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace quenby {
namespace {

// 100 % on a screen of exactly 4 pixels a millimetre, so the grid's figures are whole.
PageGeometry FourPixelsAMillimetre() {
    PageGeometry g;
    g.zoomPercent = 100;
    g.pixelsPerMm = 4.0;
    return g;
}

void MakeGriddedCard(Document& doc, int spacingX, int spacingY) {
    doc.ChooseCardType(3);
    doc.snapToGrid = true;
    doc.gridSpacingX = spacingX;
    doc.gridSpacingY = spacingY;
}

TEST(GridSnapTest, PointsGoToTheNearestLineAndTiesToTheLowerOne) {
    Document doc;
    MakeGriddedCard(doc, 5, 10);  // lines every 20 pixels across, 40 down
    const PageGeometry g = FourPixelsAMillimetre();
    EXPECT_EQ(SnapPoint({9, 19}, doc, g), QPoint(0, 0));
    EXPECT_EQ(SnapPoint({10, 20}, doc, g), QPoint(0, 0));  // half way: the lower line
    EXPECT_EQ(SnapPoint({11, 21}, doc, g), QPoint(20, 40));
    EXPECT_EQ(SnapPoint({-11, -21}, doc, g), QPoint(-20, -40));
    EXPECT_EQ(SnapPoint({40, 80}, doc, g), QPoint(40, 80));  // on a line already

    doc.snapToGrid = false;
    EXPECT_EQ(SnapPoint({11, 21}, doc, g), QPoint(11, 21));
}

TEST(GridSnapTest, TheGridRunsThroughTheMeasuringOrigin) {
    Document doc;
    MakeGriddedCard(doc, 5, 5);
    doc.originX = 28;  // 7 pixels at 100 %
    doc.originY = -28;
    const PageGeometry g = FourPixelsAMillimetre();
    EXPECT_EQ(SnapPoint({7, 13}, doc, g).x(), 7);
    EXPECT_EQ(SnapPoint({18, 13}, doc, g).x(), 27);
    EXPECT_EQ(SnapPoint({7, 13}, doc, g).y(), 13);  // -7 lies on the same grid as 13
}

TEST(GridSnapTest, TheStatusBarShowsGridMultiplesFromTheOrigin) {
    Document doc;
    MakeGriddedCard(doc, 5, 10);
    const PageGeometry g = FourPixelsAMillimetre();
    for (int x = -60; x <= 200; x += 7) {
        const PointerMm mm = PointerPosition({x, x * 2}, doc, g);
        EXPECT_EQ(std::fmod(mm.x, 5.0), 0.0) << x;
        EXPECT_EQ(std::fmod(mm.y, 10.0), 0.0) << x;
    }
    EXPECT_EQ(PointerPaneTexts({44, 88}, doc, g).x, QStringLiteral("X = 10.0mm"));
    EXPECT_EQ(PointerPaneTexts({44, 88}, doc, g).y, QStringLiteral("Y = 20.0mm"));
    EXPECT_EQ(PointerPaneTexts({-1, -1}, doc, g).x, QStringLiteral("X = 0.0mm"));  // not -0.0

    doc.snapToGrid = false;
    doc.originX = 40;  // 10 pixels
    EXPECT_EQ(PointerPaneTexts({16, 6}, doc, g).x, QStringLiteral("X = 1.5mm"));
    EXPECT_EQ(PointerPaneTexts({16, 6}, doc, g).y, QStringLiteral("Y = 1.5mm"));

    doc.isCard = kNoLayout;  // nothing to measure yet
    EXPECT_EQ(PointerPaneTexts({16, 6}, doc, g).x, QStringLiteral(" "));
    EXPECT_EQ(PointerPaneTexts({16, 6}, doc, g).y, QStringLiteral(" "));
}

TEST(GridSnapTest, ASpacingOfNothingFromADamagedFileLeavesThePointerFree) {
    Document doc;
    MakeGriddedCard(doc, 0, -3);
    const PageGeometry g = FourPixelsAMillimetre();
    EXPECT_EQ(SnapPoint({13, 17}, doc, g), QPoint(13, 17));
    const PointerMm mm = PointerPosition({13, 17}, doc, g);
    EXPECT_DOUBLE_EQ(mm.x, 13 / 4.0);
    EXPECT_DOUBLE_EQ(mm.y, 17 / 4.0);
    doc.gridSpacingX = 30000;  // the widest a file holds: one line, at the origin
    EXPECT_EQ(SnapPoint({13, 17}, doc, g).x(), 0);
}

TEST(ResizeFactorsTest, ThePressPointFollowsThePointerAndTheAnchorStays) {
    const DocPoint anchor{0, 0};
    const DocPoint press{100, 50};
    ScaleFactors f = ResizeFactors(3, anchor, press, {200, 25});
    EXPECT_FLOAT_EQ(f.x, 2.0f);
    EXPECT_FLOAT_EQ(f.y, 0.5f);
    EXPECT_TRUE(ResizeFactors(3, anchor, press, press).IsIdentity());
    f = ResizeFactors(5, anchor, press, {200, 25});  // up and down only
    EXPECT_FLOAT_EQ(f.x, 1.0f);
    f = ResizeFactors(8, anchor, press, {200, 25});  // across only
    EXPECT_FLOAT_EQ(f.y, 1.0f);
    // Across the anchor the element turns over.
    EXPECT_FLOAT_EQ(ResizeFactors(1, anchor, press, {-100, 50}).x, -1.0f);
}

TEST(ResizeFactorsTest, APressLevelWithTheAnchorStretchesNothingThatWay) {
    // An element thinner than a pixel at this zoom: its handles share a pixel.
    const ScaleFactors f = ResizeFactors(3, {10, 10}, {10, 30}, {500, 90});
    EXPECT_FLOAT_EQ(f.x, 1.0f);
    EXPECT_FLOAT_EQ(f.y, 4.0f);
    EXPECT_EQ(OppositeHandle(2), 4);
    EXPECT_EQ(OppositeHandle(6), 8);
    EXPECT_EQ(OppositeHandle(9), 0);
}

TEST(TurnAngleTest, TheElementTurnsTheWayThePointerGoes) {
    const DocPoint centre{0, 0};
    // From straight right to straight up on the screen (y runs down): a quarter turn
    // against the clock, which turns corner (1, 0) to (0, -1).
    const float angle = TurnAngle(centre, {100, 0}, {0, -50});
    const DocPoint turned = TurnPoint({100, 0}, centre, angle);
    EXPECT_NEAR(turned.x, 0.0f, 1e-3f);
    EXPECT_NEAR(turned.y, -100.0f, 1e-3f);
    EXPECT_NEAR(std::fabs(angle), std::numbers::pi_v<float> / 2, 1e-6f);
    EXPECT_FLOAT_EQ(TurnAngle(centre, {100, 0}, {0, 50}), -angle);

    EXPECT_EQ(TurnAngle(centre, {100, 0}, centre), 0.0f);  // through the centre
    EXPECT_EQ(TurnAngle(centre, centre, {5, 5}), 0.0f);
    EXPECT_NEAR(std::fabs(TurnAngle(centre, {100, 0}, {-3, 0})), std::numbers::pi_v<float>, 1e-6f);
    // Far-off points do not overflow.
    EXPECT_NEAR(TurnAngle(centre, {1e30f, 1e30f}, {-1e30f, 1e30f}), -std::numbers::pi_v<float> / 2,
                1e-6f);
}

ElementPtr NewCircularText() {
    ElementPtr e = CreateBlankElement();
    e->kind = ElementKind::CircularText;
    // Centre (0, 0), circle through (200, 0), letters standing on radius 100.
    e->corners = {DocPoint{0, 0}, DocPoint{100, 0}, DocPoint{200, 0}, DocPoint{-100, 0}};
    return e;
}

TEST(CircularHandleTest, OuterHandlesSetTheCircleInnerOnesTheLineTheLettersStandOn) {
    ElementPtr e = NewCircularText();
    DragCircularHandle(*e, 6, {0, -300});  // the right end to the top, the circle larger
    EXPECT_NEAR(e->corners[2].x, 0.0f, 1e-3f);
    EXPECT_NEAR(e->corners[2].y, -300.0f, 1e-3f);
    EXPECT_NEAR(e->corners[1].y, -100.0f, 1e-3f);   // corner 1 keeps its radius, turns along
    EXPECT_EQ(e->corners[3], (DocPoint{-100, 0}));  // the other end stays

    DragCircularHandle(*e, 7, {0, 150});  // the left end to the bottom, letters shorter
    EXPECT_NEAR(e->corners[3].y, 150.0f, 1e-3f);
    EXPECT_NEAR(e->corners[1].y, -150.0f, 1e-3f);
    EXPECT_NEAR(e->corners[2].y, -300.0f, 1e-3f);

    DragCircularHandle(*e, 8, {-400, 0});  // the outer circle from the other end
    EXPECT_NEAR(e->corners[2].y, -400.0f, 1e-3f);
    EXPECT_NEAR(e->corners[3].x, -150.0f, 1e-3f);
    DragCircularHandle(*e, 5, {200, 0});
    EXPECT_NEAR(e->corners[1].x, 200.0f, 1e-3f);
    EXPECT_NEAR(e->corners[2].x, 400.0f, 1e-3f);
    EXPECT_EQ(e->corners[0], (DocPoint{0, 0}));  // the centre never moves
}

TEST(CircularHandleTest, DegenerateCirclesStayFinite) {
    ElementPtr e = NewCircularText();
    const auto before = e->corners;
    DragCircularHandle(*e, 6, {0, 0});  // on the centre: nothing to go by
    EXPECT_EQ(e->corners, before);
    e->corners = {};  // every corner on the centre, as a zero drag makes it
    for (int handle = 5; handle <= 8; ++handle) {
        DragCircularHandle(*e, handle, {30.0f * handle, -10.0f});
        for (const DocPoint& c : e->corners) {
            EXPECT_TRUE(std::isfinite(c.x) && std::isfinite(c.y)) << handle;
        }
    }
}

TEST(DraggedCornersTest, LinesRunToThePointerAndCircularTextsTakeTheWidth) {
    const QPoint press(10, 20), point(50, 80);
    using Corners = std::array<QPoint, 4>;
    EXPECT_EQ(DraggedCorners(press, point, int(ElementKind::Box)),
              (Corners{press, QPoint(50, 20), point, QPoint(10, 80)}));
    EXPECT_EQ(DraggedCorners(press, point, int(ElementKind::Line))[1], point);
    EXPECT_EQ(DraggedCorners(press, point, int(ElementKind::CircularText)),
              (Corners{press, QPoint(50, 20), QPoint(50, 20), press}));
}

}  // namespace
}  // namespace quenby
