// The linear and radial painters and the filled shapes that use them.
#include "DrawingTestSupport.h"

#include "document/ElementDrawing.h"
#include "document/GradientPainters.h"

#include <QPicture>

#include <gtest/gtest.h>

#include <algorithm>

namespace quenby {
namespace {

constexpr ColourRef kRed = MakeColourRef(255, 0, 0);
constexpr ColourRef kBlue = MakeColourRef(0, 0, 255);

QRgb Rgb(ColourRef c) {
    return ToQColor(c).rgb();
}

TEST(GradientSteps, RunFromStartToJustBeforeEnd) {
    const auto steps = GradientSteps(kRed, kBlue);
    EXPECT_EQ(steps[0], kRed);
    EXPECT_EQ(steps[254], MakeColourRef(1, 0, 254));  // 255 − 254·255/255, truncated
    EXPECT_EQ(steps[1], MakeColourRef(254, 0, 1));
}

TEST(LinearGradient, ZeroDegreesPaintsHorizontalBandsOverTheCoveringArea) {
    // A 100 × 50 box: 53 bands over a 102 × 52 area centred on (100, 75).
    const QImage image = test::Render(200, 200, [](DeviceContext& dc) {
        PaintLinearGradient(dc, PaintBox{50, 50, 150, 100}, kRed, kBlue, 0, false);
    });
    EXPECT_EQ(test::PaintedBox(image), QRect(QPoint(49, 49), QPoint(150, 101)));
    EXPECT_EQ(image.pixel(60, 49), Rgb(kRed));
    EXPECT_EQ(image.pixel(60, 101), Rgb(GradientSteps(kRed, kBlue)[254]));
    for (int y = 49; y <= 101; ++y) {
        EXPECT_EQ(image.pixel(49, y), image.pixel(150, y)) << y;  // one colour per band
    }
    // Half turned, the colours run the other way (the turned area lies one row higher).
    const QImage turned = test::Render(200, 200, [](DeviceContext& dc) {
        PaintLinearGradient(dc, PaintBox{50, 50, 150, 100}, kRed, kBlue, 0, true);
    });
    EXPECT_EQ(turned.pixel(60, 100), Rgb(kRed));
    EXPECT_EQ(turned.pixel(60, 48), Rgb(GradientSteps(kRed, kBlue)[254]));
}

TEST(LinearGradient, NinetyDegreesRunsVerticallyFromLeft) {
    const QImage image = test::Render(200, 200, [](DeviceContext& dc) {
        PaintLinearGradient(dc, PaintBox{50, 50, 150, 100}, kRed, kBlue, 90, false);
    });
    for (int x = 50; x < 150; x += 7) {
        EXPECT_EQ(image.pixel(x, 52), image.pixel(x, 97)) << x;
    }
    // The covering area is 52 × 102 here: its first band is column 49.
    EXPECT_EQ(image.pixel(49, 75), Rgb(kRed));
    EXPECT_EQ(image.pixel(151, 75), Rgb(GradientSteps(kRed, kBlue)[254]));
}

TEST(LinearGradient, TurnedBandsLeaveNoGapInTheBox) {
    for (int angle : {17, 45, 133, 200, 301}) {
        const QImage image = test::Render(200, 200, [&](DeviceContext& dc) {
            PaintLinearGradient(dc, PaintBox{40, 60, 160, 130}, kRed, kBlue, angle, false);
        });
        int gaps = 0;
        for (int y = 60; y < 130; ++y) {
            for (int x = 40; x < 160; ++x) {
                gaps += image.pixel(x, y) == 0xFFFFFFFF;
            }
        }
        EXPECT_EQ(gaps, 0) << angle;
    }
}

// A box reaching past the device's top-left corner gets the bands it gets anywhere
// else, moved with it: a view scrolled part way past a shape shows the same bands.
TEST(LinearGradient, BandsMoveWithTheBoxPastTheDevicesCorner) {
    for (int angle : {0, 33, 90, 151, 270, 318}) {
        for (const bool halfTurned : {false, true}) {
            const auto paint = [&](int shift) {
                return test::Render(160, 120, [&](DeviceContext& dc) {
                    PaintLinearGradient(dc, PaintBox{5 - shift, 3 - shift, 125 - shift, 93 - shift},
                                        kRed, kBlue, angle, halfTurned);
                });
            };
            const QImage whole = paint(0);
            const QImage moved = paint(37);
            EXPECT_EQ(moved.copy(0, 0, 100, 70), whole.copy(37, 37, 100, 70))
                << angle << (halfTurned ? " turned" : "");
        }
    }
}

TEST(RadialGradient, RingsStepSixPixelsInFromPastTheFarthestCorner) {
    const std::vector<int> radii = RadialRingRadii(95);
    ASSERT_FALSE(radii.empty());
    EXPECT_EQ(radii.front(), 100);
    EXPECT_EQ(radii[1], 94);
    EXPECT_EQ(radii.back(), 4);
}

TEST(RadialGradient, HalfTurnedCentreIsMirrored) {
    // Centre (20, 30) % of a 100 × 100 box, half turned: the start colour sits at (80, 70).
    auto centreOf = [](bool halfTurned) {
        const QImage image = test::Render(100, 100, [&](DeviceContext& dc) {
            PaintRadialGradient(dc, PaintBox{0, 0, 100, 100}, kRed, kBlue, 20, 30, halfTurned);
        });
        // The innermost ring is the reddest.
        QPoint best;
        int bestRed = -1;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                if (qRed(image.pixel(x, y)) > bestRed) {
                    bestRed = qRed(image.pixel(x, y));
                    best = QPoint(x, y);
                }
            }
        }
        return best;
    };
    const QPoint plain = centreOf(false);
    const QPoint turned = centreOf(true);
    EXPECT_NEAR(plain.x(), 20, 4);
    EXPECT_NEAR(plain.y(), 30, 4);
    EXPECT_NEAR(turned.x(), 80, 4);
    EXPECT_NEAR(turned.y(), 70, 4);
}

TEST(ShapeBody, GradientUsesTheTrueBoundsAnywhereOnTheDevice) {
    // Lying partly above and left of the origin, and beyond 10000 device pixels.
    for (const QPoint origin : {QPoint(-60, -60), QPoint(10040, 40)}) {
        FixedOwner owner(100, origin);
        ElementPtr box = test::BoxElement(ElementKind::Box, 0, 0, 400, 400);
        box->fillOn = 1;
        box->fillStyle = kLinearGradient;
        box->fillColour = kRed;
        box->fillColour2 = kBlue;
        box->gradientAngle = 90;  // red at the left edge, blue at the right
        const QImage image = test::Render(200, 200, [&](DeviceContext& dc) {
            if (origin.x() > 10000) {
                dc.Painter().translate(-10000, 0);
            }
            DrawElementBody(*box, dc, owner);
        });
        const int left = origin.x() > 10000 ? 40 : 0;
        const int right = origin.x() > 10000 ? 139 : 39;
        // At x = 0 of a box that starts at −60 the colour is well past the start.
        if (origin.x() < 0) {
            EXPECT_LT(qRed(image.pixel(left, 20)), 170);
        } else {
            EXPECT_GT(qRed(image.pixel(left, 60)), 240);
        }
        EXPECT_LT(qRed(image.pixel(right, 20 + (origin.y() > 0 ? 40 : 0))), 20);
    }
}

TEST(ShapeBody, EllipseFillStaysInsideItsBox) {
    FixedOwner owner(100);
    ElementPtr e = test::BoxElement(ElementKind::Ellipse, 40, 40, 400, 200);
    e->fillOn = 1;
    e->fillStyle = kRadialGradient;
    e->fillColour = kRed;
    e->fillColour2 = kBlue;
    const QImage image = test::Render(140, 80, [&](DeviceContext& dc) { DrawElementBody(*e, dc, owner); });
    test::Dump(image, "ellipse-radial");
    const QRect box = test::PaintedBox(image);
    EXPECT_GE(box.left(), 10);
    EXPECT_LE(box.right(), 110);
    EXPECT_GE(box.top(), 10);
    EXPECT_LE(box.bottom(), 60);
    EXPECT_EQ(image.pixel(11, 11), 0xFFFFFFFFu);  // corner of the box is outside the ellipse
    EXPECT_NE(image.pixel(60, 35), 0xFFFFFFFFu);
}

TEST(ShapeBody, HugeShapesDrawInBoundedTimeAndAbsurdOnesNotAtAll) {
    FixedOwner owner(300);
    for (std::uint8_t style : {kLinearGradient, kRadialGradient}) {
        // Millions of device pixels across: the visible corner is painted.
        ElementPtr big = test::BoxElement(ElementKind::Box, -4.0e6f, -3.0e6f, 9.0e6f, 7.0e6f);
        big->fillOn = 1;
        big->fillStyle = style;
        big->gradientAngle = 33;
        big->fillColour = kRed;
        big->fillColour2 = kBlue;
        const QImage image =
            test::Render(64, 64, [&](DeviceContext& dc) { DrawElementBody(*big, dc, owner); });
        EXPECT_EQ(test::CountPixels(image, 0xFFFFFFFF), 0) << int(style);
        // Beyond the device's coordinate range, or centred absurdly far away: no hang.
        big->gradientCentreX = 2000000;
        EXPECT_NO_FATAL_FAILURE(
            test::Render(64, 64, [&](DeviceContext& dc) { DrawElementBody(*big, dc, owner); }));
        big->corners[2] = DocPoint{4.0e12f, 4.0e12f};
        EXPECT_NO_FATAL_FAILURE(
            test::Render(64, 64, [&](DeviceContext& dc) { DrawElementBody(*big, dc, owner); }));
    }
}

}  // namespace
}  // namespace quenby

namespace quenby {
namespace {

// Drawn for a printer that keeps shapes (a recorded picture, as a PDF file would keep
// them), then played back into pixels.
QImage RenderForVectorPrinter(int w, int h, const std::function<void(DeviceContext&)>& draw) {
    QPicture recorded;
    recorded.setBoundingRect(QRect(0, 0, w, h));  // the device's size while recording
    {
        QPainter painter(&recorded);
        DeviceContext dc(painter, true);
        EXPECT_TRUE(dc.IsVectorPrinter());
        draw(dc);
    }
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPicture(0, 0, recorded);
    return image;
}

// The largest difference of one colour component between the images, leaving out
// pixels within `edge` of a change of coverage (where the two ways round differently).
int LargestDifference(const QImage& a, const QImage& b, int edge) {
    int largest = 0;
    for (int y = edge; y < a.height() - edge; ++y) {
        for (int x = edge; x < a.width() - edge; ++x) {
            bool nearEdge = false;
            for (int dy = -edge; dy <= edge && !nearEdge; ++dy) {
                for (int dx = -edge; dx <= edge; ++dx) {
                    if ((a.pixel(x + dx, y + dy) == 0xFFFFFFFF) !=
                        (a.pixel(x, y) == 0xFFFFFFFF)) {
                        nearEdge = true;
                        break;
                    }
                }
            }
            if (nearEdge) {
                continue;
            }
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

TEST(PrinterGradients, SmoothFillsLookLikeTheBandsAndRingsTheyStandFor) {
    const ColourRef from = MakeColourRef(250, 10, 40), to = MakeColourRef(10, 200, 240);
    for (const int angle : {0, 30, 90, 135, 270}) {
        for (const bool radial : {false, true}) {
            SCOPED_TRACE(testing::Message() << angle << (radial ? " radial" : " linear"));
            const auto paint = [&](DeviceContext& dc) {
                // Clipped to an ellipse inside the box, as a shape's fill is.
                const std::array<QPoint, 4> corners = {QPoint(20, 30), QPoint(170, 30),
                                                       QPoint(170, 150), QPoint(20, 150)};
                QPainterPath clip;
                clip.addEllipse(QRect(20, 30, 150, 120));
                dc.ClipToPath(clip);
                if (radial) {
                    PaintRadialGradient(dc, PaintBox::Around(corners), from, to, angle / 4,
                                        60, false);
                } else {
                    PaintLinearGradient(dc, PaintBox::Around(corners), from, to, angle, false);
                }
                dc.ResetClip();
            };
            const QImage bands = test::Render(200, 180, paint);
            const QImage smooth = RenderForVectorPrinter(200, 180, paint);
            EXPECT_EQ(test::PaintedBox(smooth), test::PaintedBox(bands));
            // A step of the colours is at most (250 − 10) / 255 + 1 per band; a ring
            // six pixels wide spans about four steps.
            EXPECT_LE(LargestDifference(bands, smooth, 2), radial ? 12 : 4);
        }
    }
}

}  // namespace
}  // namespace quenby
