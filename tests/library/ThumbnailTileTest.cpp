// The tiles of the image library: where a picture lands and what the tile shows.
#include "library/ThumbnailTile.h"
#include "library/PictureFit.h"

#include "LibraryTestSupport.h"

#include <gtest/gtest.h>

namespace quenby {
namespace {

using thumbnail_tile::Placement;

TEST(ThumbnailTile, PictureIsFittedIntoTheMiddleSquareWithItsProportions) {
    EXPECT_EQ(Placement(300, 150), QRect(5, 27, 90, 45));
    EXPECT_EQ(Placement(150, 300), QRect(27, 5, 45, 90));
    EXPECT_EQ(Placement(90, 90), QRect(5, 5, 90, 90));
    EXPECT_EQ(Placement(9, 9), QRect(5, 5, 90, 90));  // small pictures are enlarged
    // Odd sizes: the long side is still exactly 90, never 89.
    for (int w : {91, 97, 299, 301, 333, 1000, 32768}) {
        EXPECT_EQ(Placement(w, 7).width(), 90) << w;
        EXPECT_EQ(Placement(7, w).height(), 90) << w;
    }
    // A sliver keeps a visible pixel; nothing has no place.
    EXPECT_EQ(Placement(32768, 1), QRect(5, 49, 90, 1));
    EXPECT_TRUE(Placement(0, 10).isEmpty());
    EXPECT_TRUE(Placement(10, -1).isEmpty());
}

TEST(ThumbnailTile, TileIsWhiteWithABlackFrameAndThePictureInPlace) {
    const QImage tile = thumbnail_tile::Draw(test::SolidPicture(300, 150).get());
    ASSERT_EQ(tile.size(), QSize(100, 100));
    const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    for (const QPoint p : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 99), QPoint(99, 99),
                           QPoint(50, 0), QPoint(0, 50)}) {
        EXPECT_EQ(tile.pixel(p), black) << p.x() << "," << p.y();
    }
    EXPECT_EQ(tile.pixel(5, 27), red);
    EXPECT_EQ(tile.pixel(94, 71), red);
    EXPECT_EQ(tile.pixel(4, 27), white);
    EXPECT_EQ(tile.pixel(95, 50), white);
    EXPECT_EQ(tile.pixel(50, 26), white);
    EXPECT_EQ(tile.pixel(50, 72), white);
}

TEST(ThumbnailTile, AShrunkenPictureIsSmoothedButStaysInItsExactPlace) {
    // Fine black and white stripes, one pixel each: colour on colour the tile would
    // show a few of them as hard lines; smoothly scaled they become grey.
    auto picture = test::SolidPicture(300, 150, 1);
    picture->SetColour(1, 0x000000);
    picture->SetColour(2, 0xFFFFFF);
    const std::size_t stride = picture->Stride();
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 300; ++x) {
            picture->Bits()[std::size_t(y) * stride + std::size_t(x)] = std::uint8_t(1 + x % 2);
        }
    }
    const QImage tile = thumbnail_tile::Draw(picture.get());
    const QRect at = thumbnail_tile::Placement(300, 150);
    int grey = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            const QColor c = tile.pixelColor(x, y);
            const bool frame = x == 0 || y == 0 || x == 99 || y == 99;
            if (frame) {
                ASSERT_EQ(c, QColor(Qt::black)) << x << "," << y;
            } else if (!at.contains(x, y)) {
                ASSERT_EQ(c, QColor(Qt::white)) << x << "," << y;  // nothing spills over
            } else if (c.red() > 40 && c.red() < 215) {
                ++grey;
            }
        }
    }
    EXPECT_GT(grey, at.width() * at.height() * 9 / 10);
}

TEST(ThumbnailTile, ADamagedFileGivesTheBlankTile) {
    test::ArtworkFolder art;
    const QImage blank = thumbnail_tile::Draw(nullptr);
    EXPECT_EQ(blank.pixel(50, 50), qRgb(255, 255, 255));
    EXPECT_EQ(blank.pixel(0, 50), qRgb(0, 0, 0));
    EXPECT_EQ(thumbnail_tile::Load(art.Put(QStringLiteral("bad.wxg"), test::DamagedFile())), blank);
    EXPECT_EQ(thumbnail_tile::Load(art.Path(QStringLiteral("missing.wxg"))), blank);
    const QImage good = thumbnail_tile::Load(art.Put(QStringLiteral("good.wxg"), test::PictureFile(10, 20)));
    EXPECT_EQ(good.pixel(50, 50), qRgb(255, 0, 0));
}

TEST(PictureFit, PreviewLeavesATwentiethFreeAndKeepsProportions) {
    const QRect area(0, 0, 200, 200);
    EXPECT_EQ(FitPicture(area, 300, 150), QRect(10, 55, 180, 90));
    EXPECT_EQ(FitPicture(area, 150, 300), QRect(55, 10, 90, 180));
    EXPECT_EQ(FitPicture(area, 40, 40), QRect(10, 10, 180, 180));
    // A wide area: the height limits a square picture.
    EXPECT_EQ(FitPicture(QRect(0, 0, 400, 200), 50, 50), QRect(110, 10, 180, 180));
    EXPECT_TRUE(FitPicture(area, 0, 5).isEmpty());
    EXPECT_TRUE(FitPicture(QRect(), 5, 5).isEmpty());
}

}  // namespace
}  // namespace quenby
