#include "view/ViewGeometry.h"

#include "document/Document.h"
#include "print/PaperLayout.h"

#include <gtest/gtest.h>

namespace quenby::test {
namespace {

using namespace view;

constexpr double kPpm96 = 96.0 / 25.4;

TEST(ZoomStepsTest, StepsStopAtTheEndsAndDirectValuesPassUnchanged) {
    EXPECT_EQ(SteppedZoom(275, kZoomInCommand), 300);
    EXPECT_EQ(SteppedZoom(276, kZoomInCommand), 300);
    EXPECT_EQ(SteppedZoom(250, kZoomInCommand), 275);
    EXPECT_EQ(SteppedZoom(10, kZoomInCommand), 35);
    EXPECT_EQ(SteppedZoom(35, kZoomOutCommand), 10);
    EXPECT_EQ(SteppedZoom(34, kZoomOutCommand), 10);
    EXPECT_EQ(SteppedZoom(36, kZoomOutCommand), 11);
    EXPECT_EQ(SteppedZoom(40, kZoomInCommand), 65);
    EXPECT_EQ(SteppedZoom(40, kZoomOutCommand), 15);
    // A fit of 0 or less arrives as 10000 or below: one step down.
    EXPECT_EQ(SteppedZoom(100, kSetZoomBase), 75);
    EXPECT_EQ(SteppedZoom(100, kSetZoomBase - 40), 75);
    EXPECT_EQ(SteppedZoom(100, kSetZoomBase + 7), 7);
    EXPECT_EQ(SteppedZoom(100, kSetZoomBase + 450), 450);
}

TEST(FitZoomTest, WidthHeightAndWholePageFollowTheClient) {
    // Face of 200 × 100 pixels at 50 %: 400 × 200 at 100 %.
    const QSize face(200, 100);
    const QSize client(860, 260);
    EXPECT_EQ(FitPercent(kFitWidth, client, face, 50).percent, 200);   // 100 × 800 / 400
    EXPECT_EQ(FitPercent(kFitHeight, client, face, 50).percent, 100);  // 100 × 200 / 200
    EXPECT_EQ(FitPercent(kFitWholePage, client, face, 50).percent, 100);
    // Not limited to 10..300, either way.
    EXPECT_EQ(FitPercent(kFitWidth, QSize(4060, 100), face, 50).percent, 1000);
    const FitResult tiny = FitPercent(kFitWholePage, QSize(70, 70), face, 50);
    EXPECT_TRUE(tiny.valid);
    EXPECT_EQ(tiny.percent, 2);  // 100 × 10 / 400, rounded down
    EXPECT_LE(FitPercent(kFitWholePage, QSize(40, 40), face, 50).percent, 0);
}

TEST(FitZoomTest, FacesOfNoSizeAndOtherRowsGiveNothing) {
    EXPECT_FALSE(FitPercent(kFitWholePage, QSize(800, 600), QSize(0, 0), 25).valid);
    EXPECT_FALSE(FitPercent(kFitWidth, QSize(800, 600), QSize(0, 100), 25).valid);
    // A face below one pixel at 100 % is no face either.
    EXPECT_FALSE(FitPercent(kFitWidth, QSize(800, 600), QSize(2, 2), 300).valid);
    EXPECT_FALSE(FitPercent(kNoZoomRow, QSize(800, 600), QSize(100, 100), 25).valid);
    EXPECT_FALSE(FitPercent(5, QSize(800, 600), QSize(100, 100), 25).valid);
    EXPECT_FALSE(FitPercent(kFitWidth, QSize(800, 600), QSize(100, 100), 0).valid);
}

TEST(ScrollRangeTest, FitModesAndSmallFacesDoNotScroll) {
    const QSize client(500, 400);
    const QSize face(1000, 900);
    EXPECT_EQ(ScrollRangeFor(client, face, kNoZoomRow), QSize(560, 560));
    EXPECT_EQ(ScrollRangeFor(client, face, 7), QSize(560, 560));
    EXPECT_EQ(ScrollRangeFor(client, face, kFitWidth), QSize(0, 560));
    EXPECT_EQ(ScrollRangeFor(client, face, kFitHeight), QSize(560, 0));
    EXPECT_EQ(ScrollRangeFor(client, face, kFitWholePage), QSize(0, 0));
    EXPECT_EQ(ScrollRangeFor(client, QSize(300, 300), kNoZoomRow), QSize(0, 0));
    EXPECT_EQ(ScrollRangeFor(client, QSize(), kNoZoomRow), QSize(0, 0));
}

TEST(PageOriginTest, CardsLeaveRoomForTheirFlap) {
    Document doc;
    doc.isCard = kPageSet;
    EXPECT_EQ(PageOriginFor(doc, QSize(397, 561)), QPoint(30, 30));
    doc.isCard = kCard;
    EXPECT_EQ(PageOriginFor(doc, QSize(397, 561)), QPoint(69, 86));
}

TEST(PageRectTest, FaceSizesOfFoldsAndPageSets) {
    Document doc;
    EXPECT_TRUE(PageRect(doc, 100, kPpm96).isEmpty());
    doc.isCard = kCard;
    doc.paperSize = 1;  // A4, 210 × 297 mm: 793.7 × 1122.5 pixels at 96 dpi
    doc.cardType = 0;
    EXPECT_EQ(PageRect(doc, 100, kPpm96), QRect(0, 0, 794, 562));
    doc.cardType = 1;
    doc.orientation = 1;
    EXPECT_EQ(PageRect(doc, 100, kPpm96), QRect(0, 0, 562, 794));
    doc.cardType = 4;
    doc.orientation = 0;
    EXPECT_EQ(PageRect(doc, 100, kPpm96), QRect(0, 0, 397, 562));
    EXPECT_EQ(WidenedPageRect(doc, 100, kPpm96), QRect(-39, -56, 475, 674));
    doc.isCard = kPageSet;
    doc.tilesAcross = 3;
    doc.tilesDown = 2;
    EXPECT_EQ(PageRect(doc, 50, kPpm96), QRect(0, 0, 1191, 1123));
    EXPECT_EQ(WidenedPageRect(doc, 50, kPpm96), PageRect(doc, 50, kPpm96));
}

}  // namespace
}  // namespace quenby::test
