// Paper sizes, face sizes, where every face of every fold lands on the sheet, the
// tiling of page sets, fold lines and the printable-area outline.
#include "PrintTestSupport.h"

#include "platform/widgets/PrinterObject.h"
#include "print/PaperLayout.h"
#include "print/PrintableArea.h"
#include "print/SheetLayout.h"
#include "print/SheetPainter.h"
#include "print/dialogs/PreviewFrame.h"
#include "print/dialogs/PrintCommands.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quenby {
namespace {

using Row = std::tuple<int, QPoint, bool>;  // face, origin, turned

std::vector<Row> Rows(const std::vector<FacePlacement>& placements) {
    std::vector<Row> rows;
    for (const FacePlacement& p : placements) {
        rows.emplace_back(p.face, p.origin, p.turned);
    }
    return rows;
}

const QSize kSheet(2000, 3000);

TEST(PaperLayout, SheetAndFaceSizesFollowPaperOrientationAndFold) {
    auto card = test::MakeCard(0);  // A4 portrait, half horizontal
    EXPECT_EQ(SheetSizeMm(*card), QSizeF(210, 297));
    // At 100 % and one pixel per millimetre the face is 210 × 148.5, taken up.
    EXPECT_EQ(PageRect(*card, 100, 1.0), QRect(0, 0, 210, 149));

    auto vertical = test::MakeCard(1);  // landscape: 297 × 210, half width
    EXPECT_EQ(SheetSizeMm(*vertical), QSizeF(297, 210));
    EXPECT_EQ(PageRect(*vertical, 100, 1.0), QRect(0, 0, 149, 210));

    auto quarter = test::MakeCard(4);
    EXPECT_EQ(PageRect(*quarter, 100, 1.0), QRect(0, 0, 105, 149));

    auto poster = test::MakePageSet(2, 3, 2);  // A5 portrait
    EXPECT_EQ(PageRect(*poster, 50, 2.0), QRect(0, 0, 296, 630));

    Document none;
    EXPECT_TRUE(PageRect(none, 100, 1.0).isEmpty());
}

TEST(PaperLayout, TableRowsAndTheCustomSizeRange) {
    EXPECT_EQ(PaperTable::Row(1).printerPaperCode, 9);
    EXPECT_EQ(PaperTable::Row(3).widthMm, 215.9);
    EXPECT_EQ(PaperTable::Row(4).printerPaperCode, 27);
    EXPECT_EQ(PaperTable::Row(5).printerPaperCode, 31);
    EXPECT_EQ(PaperTable::Row(99).widthMm, 210);  // out of the table: A4
    EXPECT_EQ(PaperTable::ListText(0), QStringLiteral("A3"));
    EXPECT_EQ(PaperTable::ListText(6), QStringLiteral("Personalizado"));

    EXPECT_EQ(PaperPaneText(1), QStringLiteral("Tamaño de papel = 210.0mm x 297.0mm"));
    EXPECT_EQ(PaperPaneText(3), QStringLiteral("Tamaño de papel = 215.9mm x 279.4mm"));

    EXPECT_FALSE(PaperTable::IsCustomSizeAccepted(49, 200));
    EXPECT_TRUE(PaperTable::IsCustomSizeAccepted(50, 500));
    EXPECT_FALSE(PaperTable::IsCustomSizeAccepted(200, 501));

    const QSizeF before = PaperTable::CustomSizeMm();
    PaperTable::SetCustomSizeMm({120, 180});
    EXPECT_EQ(PaperTable::Row(6).widthMm, 120);
    EXPECT_EQ(PaperTable::Row(6).printerPaperCode, 9);
    PaperTable::SetCustomSizeMm({10, 9000});  // kept within the range
    EXPECT_EQ(PaperTable::CustomSizeMm(), QSizeF(50, 500));
    PaperTable::SetCustomSizeMm(before);
}

TEST(SheetLayout, HalfFoldsPlaceBackAndFrontThenTheInsideOnTheSecondSide) {
    // Fold 0: back upside down on top, front below; inside front on top, inside back below.
    EXPECT_EQ(Rows(CardSidePlacements(0, false, kSheet)),
              (std::vector<Row>{{kBack, {0, 0}, true}, {kFront, {0, 1500}, false}}));
    EXPECT_EQ(Rows(CardSidePlacements(0, true, kSheet)),
              (std::vector<Row>{{kInsideFront, {0, 0}, false}, {kInsideBack, {0, 1500}, false}}));
    EXPECT_EQ(CardSidePlacements(0, false, kSheet)[0].turnCentre, QPoint(1000, 750));

    EXPECT_EQ(Rows(CardSidePlacements(1, false, kSheet)),
              (std::vector<Row>{{kBack, {0, 0}, false}, {kFront, {1000, 0}, false}}));
    EXPECT_EQ(Rows(CardSidePlacements(1, true, kSheet)),
              (std::vector<Row>{{kInsideFront, {0, 0}, false}, {kInsideBack, {1000, 0}, false}}));
}

TEST(SheetLayout, QuarterFoldsPlaceAllFourFacesOnOneSide) {
    const std::vector<Row> side{{kFront, {1000, 1500}, false},
                                {kInsideFront, {1000, 0}, true},
                                {kInsideBack, {0, 0}, true},
                                {kBack, {0, 1500}, false}};
    const std::vector<Row> top{{kFront, {1000, 1500}, false},
                               {kInsideFront, {0, 1500}, true},
                               {kInsideBack, {0, 0}, true},
                               {kBack, {1000, 0}, true}};
    for (int fold : {2, 4}) {
        EXPECT_EQ(Rows(CardSidePlacements(fold, false, kSheet)), side) << fold;
        EXPECT_TRUE(CardSidePlacements(fold, true, kSheet).empty());
    }
    for (int fold : {3, 5}) {
        EXPECT_EQ(Rows(CardSidePlacements(fold, false, kSheet)), top) << fold;
        EXPECT_TRUE(CardSidePlacements(fold, true, kSheet).empty());
    }
    for (const FacePlacement& p : CardSidePlacements(3, false, kSheet)) {
        if (p.turned) {
            EXPECT_EQ(p.turnCentre, QPoint(500, 750));
        }
    }
    // Odd sizes halve with integer division.
    EXPECT_EQ(CardSidePlacements(2, false, {2001, 3001})[0].origin, QPoint(1000, 1500));
}

TEST(SheetLayout, PageSetsRunDownEachColumnFirst) {
    auto doc = test::MakePageSet(2, 3);
    EXPECT_EQ(PrintPageCount(*doc), 6);
    EXPECT_EQ(PreviewSheetCount(*doc), 6);
    std::vector<std::pair<int, int>> order;
    for (int page = 1; page <= 6; ++page) {
        const TilePosition t = TileForPage(page, doc->tilesDown);
        order.emplace_back(t.column, t.row);
    }
    EXPECT_EQ(order,
              (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}}));
    // Page 4 shows column 1, row 0: the canvas moves one sheet to the left.
    EXPECT_EQ(TilePlacement(*doc, 4, kSheet).origin, QPoint(-2000, 0));
    EXPECT_EQ(TilePlacement(*doc, 6, kSheet).origin, QPoint(-2000, -6000));

    auto wide = test::MakePageSet(3, 2);
    EXPECT_EQ(TileForPage(5, wide->tilesDown).column, 2);
    EXPECT_EQ(TileForPage(5, wide->tilesDown).row, 0);
}

TEST(SheetLayout, CountsOutsideTheRangeAreClamped) {
    EXPECT_EQ(ClampTileCount(0), 1);
    EXPECT_EQ(ClampTileCount(-7), 1);
    EXPECT_EQ(ClampTileCount(11), 10);
    auto doc = test::MakePageSet(0, 400);  // as a damaged file might hold
    EXPECT_EQ(PrintPageCount(*doc), 10);
    EXPECT_EQ(TileForPage(3, 0).row, 0);  // no division by zero
    EXPECT_EQ(TileForPage(3, 0).column, 2);
}

TEST(SheetLayout, SheetCountsOfCards) {
    EXPECT_EQ(PreviewSheetCount(*test::MakeCard(0)), 2);
    EXPECT_EQ(PreviewSheetCount(*test::MakeCard(1)), 2);
    EXPECT_EQ(PreviewSheetCount(*test::MakeCard(3)), 1);
    EXPECT_EQ(PrintPageCount(*test::MakeCard(0)), 1);
}

TEST(SheetLayout, FoldLinesStopATenthShortOfTheEdges) {
    EXPECT_EQ(FoldLines(0, kSheet), (std::vector<QLine>{QLine(200, 1500, 1800, 1500)}));
    EXPECT_EQ(FoldLines(1, kSheet), (std::vector<QLine>{QLine(1000, 300, 1000, 2700)}));
    EXPECT_EQ(FoldLines(4, kSheet),
              (std::vector<QLine>{QLine(1000, 300, 1000, 2700), QLine(200, 1500, 1800, 1500)}));
}

TEST(SheetLayout, DrawingZoomAndPreviewFit) {
    // 300 dpi printer, 96 dpi screen: floor(100 × 11.81 / 3.78) = 312.
    EXPECT_EQ(DrawingZoom(300 / 25.4, 96 / 25.4), 312);
    EXPECT_EQ(DrawingZoom(0, 96 / 25.4), 0);
    EXPECT_EQ(DrawingZoom(300 / 25.4, 0), 0);
    // Whole ratios stay whole through the millimetre conversions: 600 over 96 dpi is
    // 625 (624.99999… before rounding), 1200 over 96 is 1250, 96 over 96 is 100.
    EXPECT_EQ(DrawingZoom(600 / 25.4, 96 / 25.4), 625);
    EXPECT_EQ(DrawingZoom(1200 / 25.4, 96 / 25.4), 1250);
    EXPECT_EQ(DrawingZoom(96 / 25.4, 96 / 25.4), 100);
    EXPECT_EQ(DrawingZoom(720 / 25.4, 120 / 25.4), 600);
    // A ratio truly short of a whole number is still floored.
    EXPECT_EQ(DrawingZoom(624.99 / 25.4, 100 / 25.4), 624);

    // Portrait sheet: as high as fits, centred.
    EXPECT_EQ(PreviewPageRect({830, 630}, {2100, 2970}), QRect(203, 15, 424, 600));
    // Portrait sheet in a narrow area: as wide as fits.
    EXPECT_EQ(PreviewPageRect({230, 630}, {2100, 2970}), QRect(15, 174, 200, 282));
    // Landscape sheet: as wide as fits, unless too high.
    EXPECT_EQ(PreviewPageRect({630, 830}, {2970, 2100}), QRect(15, 203, 600, 424));
    EXPECT_EQ(PreviewPageRect({2000, 430}, {2970, 2100}), QRect(717, 15, 565, 400));
    EXPECT_TRUE(PreviewPageRect({800, 600}, {0, 0}).isEmpty());
}

TEST(PrintableArea, DotsBecomeDocumentUnitsAndLandscapeExchangesAxes) {
    PrinterCaps caps;
    caps.dpiX = caps.dpiY = 254;  // 10 dots per millimetre
    caps.offsetX = 50;            // 5 mm
    caps.offsetY = 100;           // 10 mm
    caps.printableWidth = 2000;   // 200 mm
    caps.printableHeight = 2770;  // 277 mm
    // One pixel per millimetre: 4 units per millimetre.
    EXPECT_EQ(PrintableAreaDocUnits(caps, 0, 1.0), QRect(QPoint(20, 40), QPoint(819, 1147)));
    EXPECT_EQ(PrintableAreaDocUnits(caps, 1, 1.0), QRect(QPoint(40, 20), QPoint(1147, 819)));
    PrinterCaps broken;
    EXPECT_TRUE(PrintableAreaDocUnits(broken, 0, 1.0).isEmpty());
}

TEST(PrintableArea, EmptyWhileThePrintSetUpIsOpen) {
    PrinterObject printer;
    printer.SetPdfOutputFile(QStringLiteral("/tmp/unused.pdf"));
    auto doc = test::MakeCard(0);
    // The PDF-file printer prints to the edge: the whole A4 sheet.
    const QRect area = PrintableAreaDocUnits(printer, *doc, 1.0);
    EXPECT_EQ(area.topLeft(), QPoint(0, 0));
    EXPECT_NEAR(area.width(), 840, 1);
    EXPECT_NEAR(area.height(), 1188, 1);
    SetPrintSetupOpen(true);
    EXPECT_TRUE(PrintableAreaDocUnits(printer, *doc, 1.0).isEmpty());
    SetPrintSetupOpen(false);
}

}  // namespace
}  // namespace quenby
