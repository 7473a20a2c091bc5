// Pictures: opaque and transparent, turned and not, on the screen and for printers.
#include "DrawingTestSupport.h"

#include "document/ElementDrawing.h"
#include "graphics/TransparentPicture.h"
#include "platform/Dib.h"
#include "support/ImageColours.h"

#include <QPicture>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace quenby {
namespace {

// An 8-bit picture whose palette entry i is (i, 255 − i, 7·i) and whose pixels come
// from `pixel(x, stored row)`.
template <typename F>
std::unique_ptr<Dib> Picture(int w, int h, F pixel) {
    std::unique_ptr<Dib> dib = Dib::Create(w, h, 8);
    for (int i = 0; i < 256; ++i) {
        dib->SetColour(i, (std::uint32_t(i) << 16) | (std::uint32_t(255 - i) << 8) |
                              std::uint32_t((7 * i) & 0xFF));
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            dib->Bits()[std::size_t(y) * dib->Stride() + std::size_t(x)] =
                std::uint8_t(pixel(x, y));
        }
    }
    return dib;
}

// Holes of index 255 in a pattern that gives several runs per row, and a column of
// opaque pixels at the right edge.
std::unique_ptr<Dib> Holed(int w, int h) {
    return Picture(w, h, [w](int x, int y) {
        if (x == w - 1)
            return 17;
        return ((x + 2 * y) % 5 == 0 || (x * y) % 7 == 3) ? 255 : (x * 11 + y * 3) % 250;
    });
}

TEST(TransparentStrips, AllTransparentNoneTransparentAndTheLastColumn) {
    auto clear = Picture(6, 4, [](int, int) { return 255; });
    EXPECT_TRUE(PlanTransparentStrips(*clear, 0, 0, 60, 40, 255, false).empty());

    auto solid = Picture(6, 4, [](int x, int) { return x; });
    const auto rows = PlanTransparentStrips(*solid, 0, 0, 60, 40, 255, false);
    ASSERT_EQ(rows.size(), 4u);
    for (const TransparentStrip& s : rows) {
        EXPECT_EQ(s.column, 0);
        EXPECT_EQ(s.length, 6);
        EXPECT_EQ(s.target.width(), 60);
    }
    // Stored row 0 starts at the bottom and reaches one step further down.
    EXPECT_EQ(rows[0].target, QRect(0, 40, 60, 10));
    EXPECT_EQ(rows[3].target, QRect(0, 10, 60, 10));

    // A single opaque pixel in the last column lands at the right edge.
    auto edge = Picture(6, 1, [](int x, int) { return x == 5 ? 3 : 255; });
    const auto last = PlanTransparentStrips(*edge, 0, 0, 60, 10, 255, false);
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(last[0].column, 5);
    EXPECT_EQ(last[0].target.right(), 59);
}

TEST(TransparentStrips, DoubleSizeMakesEveryStripTwoPixelsHighAndWide) {
    auto dots = Picture(10, 10, [](int x, int y) { return (x + y) % 2 ? 255 : 1; });
    const auto strips = PlanTransparentStrips(*dots, 0, 0, 20, 20, 255, false);
    EXPECT_EQ(strips.size(), 50u);
    for (const TransparentStrip& s : strips) {
        EXPECT_EQ(s.length, 1);
        EXPECT_EQ(s.target.size(), QSize(2, 2));
    }
    EXPECT_TRUE(PlanTransparentStrips(*dots, 0, 0, 0, 20, 255, false).empty());
    EXPECT_TRUE(PlanTransparentStrips(*dots, 5, 5, 2, 20, 255, true).empty());
}

// Whole and fractional scales, partly off the device, turned, on the screen and printing.
TEST(TransparentPicture, ComposedDrawingGivesThePixelsOfRunByRunTransfers) {
    auto picture = Holed(23, 17);
    for (bool printing : {false, true}) {
        for (bool turned : {false, true}) {
            for (const QRect& d : {QRect(10, 10, 46, 34), QRect(3, 7, 23, 17), QRect(0, 0, 92, 68),
                                   QRect(5, 5, 50, 40), QRect(1, 2, 71, 29), QRect(-13, -9, 77, 61),
                                   QRect(80, 70, 71, 45)}) {
                const int l = d.left(), t = d.top(), r = d.left() + d.width(),
                          b = d.top() + d.height();
                const QImage composed = test::Render(
                    120, 100,
                    [&](DeviceContext& dc) {
                        DrawPictureTransparent(dc, l, t, r, b, *picture, 255, turned);
                    },
                    printing);
                const QImage runs = test::Render(
                    120, 100,
                    [&](DeviceContext& dc) {
                        DrawPictureTransparentRunByRun(dc, l, t, r, b, *picture, 255, turned);
                    },
                    printing);
                EXPECT_EQ(composed, runs) << printing << turned << d.width();
            }
        }
    }
}

// For a printer that keeps shapes (recorded here, as a PDF file keeps them) a picture
// at a fractional scale is composed whole, once for each size, and placed for every
// copy: the pixels are still those of one transfer per run wherever the copy lies,
// turned or not, also where a copy reaches off the device or is clipped.
TEST(TransparentPicture, AVectorPrinterGetsTheRunByRunPixelsForEveryCopy) {
    auto picture = Holed(23, 17);
    const std::vector<std::pair<QRect, bool>> copies = {
        {QRect(10, 10, 71, 45), false}, {QRect(95, 12, 71, 45), false},
        {QRect(20, 72, 71, 45), true},  {QRect(110, 75, 71, 45), true},
        {QRect(5, 140, 50, 37), false}, {QRect(150, 20, 71, 45), false}};
    const auto drawAll = [&](DeviceContext& dc, bool runByRun) {
        for (const auto& [d, turned] : copies) {
            const int l = d.left(), t = d.top(), r = d.left() + d.width(),
                      b = d.top() + d.height();
            if (runByRun) {
                DrawPictureTransparentRunByRun(dc, l, t, r, b, *picture, 255, turned);
            } else {
                DrawPictureTransparent(dc, l, t, r, b, *picture, 255, turned);
            }
        }
    };
    constexpr int kWidth = 200, kHeight = 160;
    // As a card's face is clipped to its quarter of the sheet.
    const std::array<QPoint, 4> face = {QPoint(0, 0), QPoint(140, 0), QPoint(140, 100),
                                        QPoint(0, 100)};
    for (const bool clipped : {false, true}) {
        QPicture recorded;
        recorded.setBoundingRect(QRect(0, 0, kWidth, kHeight));
        {
            QPainter painter(&recorded);
            DeviceContext dc(painter, true);
            ASSERT_TRUE(dc.IsVectorPrinter());
            if (clipped) {
                dc.ClipToPolygon(face);
            }
            drawAll(dc, false);
        }
        QImage played(kWidth, kHeight, QImage::Format_RGB32);
        played.fill(Qt::white);
        {
            QPainter painter(&played);
            painter.drawPicture(0, 0, recorded);
        }
        const QImage runs = test::Render(
            kWidth, kHeight,
            [&](DeviceContext& dc) {
                if (clipped) {
                    dc.ClipToPolygon(face);
                }
                drawAll(dc, true);
            },
            true);
        test::Dump(played, clipped ? "transparent-vector-clipped" : "transparent-vector");
        EXPECT_EQ(played, runs) << clipped;
        EXPECT_GT(test::PaintedBox(runs).width(), clipped ? 120 : 150);
    }
}

TEST(TransparentPicture, TurnedIsTheHalfTurnOfNotTurnedAndSkipsIndex255) {
    auto picture = Holed(20, 12);
    for (bool printing : {false, true}) {
        // A rectangle symmetric about the image centre, so the half turn maps it onto itself.
        const QImage plain = test::Render(
            100, 80,
            [&](DeviceContext& dc) {
                DrawPictureTransparent(dc, 10, 10, 90, 58, *picture, 255, false);
            },
            printing);
        const QImage turned = test::Render(
            100, 80,
            [&](DeviceContext& dc) {
                DrawPictureTransparent(dc, 10, 10, 90, 58, *picture, 255, true);
            },
            printing);
        test::Dump(plain, "transparent-plain");
        test::Dump(turned, "transparent-turned");
        // (x, y) ↦ (99 − x, 67 − y) is the half turn about the rectangle's centre (50, 34)
        // for pixel centres.
        int mismatches = 0, painted = 0;
        for (int y = 0; y < 68; ++y) {
            for (int x = 0; x < 100; ++x) {
                mismatches += plain.pixel(x, y) != turned.pixel(99 - x, 67 - y);
                painted += plain.pixel(x, y) != 0xFFFFFFFF;
            }
        }
        EXPECT_EQ(mismatches, 0);
        EXPECT_GT(painted, 1000);
        EXPECT_LT(painted, 80 * 48);  // holes stay white
    }
}

TEST(PictureElement, OpaqueTurnedPicturesMatchOnScreenAndPrinter) {
    FixedOwner owner(100);
    ElementPtr e = test::BoxElement(ElementKind::Picture, 40, 40, 4 * 30, 4 * 21);
    e->picture =
        Picture(15, 7, [](int x, int y) { return x * 10 + y; });  // width not a multiple of 4
    const QImage plain = test::Render(60, 50, [&](DeviceContext& dc) { DrawElementBody(*e, dc, owner); });
    EXPECT_EQ(test::PaintedBox(plain), QRect(10, 10, 30, 21));
    // Stored row 0 is the bottom line: the top-left pixel comes from (0, 6).
    EXPECT_EQ(plain.pixel(10, 10), 0xFF000000u | e->picture->Colour(6));
    e->halfTurned = 1;
    const QImage screen = test::Render(60, 50, [&](DeviceContext& dc) { DrawElementBody(*e, dc, owner); });
    owner.SetPrinting(true);
    const QImage printer = test::Render(
        60, 50, [&](DeviceContext& dc) { DrawElementBody(*e, dc, owner); }, true);
    // Turned: the top-left pixel is the last pixel of stored row 0.
    EXPECT_EQ(screen.pixel(10, 10), 0xFF000000u | e->picture->Colour(14 * 10 + 0));
    EXPECT_EQ(screen, printer);
    EXPECT_EQ(screen.copy(10, 10, 30, 21), plain.copy(10, 10, 30, 21).mirrored(true, true));

    e->picture.reset();
    EXPECT_TRUE(test::PaintedBox(test::Render(60, 50, [&](DeviceContext& dc) {
                    DrawElementBody(*e, dc, owner);
                })).isEmpty());
}

// A ring of colour 30 on index 255, with a hole of index 255 in its middle.
std::unique_ptr<Dib> Ring(int size) {
    return Picture(size, size, [size](int x, int y) {
        const double d = std::hypot(x + 0.5 - size / 2.0, y + 0.5 - size / 2.0);
        return d < size / 5.0 || d > size / 2.0 ? 255 : 30;
    });
}

// How the page view draws a picture element with smooth edges on or off, on the screen
// or for a printer (which always draws colour on colour).
QImage DrawPicture(const Element& e, int zoom, bool smooth, bool printing = false) {
    const FixedOwner owner(zoom, {}, printing);
    return test::Render(
        160, 140,
        [&](DeviceContext& dc) {
            dc.SetSmooth(smooth);
            DrawElementBody(e, dc, owner);
        },
        printing);
}

// Scaled by a fraction on a smooth screen, a transparent picture is composed whole and
// averaged: its outline blends into the paper (no stepped runs), its clear parts still
// show the paper, and it covers no pixel the colour-on-colour transfer leaves alone.
TEST(SmoothPicture, TransparentPicturesBlendTheirEdgesWithinTheTransfersBox) {
    ElementPtr e = test::BoxElement(ElementKind::Picture, 40, 40, 4 * 37, 4 * 37);
    e->picture = Ring(40);
    e->transparent = 1;
    const QRgb ring = 0xFF000000u | e->picture->Colour(30);
    for (const int zoom : {92, 65, 100, 160}) {
        for (const bool turned : {false, true}) {
            SCOPED_TRACE(testing::Message() << zoom << (turned ? " turned" : ""));
            e->halfTurned = turned;
            const QImage stepped = DrawPicture(*e, zoom, false);
            const QImage smooth = DrawPicture(*e, zoom, true);
            test::Dump(smooth, "smooth-transparent");
            EXPECT_EQ(test::Colours(stepped).size(), 2u);
            EXPECT_GT(test::Colours(smooth).size(), 6u);
            const QRect box = test::PaintedBox(stepped);
            EXPECT_TRUE(box.contains(test::PaintedBox(smooth)))
                << test::PaintedBox(smooth).x() << "," << test::PaintedBox(smooth).y();
            // The middle of the hole is paper, the ring's own colour stays inside it.
            EXPECT_EQ(smooth.pixel(box.center()), 0xFFFFFFFFu);
            EXPECT_GT(test::CountPixels(smooth, ring), test::CountPixels(stepped, ring) / 2);
        }
    }
}

// An opaque picture shrunk smoothly keeps exactly its box and averages its pixels.
TEST(SmoothPicture, OpaquePicturesAreAveragedInExactlyTheirBox) {
    ElementPtr e = test::BoxElement(ElementKind::Picture, 40, 40, 4 * 57, 4 * 43);
    e->picture = Picture(64, 48, [](int x, int y) { return (x + y) % 2 ? 0 : 200; });
    for (const bool turned : {false, true}) {
        e->halfTurned = turned;
        const QImage smooth = DrawPicture(*e, 92, true);
        EXPECT_EQ(test::PaintedBox(smooth), test::PaintedBox(DrawPicture(*e, 92, false)));
        // A checkerboard averaged: mid colours, not the board's two.
        EXPECT_GT(test::Colours(smooth).size(), 3u);
        const QColor middle = smooth.pixelColor(test::PaintedBox(smooth).center());
        EXPECT_NEAR(middle.red(), 100, 20);
    }
}

// Printers (the preview among them), stepped drawing and the not-XOR feedback draw as
// the transfer always did, pixel for pixel.
TEST(SmoothPicture, PrintersSteppedDrawingAndNotXorKeepTheTransfersPixels) {
    ElementPtr e = test::BoxElement(ElementKind::Picture, 40, 40, 4 * 71, 4 * 45);
    e->picture = Holed(23, 17);
    e->transparent = 1;
    for (const bool turned : {false, true}) {
        e->halfTurned = turned;
        const auto transfer = [&](bool printing) {
            return test::Render(
                160, 140,
                [&](DeviceContext& dc) {
                    DrawPictureTransparentRunByRun(dc, 10, 10, 81, 55, *e->picture, 255, turned);
                },
                printing);
        };
        EXPECT_EQ(DrawPicture(*e, 100, true, true), transfer(true)) << turned;
        EXPECT_EQ(DrawPicture(*e, 100, false), transfer(false)) << turned;
        const FixedOwner owner(100);
        const QImage xored = test::Render(160, 140, [&](DeviceContext& dc) {
            dc.SetSmooth(true);
            DrawElementBody(*e, dc, owner, true);
        });
        const QImage xoredStepped = test::Render(160, 140, [&](DeviceContext& dc) {
            DrawElementBody(*e, dc, owner, true);
        });
        EXPECT_EQ(xored, xoredStepped) << turned;
    }
}

// Boxes far larger than any screen are drawn colour on colour as before, only where
// they show. A picture other than 8-bit has no transparent colour: marked transparent,
// it is drawn opaque and unturned in its box, as the transfer draws it.
TEST(SmoothPicture, HugeBoxesAndPicturesWithoutPaletteDrawAsTheTransferDoes) {
    ElementPtr huge = test::BoxElement(ElementKind::Picture, -4e8f, -4e8f, 8e8f, 8e8f);
    huge->picture = Holed(23, 17);
    huge->transparent = 1;
    const QImage smooth = DrawPicture(*huge, 92, true);
    EXPECT_EQ(smooth, DrawPicture(*huge, 92, false));
    EXPECT_FALSE(test::PaintedBox(smooth).isEmpty());

    ElementPtr e = test::BoxElement(ElementKind::Picture, 40, 40, 4 * 57, 4 * 43);
    e->picture = Dib::Create(8, 6, 24);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            e->picture->Bits()[std::size_t(y) * e->picture->Stride() + std::size_t(3 * x)] =
                std::uint8_t(x * 30);
        }
    }
    const QImage plain = DrawPicture(*e, 92, true);
    e->transparent = 1;
    e->halfTurned = 1;
    EXPECT_EQ(DrawPicture(*e, 92, true), plain);
    EXPECT_EQ(test::PaintedBox(plain), test::PaintedBox(DrawPicture(*e, 92, false)));
}

}  // namespace
}  // namespace quenby
