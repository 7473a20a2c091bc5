// The program's own pictures: every number the program asks for resolves to a
// picture of the size and format its user draws it at.
#include "platform/Dib.h"
#include "platform/ResourceImages.h"

#include <QPixmap>

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace quenby {
namespace {

// Toolbar buttons of the main frame, the print preview's buttons and the picture
// buttons of the dialogs.
constexpr std::array<int, 32> kButtonPictures{24331, 24332, 24333, 24337, 24340, 1761,  1762, 1763,
                                              1760,  1807,  1808,  5001,  5000,  1715,  1716, 1600,
                                              1601,  1602,  1603,  1811,  1806,  1801,  1800, 1814,
                                              1802,  1803,  1813,  24500, 24501, 24505, 20,   24};

TEST(ProgramPicturesTest, EveryButtonHasASquarePictureAndAnIcon) {
    std::set<QByteArray> distinct;
    for (int id : kButtonPictures) {
        SCOPED_TRACE(id);
        const QImage image = ResourceImage(id);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(24, 24));
        EXPECT_TRUE(image.hasAlphaChannel());
        const QIcon icon = ResourceIcon(id);
        ASSERT_FALSE(icon.isNull());
        EXPECT_FALSE(icon.pixmap(16, 16).isNull());
        EXPECT_FALSE(icon.pixmap(32, 32).isNull());
        distinct.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   qsizetype(image.sizeInBytes())));
    }
    // No button borrows another's picture.
    EXPECT_EQ(distinct.size(), kButtonPictures.size());
}

TEST(ProgramPicturesTest, StartScreenButtonsFitTheirPlacesOnTheBackground) {
    const QImage background = ResourceImage(10000);
    ASSERT_FALSE(background.isNull());
    // The lowest button stands at (394, 351), 155 x 39 pixels.
    EXPECT_GE(background.width(), 394 + 155);
    EXPECT_GE(background.height(), 351 + 39);
    for (int id = 10001; id <= 10005; ++id) {
        SCOPED_TRACE(id);
        const QImage normal = ResourceImage(id);
        const QImage pressed = ResourceImage(id + 10);
        EXPECT_EQ(normal.size(), QSize(155, 39));
        EXPECT_EQ(pressed.size(), QSize(155, 39));
        EXPECT_NE(normal, pressed);
        if (id > 10001) {
            EXPECT_NE(normal, ResourceImage(id - 1));
        }
    }
}

TEST(ProgramPicturesTest, RotationGlyphIsAnEightBitMaskOfIndexZero) {
    const std::unique_ptr<Dib> glyph = ResourceDib(11051);
    ASSERT_TRUE(glyph);
    EXPECT_EQ(glyph->Width(), 15);
    EXPECT_EQ(glyph->Height(), 15);  // bottom row first
    EXPECT_EQ(glyph->BitCount(), 8);
    EXPECT_EQ(glyph->CompressionType(), Dib::Rgb);
    EXPECT_EQ(glyph->ColourCount(), 256);
    int drawn = 0;
    for (int row = 0; row < 15; ++row) {
        for (int x = 0; x < 15; ++x) {
            const std::uint8_t index = glyph->Bits()[std::size_t(row) * glyph->Stride() + x];
            ASSERT_TRUE(index == 0 || index == kResourceTransparentIndex) << int(index);
            drawn += index == 0;
        }
    }
    EXPECT_GT(drawn, 30);
    EXPECT_LT(drawn, 15 * 15 / 2);
    // Index 0 draws dark, the left-out index light, so the glyph also shows as a picture.
    EXPECT_LT(qGray(glyph->Colour(0)), 64);
    EXPECT_GT(qGray(glyph->Colour(kResourceTransparentIndex)), 192);
    const QImage image = ResourceImage(11051);
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.size(), QSize(15, 15));
}

TEST(ProgramPicturesTest, ThumbnailTileIsAnEightBitHundredPixelSquare) {
    const std::unique_ptr<Dib> tile = ResourceDib(400);
    ASSERT_TRUE(tile);
    EXPECT_EQ(tile->Width(), 100);
    EXPECT_EQ(tile->Height(), 100);
    EXPECT_EQ(tile->BitCount(), 8);
    EXPECT_EQ(tile->ColourCount(), 256);
    // A copy is the caller's own: drawing on it leaves the next copy blank.
    tile->Bits()[0] = 7;
    EXPECT_NE(ResourceDib(400)->Bits()[0], 7);
}

TEST(ProgramPicturesTest, OtherPicturesComeAsTrueColourBitmapsLaidOnWhite) {
    const std::unique_ptr<Dib> corner = ResourceDib(5002);
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->BitCount(), 24);
    EXPECT_EQ(corner->Width(), 20);
    EXPECT_EQ(corner->Height(), 20);
    // The bitmap and the image agree: same pixels, rows the right way up.
    const QImage fromDib = corner->ToImage();
    const QImage drawn = ResourceImage(5002);
    ASSERT_EQ(fromDib.size(), drawn.size());
    for (QPoint p : {QPoint(0, 0), QPoint(10, 3), QPoint(10, 10), QPoint(19, 19)}) {
        EXPECT_EQ(fromDib.pixel(p) & 0xFFFFFF, drawn.pixel(p) & 0xFFFFFF) << p.x() << "," << p.y();
    }
    // Surroundings that the picture leaves transparent become white.
    const std::unique_ptr<Dib> cancel = ResourceDib(24);
    ASSERT_TRUE(cancel);
    EXPECT_EQ(cancel->ToImage().pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(ProgramPicturesTest, RulerCornerFoldsAndProgramIcon) {
    EXPECT_EQ(ResourceImage(5002).size(), QSize(20, 20));
    const QSize foldSize = ResourceImage(11000).size();
    EXPECT_GE(foldSize.width(), 100);
    for (int id = 11000; id <= 11005; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(ResourceImage(id).size(), foldSize);
        if (id > 11000) {
            EXPECT_NE(ResourceImage(id), ResourceImage(id - 1));
        }
    }
    const QIcon icon = ResourceIcon(990);
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
}

TEST(ProgramPicturesTest, EveryToolCursorHasItsOwnShapeAndAHotSpotInside) {
    for (int id = 1; id <= 10; ++id) {
        SCOPED_TRACE(id);
        const QCursor cursor = ResourceCursor(id);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        const QPixmap shape = cursor.pixmap();
        ASSERT_FALSE(shape.isNull());
        EXPECT_EQ(shape.size(), QSize(32, 32));
        EXPECT_TRUE(QRect(QPoint(0, 0), shape.size()).contains(cursor.hotSpot()));
    }
    // The drawing tools point with the crosshair at the top left; turning points at the middle.
    EXPECT_EQ(ResourceCursor(4).hotSpot(), QPoint(8, 8));
    EXPECT_EQ(ResourceCursor(9).hotSpot(), QPoint(16, 16));
}

TEST(ProgramPicturesTest, UnknownNumbersGiveNothingAndTheArrow) {
    EXPECT_TRUE(ResourceImage(12345).isNull());
    EXPECT_EQ(ResourceDib(12345), nullptr);
    EXPECT_TRUE(ResourceIcon(12345).isNull());
    EXPECT_EQ(ResourceCursor(12345).shape(), Qt::ArrowCursor);
    EXPECT_EQ(ResourceCursor(990).shape(), Qt::ArrowCursor);  // a picture, not a cursor
}

}  // namespace
}  // namespace quenby
