// Pictures scaled smoothly for thumbnails and previews: the size asked for, soft
// edges where the picture shrinks or grows, and the transparent index left clear.
#include "graphics/ScaledPicture.h"
#include "graphics/TransparentPicture.h"
#include "platform/Dib.h"
#include "support/ImageColours.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>

namespace quenby {
namespace {

// Black and white in one-pixel squares, with index 255 (green) down the left half
// when `clearLeft`.
std::unique_ptr<Dib> Checkers(int width, int height, bool clearLeft = false) {
    auto picture = Dib::Create(width, height, 8);
    picture->SetColour(0, 0x000000);
    picture->SetColour(1, 0xFFFFFF);
    picture->SetColour(255, 0x00FF00);
    const std::size_t stride = picture->Stride();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool clear = clearLeft && x < width / 2;
            picture->Bits()[std::size_t(y) * stride + std::size_t(x)] =
                clear ? 255 : std::uint8_t((x + y) % 2);
        }
    }
    return picture;
}

using test::Colours;

TEST(ScaledPicture, ShrinkingAveragesTheFinePatternIntoGrey) {
    const auto picture = Checkers(300, 150);
    const QImage scaled = SmoothlyScaledPicture(*picture, QSize(90, 45));
    ASSERT_EQ(scaled.size(), QSize(90, 45));
    // Colour on colour gives black or white; averaged, the middle is a mid grey.
    const QColor middle = scaled.pixelColor(45, 22);
    EXPECT_GT(middle.red(), 60);
    EXPECT_LT(middle.red(), 195);
    EXPECT_GT(Colours(scaled).size(), 2u);
    for (const QRgb c : Colours(scaled)) {
        EXPECT_EQ(qAlpha(c), 255);
    }
}

TEST(ScaledPicture, AUniformPictureKeepsItsExactColourAtAnySize) {
    auto picture = Dib::Create(10, 8, 8);
    picture->SetColour(3, 0xC81E3C);
    for (auto& b : picture->Bits()) {
        b = 3;
    }
    for (const QSize size : {QSize(288, 230), QSize(5, 4), QSize(10, 8), QSize(1, 1)}) {
        const QImage scaled = SmoothlyScaledPicture(*picture, size);
        ASSERT_EQ(scaled.size(), size);
        EXPECT_EQ(Colours(scaled), std::set<QRgb>{qRgb(0xC8, 0x1E, 0x3C)});
    }
}

TEST(ScaledPicture, TransparentIndexIsClearAndItsEdgeBlends) {
    const auto picture = Checkers(40, 20, true);
    const QImage scaled = SmoothlyScaledTransparentPicture(*picture, 255, QSize(200, 100));
    ASSERT_EQ(scaled.size(), QSize(200, 100));
    EXPECT_EQ(qAlpha(scaled.pixel(10, 50)), 0);     // the left-out half
    EXPECT_EQ(qAlpha(scaled.pixel(190, 50)), 255);  // the picture
    // Where they meet, pixels are partly covered: no hard step, and no green.
    bool partly = false;
    for (int x = 90; x < 110; ++x) {
        const QRgb c = scaled.pixel(x, 50);
        partly = partly || (qAlpha(c) > 0 && qAlpha(c) < 255);
        EXPECT_EQ(qGreen(c) > qRed(c) + 40, false) << x;
    }
    EXPECT_TRUE(partly);
}

TEST(ScaledPicture, NothingForAnEmptySizeAndOpaqueForPicturesWithoutPalette) {
    const auto picture = Checkers(4, 4);
    EXPECT_TRUE(SmoothlyScaledPicture(*picture, QSize(0, 5)).isNull());
    EXPECT_TRUE(SmoothlyScaledTransparentPicture(*picture, 255, QSize(5, 0)).isNull());
    auto colour = Dib::Create(4, 4, 24);
    const QImage opaque = SmoothlyScaledTransparentPicture(*colour, 255, QSize(8, 8));
    ASSERT_EQ(opaque.size(), QSize(8, 8));
    EXPECT_EQ(qAlpha(opaque.pixel(0, 0)), 255);
}

TEST(ScaledPicture, MaskedPictureTakesThePartAskedForTurnedOrNot) {
    const auto picture = Checkers(6, 4, true);  // columns 0-2 clear
    const QImage whole = MaskedPicture(*picture, 255, false, QRect(0, 0, 6, 4));
    ASSERT_EQ(whole.size(), QSize(6, 4));
    EXPECT_EQ(whole.pixel(0, 0), 0u);
    EXPECT_EQ(qAlpha(whole.pixel(5, 0)), 255);
    const QImage turned = MaskedPicture(*picture, 255, true, QRect(0, 0, 6, 4));
    EXPECT_EQ(turned, whole.mirrored(true, true));
    const QImage part = MaskedPicture(*picture, 255, false, QRect(3, 1, 10, 2));
    ASSERT_EQ(part.size(), QSize(3, 2));  // cut to the picture
    EXPECT_EQ(part.pixel(0, 0), whole.pixel(3, 1));
    EXPECT_TRUE(MaskedPicture(*picture, 255, false, QRect(6, 0, 2, 2)).isNull());
}

}  // namespace
}  // namespace quenby
