// A view that keeps its texts' shapes between paints draws every pixel as one that
// makes them at each paint, and follows every change of the text, its frame, the
// zoom and the scroll position.
#include "DrawingTestSupport.h"

#include "document/ElementDrawing.h"
#include "document/ElementOperations.h"
#include "document/TextShapeCache.h"

#include <gtest/gtest.h>

namespace quenby {
namespace {

// Texts in the ways that draw differently: plain, gradient letters, filled and
// outlined, with a shadow, on a circle, turned over.
std::vector<ElementPtr> Texts() {
    std::vector<ElementPtr> texts;
    for (int i = 0; i < 5; ++i) {
        ElementPtr e = test::BoxElement(ElementKind::Text, 40.0f + 90 * i, 30.0f + 150 * i, 700, 260);
        TextBlock& t = *e->text;
        t.SetText(i % 2 ? QStringLiteral("Feliz día\r\nMaría") : QStringLiteral("¡Hola!"));
        t.font.SetFace(QStringLiteral("DejaVu Serif"));
        t.fillColour = MakeColourRef(200, 20 * i, 30);
        t.fillColour2 = MakeColourRef(20, 60, 230);
        t.fillStyle = std::uint16_t(i % 3);
        t.gradientAngle = std::uint16_t(37 * i);
        t.outlineOn = std::uint8_t(i % 2);
        t.outlineWidth = 2;
        t.shadowOn = std::uint8_t(i != 1);
        t.alignment = std::uint16_t(1 + i % 3);
        texts.push_back(std::move(e));
    }
    ElementPtr ring = test::BoxElement(ElementKind::CircularText, 0, 0, 0, 0);
    const DocPoint c0{600, 500};
    ring->corners = {c0, DocPoint{c0.x + 150, c0.y}, DocPoint{c0.x + 300, c0.y},
                     DocPoint{c0.x - 150, c0.y}};
    ring->text->SetText(QStringLiteral("Alrededor del mundo"));
    ring->text->fillColour = MakeColourRef(0, 120, 0);
    ring->text->shadowOn = 1;
    texts.push_back(std::move(ring));
    return texts;
}

QImage Paint(const std::vector<ElementPtr>& texts, int zoom, QPoint origin,
             TextShapeCache* cache, bool smooth = false) {
    FixedOwner view(zoom, origin);
    view.SetTextShapes(cache);
    return test::Render(400, 300, [&](DeviceContext& dc) {
        dc.SetSmooth(smooth);
        for (const ElementPtr& e : texts) {
            DrawElementBody(*e, dc, view);
        }
    });
}

TEST(TextShapeCache, KeptShapesDrawTheSamePixelsAndFollowEveryChange) {
    std::vector<ElementPtr> texts = Texts();
    TextShapeCache cache;
    const auto same = [&](int zoom, QPoint origin, const char* what) {
        const QImage fresh = Paint(texts, zoom, origin, nullptr);
        ASSERT_GT(test::CountPixels(fresh, ToQColor(MakeColourRef(0, 120, 0)).rgb()), 0) << what;
        EXPECT_EQ(Paint(texts, zoom, origin, &cache), fresh) << what;  // made and kept
        EXPECT_EQ(Paint(texts, zoom, origin, &cache), fresh) << what;  // drawn from the cache
    };
    same(50, {5, 7}, "first paint");
    EXPECT_EQ(cache.Size(), texts.size());
    same(50, {-60, 31}, "scrolled");
    same(75, {-60, 31}, "zoomed");
    MoveElement(*texts[0], 40, 10);
    same(75, {-60, 31}, "moved");
    texts[1]->text->SetText(QStringLiteral("Otro texto"));
    same(75, {-60, 31}, "new text");
    texts[2]->text->font.weight = 700;
    texts[3]->text->shadowDx = -9;
    texts[4]->text->circleTurned = 1;
    texts[5]->text->circleTurned = 1;
    same(75, {-60, 31}, "font, shadow and turn");
    texts[3]->text->outlineOn = 0;
    texts[4]->text->alignment = 3;
    same(75, {-60, 31}, "outline and alignment");
    EXPECT_EQ(cache.Size(), texts.size());
}

TEST(TextShapeCache, AChangedTextInTheSameElementIsMadeAfreshAndPrintersKeepApart) {
    std::vector<ElementPtr> texts = Texts();
    texts.resize(1);
    TextShapeCache cache;
    const QImage before = Paint(texts, 100, {}, &cache);
    // A different text in the very same element object.
    texts[0]->text->SetText(QStringLiteral("Adiós"));
    const QImage after = Paint(texts, 100, {}, &cache);
    EXPECT_NE(after, before);
    EXPECT_EQ(after, Paint(texts, 100, {}, nullptr));
    // A printer's shapes keep their curves, and are kept apart from the screen's.
    FixedOwner printer(100, {}, true);
    printer.SetTextShapes(&cache);
    const QImage printed = test::Render(400, 300, [&](DeviceContext& dc) {
        DrawElementBody(*texts[0], dc, printer);
    });
    EXPECT_EQ(Paint(texts, 100, {}, &cache), after);
    EXPECT_FALSE(test::PaintedBox(printed).isEmpty());
}

// The kept outline of letters is the area the pen covers, filled: thin and thick pens,
// square and round joins, smooth and stepped edges, scrolled part way off the image.
TEST(TextShapeCache, KeptOutlinesCoverWhatThePenStrokes) {
    std::vector<ElementPtr> texts = Texts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i]->text->outlineOn = 1;
        texts[i]->text->outlineColour = MakeColourRef(0, 0, 90);
        texts[i]->text->outlineWidth = std::uint8_t(1 + i % 3 * 3);  // 1, 4 and 7 pixels
    }
    for (const bool smooth : {false, true}) {
        for (const QPoint origin : {QPoint(0, 0), QPoint(-150, 40)}) {
            TextShapeCache cache;
            const QImage fresh = Paint(texts, 60, origin, nullptr, smooth);
            ASSERT_GT(test::CountPixels(fresh, ToQColor(MakeColourRef(0, 0, 90)).rgb()), 0);
            EXPECT_EQ(Paint(texts, 60, origin, &cache, smooth), fresh) << smooth;
            EXPECT_EQ(Paint(texts, 60, origin, &cache, smooth), fresh) << smooth;
        }
    }
    // A new pen width makes the outline again.
    TextShapeCache cache;
    Paint(texts, 60, {}, &cache);
    texts[1]->text->outlineWidth = 2;
    EXPECT_EQ(Paint(texts, 60, {}, &cache), Paint(texts, 60, {}, nullptr));
}

}  // namespace
}  // namespace quenby
