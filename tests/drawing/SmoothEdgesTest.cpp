// Smooth edges as the page view and the preview draw: shapes and letters get soft
// edges, the not-XOR feedback stays exact, and gradient bands leave no seams.
#include "DrawingTestSupport.h"

#include "document/ElementDrawing.h"
#include "document/ElementOperations.h"
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

// Gradient-filled shapes, frames and letters: soft edges on the screen, inside them the
// bands as before; a printer, stepped drawing and the not-XOR mode keep the hard edge.
TEST(SmoothEdges, GradientFillsGetSoftEdgesOnTheScreenOnly) {
    const ColourRef from = MakeColourRef(250, 0, 0), to = MakeColourRef(0, 0, 250);
    std::set<QRgb> hard = {0xFFFFFFFF};
    for (const ColourRef c : GradientSteps(from, to)) {
        hard.insert(ToQColor(c).rgb());
    }
    ElementPtr ellipse = test::BoxElement(ElementKind::Ellipse, 40, 40, 400, 300);
    ellipse->fillOn = 1;
    ellipse->fillStyle = kLinearGradient;
    ellipse->gradientAngle = 30;
    ElementPtr box = test::BoxElement(ElementKind::Box, 40, 40, 400, 300);
    RotateElement(*box, 0.4f, 240, 190);
    box->fillOn = 1;
    box->fillStyle = kRadialGradient;
    ElementPtr frame = test::BoxElement(ElementKind::Text, 40, 40, 400, 300);
    RotateElement(*frame, -0.3f, 240, 190);
    frame->fillOn = 1;
    frame->fillStyle = kLinearGradient;
    frame->text->fillOn = 0;
    frame->text->SetText(QStringLiteral("x"));
    ElementPtr letters = test::BoxElement(ElementKind::Text, 40, 40, 400, 300);
    letters->text->SetText(QStringLiteral("Sol"));
    letters->text->fillStyle = kRadialGradient;
    for (Element* e : {ellipse.get(), box.get(), frame.get(), letters.get()}) {
        e->fillColour = from;
        e->fillColour2 = to;
        if (e->text) {
            e->text->fillColour = from;
            e->text->fillColour2 = to;
        }
    }
    const auto colours = [](const QImage& image, const std::set<QRgb>& except) {
        int others = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                others += !except.contains(image.pixel(x, y));
            }
        }
        return others;
    };
    for (const Element* e : {ellipse.get(), box.get(), frame.get(), letters.get()}) {
        SCOPED_TRACE(int(e->kind));
        const QImage smooth = DrawSmooth(*e, true);
        const QImage stepped = DrawSmooth(*e, false);
        EXPECT_EQ(colours(stepped, hard), 0);
        EXPECT_GT(colours(smooth, hard), 20);
        // Away from the edge, the same bands.
        int inside = 0;
        for (int y = 1; y < 99; ++y) {
            for (int x = 1; x < 119; ++x) {
                bool deep = true;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        deep = deep && stepped.pixel(x + dx, y + dy) != 0xFFFFFFFF;
                    }
                }
                if (deep) {
                    ++inside;
                    ASSERT_EQ(smooth.pixel(x, y), stepped.pixel(x, y)) << x << ", " << y;
                }
            }
        }
        EXPECT_GT(inside, 100);
        // A printer asked for smooth edges draws the hard ones.
        const FixedOwner printer(100, {}, true);
        const QImage printed = test::Render(120, 100, [&](DeviceContext& dc) {
            dc.SetSmooth(true);
            DrawElementBody(*e, dc, printer);
        }, true);
        EXPECT_EQ(colours(printed, hard), 0);
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
