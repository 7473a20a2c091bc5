// A view that keeps its elements' images between paints shows what drawing them
// afresh shows, follows every change of an element, its picture, the zoom and the
// scroll position, and keeps its memory bounded on a hostile page.
#include "../../bench/BusyFace.h"
#include "DrawingTestSupport.h"

#include "document/Document.h"
#include "document/ElementLayerCache.h"
#include "document/PageDrawing.h"
#include "document/TextShapeCache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace quenby {
namespace {

// The busy face, with a picture at a whole-number scale and a dotted frame as well.
void BuildPage(Document& doc) {
    bench::BuildBusyFace(doc);
    ElementPtr whole = bench::BusyElement(ElementKind::Picture);
    whole->transparent = 1;
    whole->picture = bench::BusyPicture(7);
    bench::SetBox(*whole, 1600, 600, 1200, 1200);  // 300 pixels a side at 100 %
    doc.elements.Append(std::move(whole));
    ElementPtr bare = bench::BusyElement(ElementKind::Box);
    bare->outlineOn = 0;
    bench::SetBox(*bare, 200, 2600, 600, 400);
    doc.elements.Append(std::move(bare));
}

QImage Paint(const Document& doc, int zoom, QPoint origin, ElementLayerCache* layers,
             TextShapeCache* shapes, bool smooth) {
    FixedOwner view(zoom, origin);
    view.SetShowsElementFrames(true);
    view.SetElementLayers(layers);
    view.SetTextShapes(shapes);
    return test::Render(500, 420, [&](DeviceContext& dc) {
        dc.SetSmooth(smooth);
        DrawPage(doc, 0, dc, view, false, 0, 0);
    });
}

// The greatest difference of one colour channel between the two, and how many pixels
// differ at all.
std::pair<int, int> Difference(const QImage& a, const QImage& b) {
    int most = 0, pixels = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            most = std::max(most, d);
            pixels += d > 0;
        }
    }
    return {most, pixels};
}

class LayeredView : public ::testing::Test {
protected:
    void SetUp() override { BuildPage(doc); }

    // Stepped edges: every pixel as drawn afresh. Smooth edges: within two steps of
    // 255 where an element's own soft edges meet, a few pixels in a hundred at most.
    void ExpectSame(int zoom, QPoint origin, const char* what) {
        for (const bool smooth : {false, true}) {
            SCOPED_TRACE(std::string(what) + (smooth ? ", smooth" : ", stepped"));
            ElementLayerCache& cache = smooth ? smoothLayers : steppedLayers;
            const QImage fresh = Paint(doc, zoom, origin, nullptr, nullptr, smooth);
            ASSERT_LT(test::CountPixels(fresh, 0xFFFFFFFF), fresh.width() * fresh.height());
            for (int pass = 0; pass < 2; ++pass) {  // made, then copied from the images
                const QImage layered = Paint(doc, zoom, origin, &cache, &shapes, smooth);
                const auto [most, pixels] = Difference(layered, fresh);
                if (smooth) {
                    EXPECT_LE(most, 2);
                    EXPECT_LT(pixels, fresh.width() * fresh.height() / 40);
                } else {
                    EXPECT_EQ(most, 0) << pixels << " pixels differ";
                }
            }
        }
    }

    Document doc;
    ElementLayerCache steppedLayers, smoothLayers;
    TextShapeCache shapes;
};

TEST_F(LayeredView, ImagesDrawWhatDrawingAfreshDrawsAndFollowEveryChange) {
    ExpectSame(100, {0, 0}, "first paint");
    EXPECT_GT(steppedLayers.Size(), 20u);
    // Scrolled so that elements cross every edge of the image, and zoomed.
    ExpectSame(100, {-410, -230}, "scrolled");
    ExpectSame(100, {37, -700}, "scrolled down");
    ExpectSame(60, {-75, -91}, "zoomed out");
    ExpectSame(170, {-1003, -517}, "zoomed in");

    Element& box = *doc.elements.At(1);  // an ellipse with a linear gradient
    MoveElement(box, 30, 12);
    ExpectSame(100, {-11, -9}, "moved");
    RotateElement(box, kHalfTurn, 400, 300);
    ExpectSame(100, {-11, -9}, "turned");
    box.fillColour2 = MakeColourRef(250, 250, 0);
    box.outlineWidth = 6;
    ExpectSame(100, {-11, -9}, "colour and pen");

    Element& text = *doc.elements.At(140);
    text.text->SetText(QStringLiteral("Otro día"));
    text.text->shadowDx = -20;
    ExpectSame(100, {-11, -9}, "text and shadow");

    Element& picture = *doc.elements.At(103);
    picture.halfTurned ^= 1;
    ExpectSame(100, {-11, -9}, "picture turned");
    // The same picture object with other pixels, then a new one in its place.
    auto bits = picture.picture->Bits();
    std::fill(bits.begin(), bits.begin() + std::ptrdiff_t(bits.size() / 2), std::uint8_t(17));
    ExpectSame(100, {-11, -9}, "picture painted over");
    picture.picture = bench::BusyPicture(30);
    ExpectSame(100, {-11, -9}, "picture replaced");
    picture.transparent = 0;
    ExpectSame(100, {-11, -9}, "picture made opaque");
}

TEST_F(LayeredView, AnElementChangedInPlaceIsMadeAgainAndTheRestAreKept) {
    ElementLayerCache layers;
    const QImage before = Paint(doc, 100, {}, &layers, nullptr, false);
    const std::size_t kept = layers.Size();
    doc.elements.At(0)->fillColour = MakeColourRef(0, 0, 0);
    const QImage after = Paint(doc, 100, {}, &layers, nullptr, false);
    EXPECT_NE(after, before);
    EXPECT_EQ(after, Paint(doc, 100, {}, nullptr, nullptr, false));
    EXPECT_EQ(layers.Size(), kept);
    // A printer never draws from the images.
    FixedOwner printer(100, {}, true);
    printer.SetElementLayers(&layers);
    const QImage printed = test::Render(
        500, 420, [&](DeviceContext& dc) { DrawPage(doc, 0, dc, printer, false, 0, 0); }, true);
    FixedOwner plainPrinter(100, {}, true);
    EXPECT_EQ(printed, test::Render(500, 420, [&](DeviceContext& dc) {
                  DrawPage(doc, 0, dc, plainPrinter, false, 0, 0);
              }, true));
}

TEST(ElementLayerCacheBounds, AHostilePageKeepsMemoryBoundedAndStillDrawsEverything) {
    Document doc;
    doc.pageColour = kWhite;
    // Hundreds of elements each covering the whole device, some reaching millions of
    // pixels beyond it: only the part on the device is ever kept, and only so much.
    for (int i = 0; i < 300; ++i) {
        ElementPtr e = bench::BusyElement(i % 2 ? ElementKind::Box : ElementKind::Ellipse);
        const float side = i % 10 == 0 ? 4.0e7f : 5000.0f + float(i);
        bench::SetBox(*e, -float(i) * 10, -float(i) * 7, side, side);
        e->fillOn = 1;
        e->fillStyle = std::uint8_t(i % 3);
        e->fillColour = MakeColourRef(i % 256, 90, 200);
        e->outlineOn = 1;
        e->outlineWidth = 3;
        doc.elements.Append(std::move(e));
    }
    ElementLayerCache layers;
    for (int pass = 0; pass < 2; ++pass) {
        const QImage layered = Paint(doc, 100, {0, 0}, &layers, nullptr, false);
        EXPECT_GT(layers.Size(), 0u);
        EXPECT_LT(layers.Size(), std::size_t(doc.elements.Count()));
        EXPECT_LE(layers.Bytes(), ElementLayerCache::kMaxBytes);
        EXPECT_EQ(layered, Paint(doc, 100, {0, 0}, nullptr, nullptr, false));
    }
    layers.Clear();
    EXPECT_EQ(layers.Size(), 0u);
    EXPECT_EQ(layers.Bytes(), 0);
}

}  // namespace
}  // namespace quenby
