// Smooth edges as the page view and the preview draw: shapes and letters get soft
// edges, the not-XOR feedback stays exact, and gradient bands leave no seams.
#include "DrawingTestSupport.h"

#include "document/ElementDrawing.h"
#include "document/GradientPainters.h"
#include "support/ImageColours.h"

#include <gtest/gtest.h>

#include <set>

namespace quenby {
namespace {

constexpr ColourRef kBlue = MakeColourRef(20, 40, 230);

using test::Colours;

QImage DrawSmooth(const Element& e, bool smooth) {
    const FixedOwner owner(100);
    return test::Render(120, 100, [&](DeviceContext& dc) {
        dc.SetSmooth(smooth);
        DrawElementBody(e, dc, owner);
        DrawElementOutline(e, dc, owner);
    });
}

TEST(SmoothEdges, ShapesAndLettersGetSoftEdgesOnlyWhenAskedFor) {
    ElementPtr ellipse = test::BoxElement(ElementKind::Ellipse, 40, 40, 360, 280);
    ellipse->fillOn = 1;
    ellipse->fillColour = kBlue;
    ElementPtr text = test::BoxElement(ElementKind::Text, 40, 40, 400, 300);
    text->text->SetText(QStringLiteral("Sol"));
    text->text->fillColour = kBlue;
    for (const Element* e : {ellipse.get(), text.get()}) {
        SCOPED_TRACE(int(e->kind));
        // Aliased: white and the fill only; smooth: the blends between them too.
        EXPECT_EQ(Colours(DrawSmooth(*e, false)).size(), 2u);
        EXPECT_GT(Colours(DrawSmooth(*e, true)).size(), 3u);
        // The same shape: the soft edge lies within a pixel of the hard one.
        const QRect hard = test::PaintedBox(DrawSmooth(*e, false));
        EXPECT_TRUE(hard.adjusted(-1, -1, 1, 1).contains(test::PaintedBox(DrawSmooth(*e, true))));
    }
}

TEST(SmoothEdges, NotXorDrawingStaysExactAndSmoothingComesBackAfterIt) {
    ElementPtr e = test::BoxElement(ElementKind::Ellipse, 40, 40, 240, 160);
    e->outlineOn = 1;
    e->outlineWidth = 3;
    const FixedOwner owner(100);
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(QColor(30, 140, 220));
    const QImage before = image;
    QPainter painter(&image);
    {
        DeviceContext dc(painter);
        dc.SetSmooth(true);
        for (int pass = 0; pass < 2; ++pass) {
            DrawElementGhost(*e, dc, owner);
        }
        EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
    }
    painter.end();
    EXPECT_EQ(image, before);
}

TEST(SmoothEdges, TurnedGradientBandsLeaveNoSeams) {
    const ColourRef from = MakeColourRef(250, 0, 0), to = MakeColourRef(0, 0, 250);
    const std::array<ColourRef, 255> steps = GradientSteps(from, to);
    std::set<QRgb> allowed;
    for (const ColourRef c : steps) {
        allowed.insert(ToQColor(c).rgb());
    }
    for (const bool radial : {false, true}) {
        const QImage image = test::Render(120, 100, [&](DeviceContext& dc) {
            dc.SetSmooth(true);
            const std::array<QPoint, 4> box = {QPoint(10, 10), QPoint(110, 10), QPoint(110, 90),
                                               QPoint(10, 90)};
            dc.ClipToPolygon(box);
            if (radial) {
                PaintRadialGradient(dc, PaintBox::Around(box), from, to, 30, 60, false);
            } else {
                PaintLinearGradient(dc, PaintBox::Around(box), from, to, 33, false);
            }
            dc.ResetClip();
        });
        // Inside the box every pixel is one of the steps: none is blended with the paper.
        for (int y = 11; y < 89; ++y) {
            for (int x = 11; x < 109; ++x) {
                ASSERT_TRUE(allowed.contains(image.pixel(x, y)))
                    << (radial ? "radial" : "linear") << " at " << x << ", " << y;
            }
        }
    }
}

}  // namespace
}  // namespace quenby
