// What a printed sheet gets drawn where: faces recorded at their device origins,
// the page colour inside the printable area only, fold lines, and a printer that
// reports nothing.
#include "PrintTestSupport.h"

#include "document/ElementOwner.h"
#include "platform/DeviceContext.h"
#include "platform/widgets/PrinterObject.h"
#include "print/SheetPainter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace quenby {
namespace {

struct Drawn {
    int face;
    QPoint deviceOrigin;
    bool turned;
    int zoom;
    bool printing;
};

// Records, for every face drawn, where the face's (0, 0) is on the device, with
// the view the elements of the face are drawn through.
struct Recorder {
    std::vector<Drawn> drawn;
    FaceDrawer Drawer() {
        return [this](const Document&, DeviceContext& dc, const ElementOwner& view,
                      const FacePlacement& p) {
            drawn.push_back({p.face, dc.Painter().worldTransform().map(QPoint(0, 0)), p.turned,
                             view.ZoomPercent(), view.IsPrinting()});
        };
    }
};

SheetGeometry Printer(QSize sheet, QPoint offset, QSize printable, int zoom = 100) {
    SheetGeometry g;
    g.sheet = sheet;
    g.offset = offset;
    g.printable = printable;
    g.zoomPercent = zoom;
    return g;
}

std::unique_ptr<Document> CardWithABoxOnEveryFace(int fold) {
    auto doc = test::MakeCard(fold);
    for (int face = 0; face < 4; ++face) {
        test::AddBox(*doc, face, 0, 0, 40, 40);
    }
    return doc;
}

TEST(SheetDrawing, FacesAreDrawnAtTheirSheetPositionsLessThePrinterOffsets) {
    auto doc = CardWithABoxOnEveryFace(3);
    doc->currentPage = 2;
    const std::vector<DocPoint> corners = [&] {
        std::vector<DocPoint> c;
        for (const Element& e : doc->elements)
            c.push_back(e.corners[0]);
        return c;
    }();
    QImage image(200, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    Recorder recorder;
    DrawSheet(*doc, painter, Printer({200, 300}, {10, 20}, {180, 260}, 312), {}, recorder.Drawer());
    ASSERT_EQ(recorder.drawn.size(), 4u);
    EXPECT_EQ(recorder.drawn[0].face, kFront);
    EXPECT_EQ(recorder.drawn[0].deviceOrigin, QPoint(90, 130));
    EXPECT_EQ(recorder.drawn[1].deviceOrigin, QPoint(-10, 130));  // inside front, turned
    EXPECT_TRUE(recorder.drawn[1].turned);
    EXPECT_EQ(recorder.drawn[2].deviceOrigin, QPoint(-10, -20));
    EXPECT_EQ(recorder.drawn[3].deviceOrigin, QPoint(90, -20));
    for (const Drawn& d : recorder.drawn) {
        EXPECT_EQ(d.zoom, 312);  // the elements are drawn at the printer's zoom ...
        EXPECT_TRUE(d.printing);
    }
    // ... and the document keeps its face and its elements as they were.
    EXPECT_EQ(doc->currentPage, 2);
    std::size_t i = 0;
    for (const Element& e : doc->elements) {
        EXPECT_EQ(e.corners[0], corners[i++]);
    }
}

TEST(SheetDrawing, SecondSideAndPageSetTiles) {
    auto card = CardWithABoxOnEveryFace(0);
    QImage image(100, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    Recorder recorder;
    SheetOptions second;
    second.secondSide = true;
    DrawSheet(*card, painter, Printer({100, 100}, {}, {100, 100}), second, recorder.Drawer());
    ASSERT_EQ(recorder.drawn.size(), 2u);
    EXPECT_EQ(recorder.drawn[0].face, kInsideFront);
    EXPECT_EQ(recorder.drawn[1].face, kInsideBack);
    EXPECT_EQ(recorder.drawn[1].deviceOrigin, QPoint(0, 50));

    auto poster = test::MakePageSet(2, 2);
    test::AddBox(*poster, 0, 0, 0, 10, 10);
    std::vector<QPoint> origins;
    for (int page = 1; page <= 4; ++page) {
        Recorder r;
        SheetOptions o;
        o.pageNumber = page;
        DrawSheet(*poster, painter, Printer({100, 100}, {5, 5}, {90, 90}), o, r.Drawer());
        ASSERT_EQ(r.drawn.size(), 1u);
        origins.push_back(r.drawn[0].deviceOrigin);
    }
    EXPECT_EQ(origins, (std::vector<QPoint>{{-5, -5}, {-5, -105}, {-105, -5}, {-105, -105}}));
}

TEST(SheetDrawing, PageColourFillsOnlyThePrintableArea) {
    auto doc = test::MakeCard(2);
    QImage image(100, 100, QImage::Format_RGB32);
    // The image stands for the whole sheet; the device's origin sits at the offset.
    auto draw = [&](ColourRef colour) {
        doc->pageColour = colour;
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(10, 10);
        DrawSheet(*doc, painter, Printer({100, 100}, {10, 10}, {80, 80}), {});
    };
    draw(MakeColourRef(255, 0, 0));
    EXPECT_EQ(image.pixelColor(50, 50), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(89, 89), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(95, 50), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(50, 92), QColor(Qt::white));

    draw(kWhite);
    QImage white(100, 100, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(image, white);
}

TEST(SheetDrawing, FoldLinesOnCardsWhenAskedOnly) {
    auto doc = test::MakeCard(4);
    QImage image(200, 200, QImage::Format_RGB32);
    auto draw = [&](Document& d, bool foldLines) {
        image.fill(Qt::white);
        QPainter painter(&image);
        SheetOptions o;
        o.foldLines = foldLines;
        DrawSheet(d, painter, Printer({200, 200}, {}, {200, 200}), o);
    };
    auto blackIn = [&](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += image.pixelColor(x, y) == QColor(Qt::black);
        return n;
    };
    doc->printFoldLines = false;
    draw(*doc, true);
    EXPECT_EQ(blackIn(image.rect()), 0);

    doc->printFoldLines = true;
    draw(*doc, true);
    EXPECT_GT(blackIn({100, 30, 1, 140}), 30);   // dotted vertical line at w/2
    EXPECT_GT(blackIn({30, 100, 140, 1}), 30);   // dotted horizontal line at h/2
    EXPECT_LT(blackIn({100, 30, 1, 140}), 140);  // dotted, not solid
    EXPECT_EQ(blackIn({100, 0, 1, 19}), 0);      // a tenth short of the edge
    EXPECT_EQ(blackIn({0, 0, 99, 99}), 0);

    draw(*doc, false);  // the preview never draws them
    EXPECT_EQ(blackIn(image.rect()), 0);

    auto half = test::MakeCard(0);
    half->printFoldLines = true;
    draw(*half, true);
    EXPECT_EQ(blackIn({100, 0, 1, 99}), 0);  // only the horizontal line
    EXPECT_GT(blackIn({30, 100, 140, 1}), 30);

    auto poster = test::MakePageSet(1, 1);
    poster->printFoldLines = true;
    draw(*poster, true);
    EXPECT_EQ(blackIn(image.rect()), 0);
}

TEST(SheetDrawing, APrinterThatReportsNothingGetsAnEmptyPage) {
    auto doc = CardWithABoxOnEveryFace(2);
    doc->pageColour = kBlack;
    doc->printFoldLines = true;
    PrinterCaps nothing;
    const SheetGeometry g = SheetGeometry::ForPrinter(nothing, 96 / 25.4);
    EXPECT_EQ(g.zoomPercent, 0);
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Recorder recorder;
    DrawSheet(*doc, painter, g, {}, recorder.Drawer());
    painter.end();
    EXPECT_TRUE(recorder.drawn.empty());
    EXPECT_EQ(image.pixelColor(25, 25), QColor(Qt::white));

    PrinterCaps noDpi;
    noDpi.physicalWidth = noDpi.physicalHeight = 100;
    noDpi.printableWidth = noDpi.printableHeight = 100;
    EXPECT_FALSE(noDpi.IsUsable());
    EXPECT_TRUE(SheetGeometry::ForPrinter(noDpi, 3.78).sheet.isEmpty());
}

}  // namespace
}  // namespace quenby
