#include "view/PageViewPainter.h"

#include "document/Document.h"
#include "print/PaperLayout.h"
#include "view/FaceDecorations.h"
#include "view/ViewGeometry.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <array>

namespace quenby::test {
namespace {

// Four pixels a millimetre and 100 % zoom keep the arithmetic in whole pixels:
// a document unit is then a quarter pixel and a millimetre four pixels.
constexpr double kPpm = 4.0;
const QColor kPageBlue(200, 220, 255);
const QColor kWhitePixel(255, 255, 255);
const QColor kGrey225(225, 225, 225);

// Printable area with different margins on every side, in pixels: left 10, top 20,
// right 30, bottom 40, on a sheet of `sheetPx` pixels; returned in document units.
QRect AsymmetricPrintable(QSize sheetPx) {
    return QRect(10 * 4, 20 * 4, (sheetPx.width() - 40) * 4, (sheetPx.height() - 60) * 4);
}

struct Rendered {
    QImage image;
    QRect face;
};

Rendered Render(const Document& doc, QRect printableUnits = {}, QSize size = QSize(1400, 1400),
                QPoint scroll = {}) {
    PageViewState state;
    state.zoomPercent = 100;
    state.pixelsPerMm = kPpm;
    state.scroll = scroll;
    state.clientRect = QRect(QPoint(0, 0), size);
    state.printableDocUnits = printableUnits;
    Rendered r{QImage(size, QImage::Format_RGB32), {}};
    r.image.fill(Qt::magenta);
    QPainter painter(&r.image);
    r.face = PaintPageView(painter, doc, state);
    return r;
}

bool Is(const QImage& image, int x, int y, const QColor& c) {
    return image.rect().contains(x, y) && image.pixelColor(x, y) == c;
}

// How many of the pixels on the segment from (x0, y0) to (x1, y1) (horizontal or
// vertical) have colour `c`.
int CountOnSegment(const QImage& image, int x0, int y0, int x1, int y1, const QColor& c) {
    int n = 0;
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int k = 0; k <= steps; ++k) {
        const int x = x0 + (x1 - x0) * k / std::max(steps, 1);
        const int y = y0 + (y1 - y0) * k / std::max(steps, 1);
        n += Is(image, x, y, c) ? 1 : 0;
    }
    return n;
}

int CountInRect(const QImage& image, const QRect& r, const QColor& c) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += Is(image, x, y, c) ? 1 : 0;
        }
    }
    return n;
}

void MakePageSet(Document& doc, int across, int down) {
    doc.isCard = kPageSet;
    doc.paperSize = 2;  // A5: 592 × 840 pixels a sheet
    doc.tilesAcross = std::uint16_t(across);
    doc.tilesDown = std::uint16_t(down);
    doc.pageColour = FromQColor(kPageBlue);
    doc.showMargins = false;
}

void MakeCard(Document& doc, int fold, int face, int orientation) {
    doc.isCard = kCard;
    doc.paperSize = 1;  // A4: 840 × 1188 pixels a sheet
    doc.cardType = std::uint16_t(fold);
    doc.currentPage = std::uint8_t(face);
    doc.orientation = std::uint16_t(orientation);
    doc.pageColour = FromQColor(kPageBlue);
}

TEST(PageViewRenderTest, DocumentWithoutLayoutShowsTheBareDesk) {
    Document doc;
    const Rendered r = Render(doc, {}, QSize(200, 150));
    EXPECT_TRUE(r.face.isEmpty());
    EXPECT_EQ(CountInRect(r.image, r.image.rect(), view::kDeskColour), 200 * 150);
}

TEST(PageViewRenderTest, PageSetTilesAreDividedByWhiteDottedLines) {
    Document threeDoc;
    MakePageSet(threeDoc, 3, 1);
    const Rendered three = Render(threeDoc, {}, QSize(1900, 950));
    ASSERT_EQ(three.face, QRect(30, 30, 1776, 840));
    const int tile = three.face.width() / 3;
    const int top = three.face.top();
    const int bottom = three.face.bottom();
    for (int k = 1; k <= 2; ++k) {
        const int x = three.face.left() + k * tile;
        const int white = CountOnSegment(three.image, x, top, x, bottom, kWhitePixel);
        EXPECT_GT(white, 840 / 4) << "divider " << k;
        EXPECT_LT(white, 840) << "divider " << k << " is dotted";
    }
    // Nothing white anywhere else on the face.
    int elsewhere = CountInRect(three.image, three.face, kWhitePixel);
    for (int k = 1; k <= 2; ++k) {
        const int x = three.face.left() + k * tile;
        elsewhere -= CountOnSegment(three.image, x, top, x, bottom, kWhitePixel);
    }
    EXPECT_EQ(elsewhere, 0);

    Document oneDoc;
    MakePageSet(oneDoc, 1, 2);
    const Rendered one = Render(oneDoc, {}, QSize(700, 1800));
    EXPECT_EQ(CountInRect(one.image, QRect(one.face.left(), one.face.top(), one.face.width(), 800),
                          kWhitePixel),
              0);
    const int y = one.face.top() + one.face.height() / 2;
    EXPECT_GT(CountOnSegment(one.image, one.face.left(), y, one.face.right(), y, kWhitePixel), 100);
}

TEST(PageViewRenderTest, PageSetCastsAShadowAndShowsThePrintableAreaOfEveryTile) {
    Document doc;
    MakePageSet(doc, 2, 1);
    doc.showMargins = true;
    const Rendered r = Render(doc, AsymmetricPrintable(QSize(592, 840)), QSize(1300, 950));
    const QRect& f = r.face;
    // The shadow: eight pixels down and right, black; none at the other corners.
    EXPECT_TRUE(Is(r.image, f.right() + 4, f.bottom() + 4, Qt::black));
    EXPECT_TRUE(Is(r.image, f.left() + 2, f.bottom() + 4, view::kDeskColour));
    EXPECT_TRUE(Is(r.image, f.right() + 4, f.top() + 2, view::kDeskColour));
    for (int tile = 0; tile < 2; ++tile) {
        const int left = f.left() + tile * 592;
        // Left margin 10, top 20, right 30, bottom 40 in each tile.
        EXPECT_GT(
            CountOnSegment(r.image, left + 10, f.top() + 30, left + 10, f.top() + 700, kWhitePixel),
            100);
        EXPECT_GT(CountOnSegment(r.image, left + 592 - 31, f.top() + 30, left + 592 - 31,
                                 f.top() + 700, kWhitePixel),
                  100);
        EXPECT_GT(
            CountOnSegment(r.image, left + 20, f.top() + 20, left + 500, f.top() + 20, kWhitePixel),
            100);
        EXPECT_GT(CountOnSegment(r.image, left + 20, f.top() + 840 - 41, left + 500,
                                 f.top() + 840 - 41, kWhitePixel),
                  100);
    }
}

TEST(PageViewRenderTest, ScrollingMovesTheCanvasUnderTheWindow) {
    Document stillDoc;
    MakePageSet(stillDoc, 1, 1);
    const Rendered still = Render(stillDoc, {}, QSize(400, 400));
    Document scrolledDoc;
    MakePageSet(scrolledDoc, 1, 1);
    const Rendered scrolled = Render(scrolledDoc, {}, QSize(400, 400), QPoint(100, 50));
    EXPECT_EQ(still.face, scrolled.face);  // canvas coordinates do not scroll
    EXPECT_EQ(scrolled.image.copy(0, 0, 200, 200), still.image.copy(100, 50, 200, 200));
}

// The corner where the dog-ear folds the face, by fold and face, and the face edge
// that carries the flap (0 top, 1 right, 2 bottom, 3 left).
enum Corner { TopRight, BottomRight, BottomLeft };
constexpr std::array<std::array<Corner, 4>, 6> kDogEarCorner = {{
    {BottomRight, TopRight, BottomRight, BottomLeft},
    {BottomRight, BottomLeft, BottomRight, BottomLeft},
    {BottomRight, BottomLeft, BottomRight, BottomLeft},
    {BottomRight, TopRight, BottomRight, BottomLeft},
    {BottomRight, BottomLeft, BottomRight, BottomLeft},
    {BottomRight, TopRight, BottomRight, BottomLeft},
}};
constexpr std::array<std::array<int, 4>, 6> kFlapEdge = {{
    {1, 2, 0, 3},
    {2, 1, 3, 2},
    {2, 1, 3, 2},
    {1, 2, 0, 3},
    {2, 1, 3, 2},
    {1, 2, 0, 3},
}};

TEST(PageViewRenderTest, DogEarAndFlapSitWhereEveryFoldAndFaceTurns) {
    for (int fold = 0; fold < 6; ++fold) {
        for (int face = 0; face < 4; ++face) {
            SCOPED_TRACE(testing::Message() << "fold " << fold << " face " << face);
            Document doc;
            MakeCard(doc, fold, face, Document::OrientationForCardType(fold));
            const Rendered r = Render(doc);
            const QRect& f = r.face;
            const int d = std::min(f.width() / 20, f.height() / 20);

            // Grey of the dog-ear just inside its corner, page colour in the others.
            const std::array<QPoint, 3> inside = {QPoint(f.right() - d + 2, f.top() + d - 2),
                                                  QPoint(f.right() - d + 2, f.bottom() - d + 3),
                                                  QPoint(f.left() + d - 2, f.bottom() - d + 3)};
            const Corner expected = kDogEarCorner[fold][face];
            for (int c = 0; c < 3; ++c) {
                const QColor want = c == expected ? kGrey225 : kPageBlue;
                EXPECT_TRUE(Is(r.image, inside[c].x(), inside[c].y(), want)) << "corner " << c;
            }
            // The corner itself is cut away to the desk.
            const QPoint tip = expected == TopRight      ? QPoint(f.right() - 1, f.top() + 1)
                               : expected == BottomRight ? QPoint(f.right() - 1, f.bottom() - 1)
                                                         : QPoint(f.left() + 1, f.bottom() - 1);
            EXPECT_TRUE(Is(r.image, tip.x(), tip.y(), view::kDeskColour));

            // The flap's grey lies outside the face along one edge only.
            const int dx = f.width() / 10;
            const int dy = f.height() / 10;
            const std::array<QRect, 4> bands = {QRect(f.left(), f.top() - dy, f.width(), dy),
                                                QRect(f.right() + 1, f.top(), dx, f.height()),
                                                QRect(f.left(), f.bottom() + 1, f.width(), dy),
                                                QRect(f.left() - dx, f.top(), dx, f.height())};
            for (int edge = 0; edge < 4; ++edge) {
                const int grey = CountInRect(r.image, bands[edge], kGrey225);
                if (edge == kFlapEdge[fold][face]) {
                    EXPECT_GT(grey, dx * dy / 4) << "edge " << edge;
                } else {
                    EXPECT_EQ(grey, 0) << "edge " << edge;
                }
            }
        }
    }
}

TEST(PageViewRenderTest, FrontOfAHalfFoldShowsTheSheetsLowerMargins) {
    // Fold 0, portrait: the front is the bottom half of the sheet, upright.
    Document doc;
    MakeCard(doc, 0, 0, 0);
    const Rendered r = Render(doc, AsymmetricPrintable(QSize(840, 1188)));
    const QRect& f = r.face;
    ASSERT_EQ(f.size(), QSize(840, 594));
    EXPECT_GT(CountOnSegment(r.image, f.left() + 10, f.top() + 60, f.left() + 10, f.top() + 500,
                             kWhitePixel),
              100);
    EXPECT_GT(CountOnSegment(r.image, f.right() - 30, f.top() + 60, f.right() - 30, f.top() + 500,
                             kWhitePixel),
              100);
    EXPECT_GT(CountOnSegment(r.image, f.left() + 60, f.bottom() - 40, f.left() + 700,
                             f.bottom() - 40, kWhitePixel),
              100);
    // The top margin lies on the back, out of this face.
    EXPECT_EQ(CountOnSegment(r.image, f.left() + 60, f.top() + 20, f.left() + 700, f.top() + 20,
                             kWhitePixel),
              0);
}

TEST(PageViewRenderTest, TurnedQuarterShowsTheSheetsRightAndTopMarginsTurned) {
    // Fold 2, landscape: the inside front is the top-right quarter, printed turned,
    // so the sheet's right edge comes to the face's left and its top to the bottom.
    Document doc;
    MakeCard(doc, 2, 1, 1);
    const Rendered r = Render(doc, AsymmetricPrintable(QSize(1188, 840)));
    const QRect& f = r.face;
    ASSERT_EQ(f.size(), QSize(594, 420));
    EXPECT_GT(CountOnSegment(r.image, f.left() + 30, f.top() + 60, f.left() + 30, f.top() + 300,
                             kWhitePixel),
              60);
    EXPECT_GT(CountOnSegment(r.image, f.left() + 60, f.bottom() - 20, f.left() + 500,
                             f.bottom() - 20, kWhitePixel),
              100);
    // Only those two lines: the rest of the face carries no white at all.
    const int total = CountInRect(r.image, f, kWhitePixel);
    const int onLines = CountOnSegment(r.image, f.left() + 30, f.top(), f.left() + 30,
                                       f.bottom() - 20, kWhitePixel) +
                        CountOnSegment(r.image, f.left() + 31, f.bottom() - 20, f.right(),
                                       f.bottom() - 20, kWhitePixel);
    EXPECT_EQ(total, onLines);
}

TEST(PageViewRenderTest, CardMarginsNeverLeaveTheFace) {
    for (int fold = 0; fold < 6; ++fold) {
        for (int face = 0; face < 4; ++face) {
            for (int orientation = 0; orientation < 2; ++orientation) {
                SCOPED_TRACE(testing::Message() << "fold " << fold << " face " << face
                                                << " orientation " << orientation);
                Document doc;
                MakeCard(doc, fold, face, orientation);
                const QSize sheet = orientation ? QSize(1188, 840) : QSize(840, 1188);
                const Rendered r = Render(doc, AsymmetricPrintable(sheet));
                const int all = CountInRect(r.image, r.image.rect(), kWhitePixel);
                EXPECT_GT(all, 0);
                EXPECT_EQ(CountInRect(r.image, r.face, kWhitePixel), all);
            }
        }
    }
}

TEST(PageViewRenderTest, DotGridRunsThroughTheMeasuringOrigin) {
    Document doc;
    MakePageSet(doc, 1, 1);
    doc.viewSwitchA = true;
    doc.gridSpacingX = 5;   // 20 pixels
    doc.gridSpacingY = 10;  // 40 pixels
    Rendered r = Render(doc, {}, QSize(700, 900));
    const QRect& f = r.face;
    EXPECT_TRUE(Is(r.image, f.left(), f.top(), Qt::black));
    EXPECT_TRUE(Is(r.image, f.left() + 20, f.top() + 40, Qt::black));
    EXPECT_TRUE(Is(r.image, f.left() + 20, f.top() + 20, kPageBlue));
    EXPECT_TRUE(Is(r.image, f.left() + 10, f.top(), kPageBlue));
    // 30 columns and 21 rows of points fill the 592 × 840 face.
    EXPECT_EQ(CountInRect(r.image, f, Qt::black), 30 * 21);

    doc.originX = 40;  // ten pixels: half a spacing
    r = Render(doc, {}, QSize(700, 900));
    EXPECT_TRUE(Is(r.image, f.left() + 10, f.top(), Qt::black));
    EXPECT_TRUE(Is(r.image, f.left(), f.top(), kPageBlue));
}

TEST(PageViewRenderTest, GridOfNoSpacingFromADamagedFileIsLeftOut) {
    Document doc;
    MakePageSet(doc, 1, 1);
    doc.viewSwitchA = true;
    doc.gridSpacingX = 0;
    doc.gridSpacingY = -3;
    const Rendered r = Render(doc, {}, QSize(700, 900));
    EXPECT_EQ(CountInRect(r.image, r.face, Qt::black), 0);
}

}  // namespace
}  // namespace quenby::test
