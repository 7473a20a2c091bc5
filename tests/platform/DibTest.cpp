#include "platform/ByteSource.h"
#include "platform/Dib.h"
#include "support/ByteBuilder.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

namespace quenby {
namespace {

std::unique_ptr<Dib> Read(const std::vector<std::uint8_t>& bytes, std::size_t* consumed = nullptr) {
    MemorySource source(bytes);
    auto dib = Dib::ReadFileImage(source);
    if (consumed)
        *consumed = source.Position();
    return dib;
}

TEST(Dib, FileImageWithInfoHeaderComesBackByteForByte) {
    const auto bytes = test::Bitmap8(5, 3);  // rows padded to 8 bytes
    std::size_t consumed = 0;
    auto dib = Read(bytes, &consumed);
    ASSERT_TRUE(dib);
    EXPECT_EQ(consumed, bytes.size());
    EXPECT_EQ(dib->Width(), 5);
    EXPECT_EQ(dib->Height(), 3);
    EXPECT_EQ(dib->BitCount(), 8);
    EXPECT_EQ(dib->ColourCount(), 256);
    EXPECT_EQ(dib->Stride(), 8u);
    std::vector<std::uint8_t> out;
    dib->AppendFileImage(out);
    EXPECT_EQ(out, bytes);
}

TEST(Dib, CoreHeaderIsConvertedToTheInfoForm) {
    auto core = Read(test::Bitmap8Core(6, 2));
    auto info = Read(test::Bitmap8(6, 2));
    ASSERT_TRUE(core && info);
    // Same pixels and palette; only the resolution fields differ (the core form has none).
    EXPECT_EQ(core->Width(), 6);
    EXPECT_EQ(core->ColourCount(), 256);
    EXPECT_TRUE(std::equal(core->Bits().begin(), core->Bits().end(), info->Bits().begin()));
    for (int i : {0, 17, 255})
        EXPECT_EQ(core->Colour(i), info->Colour(i));
    std::vector<std::uint8_t> out;
    core->AppendFileImage(out);
    EXPECT_EQ(out[14], 40);  // written back with the 40-byte header
    EXPECT_EQ(out.size(), 14u + 40 + 1024 + 8 * 2);
}

TEST(Dib, ImageShowsPixelsTopRowFirstWithThePalette) {
    auto dib = Read(test::Bitmap8(4, 3));
    ASSERT_TRUE(dib);
    const QImage image = dib->ToImage();
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.pixelIndex(0, 0), 0);
    EXPECT_EQ(image.pixelIndex(3, 2), 5);
    EXPECT_EQ(image.color(255), qRgb(0, 255, 255));  // stored blue, green, red
}

TEST(Dib, RefusesWhatItCannotHoldWithoutReadingPastTheData) {
    auto good = test::Bitmap8(4, 4);
    auto with = [&](std::size_t at, std::vector<std::uint8_t> patch) {
        auto b = good;
        std::copy(patch.begin(), patch.end(), b.begin() + at);
        return b;
    };
    EXPECT_FALSE(Read(with(0, {'B', 'X'})));                     // not a bitmap mark
    EXPECT_FALSE(Read(with(14, {20, 0, 0, 0})));                 // unknown header size
    EXPECT_FALSE(Read(with(14 + 14, {7, 0})));                   // 7 bits a pixel
    EXPECT_FALSE(Read(with(14 + 4, {0, 0, 0, 0})));              // zero width
    EXPECT_FALSE(Read(with(14 + 4, {0xFF, 0xFF, 0xFF, 0x7F})));  // absurd width
    EXPECT_FALSE(Read(with(14 + 16, {9, 0, 0, 0})));             // unknown compression
    // Claims more rows than the data holds: refused before anything is reserved.
    EXPECT_FALSE(Read(with(14 + 8, {0x00, 0x40, 0, 0})));
    auto cut = good;
    cut.resize(cut.size() - 1);
    EXPECT_FALSE(Read(cut));
    EXPECT_FALSE(Read({}));
}

TEST(Dib, RunLengthAndTrueColourPicturesDecode) {
    // 4 x 2 run-length picture: bottom row two runs, then end of line, top row a run.
    test::ByteBuilder rle;
    const std::vector<std::uint8_t> data = {2, 1, 2, 3, 0, 0, 4, 7, 0, 1};
    rle.text("BM").u32(0).u32(0).u32(14 + 40 + 1024);
    rle.u32(40)
        .i32(4)
        .i32(2)
        .u16(1)
        .u16(8)
        .u32(1)
        .u32(std::uint32_t(data.size()))
        .i32(0)
        .i32(0)
        .u32(0)
        .u32(0)
        .zeros(1024)
        .append(data);
    auto dib = Read(rle.bytes);
    ASSERT_TRUE(dib);
    const QImage image = dib->ToImage();
    EXPECT_EQ(image.pixelIndex(0, 1), 1);
    EXPECT_EQ(image.pixelIndex(3, 1), 3);
    EXPECT_EQ(image.pixelIndex(2, 0), 7);

    test::ByteBuilder rgb;  // one 24-bit pixel, red
    rgb.text("BM").u32(0).u32(0).u32(54);
    rgb.u32(40).i32(1).i32(1).u16(1).u16(24).u32(0).u32(4).i32(0).i32(0).u32(0).u32(0);
    rgb.u8(0).u8(0).u8(255).u8(0);
    auto red = Read(rgb.bytes);
    ASSERT_TRUE(red);
    EXPECT_EQ(red->ToImage().pixel(0, 0), qRgb(255, 0, 0));
}


// Run-length codes with deltas, runs past the row's end and a stream that stops early:
// a part of the picture decodes to exactly that part of the whole.
std::unique_ptr<Dib> RunLengthWithDeltas() {
    // Stored rows, bottom first: row 0 three 9s; a delta to x 2 of row 2, whose run of
    // 250 4s is cut at the row's end; row 3 the absolute pixels 1 2 3; a delta to x 1
    // of row 6, two 6s, and the stream ends without its end mark.
    const std::vector<std::uint8_t> data = {3, 9, 0, 0, 0, 2, 2, 1, 250, 4, 0, 0, 0, 3,
                                            1, 2, 3, 0, 0, 0, 0, 2, 1, 2, 2, 6};
    test::ByteBuilder rle;
    rle.text("BM").u32(0).u32(0).u32(14 + 40 + 1024);
    rle.u32(40).i32(8).i32(7).u16(1).u16(8).u32(1).u32(std::uint32_t(data.size()));
    rle.i32(0).i32(0).u32(0).u32(0).zeros(1024).append(data);
    return Read(rle.bytes);
}

TEST(Dib, PartsAndSamplesMatchTheWholePicture) {
    auto rle = RunLengthWithDeltas();
    auto grey = Read(test::Bitmap8(13, 9));
    test::ByteBuilder rgb;  // 3 × 2, 24-bit: pixel (x, y) has red 10 x and green 10 y
    rgb.text("BM").u32(0).u32(0).u32(54);
    rgb.u32(40).i32(3).i32(-2).u16(1).u16(24).u32(0).u32(24).i32(0).i32(0).u32(0).u32(0);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            rgb.u8(0).u8(std::uint8_t(10 * y)).u8(std::uint8_t(10 * x));
        }
        rgb.zeros(3);
    }
    auto colour = Read(rgb.bytes);
    ASSERT_TRUE(rle && grey && colour);
    for (const Dib* dib : {rle.get(), grey.get(), colour.get()}) {
        const QImage whole = dib->ToImage();
        const QRect part(1, 1, whole.width() - 2, whole.height() - 1);
        EXPECT_EQ(dib->ToImage(part, part.size()).convertToFormat(QImage::Format_RGB32),
                  whole.copy(part).convertToFormat(QImage::Format_RGB32));
        // Half the size: each pixel is the one nearest its centre, every second one.
        const QSize half(part.width() / 2, part.height() / 2);
        const QImage sampled =
            dib->ToImage(part, half).convertToFormat(QImage::Format_RGB32);
        const QImage reference = whole.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < half.height(); ++y) {
            for (int x = 0; x < half.width(); ++x) {
                const int sx = part.x() + (2 * x + 1) * part.width() / (2 * half.width());
                const int sy = part.y() + (2 * y + 1) * part.height() / (2 * half.height());
                EXPECT_EQ(sampled.pixel(x, y), reference.pixel(sx, sy));
            }
        }
    }
    // Rows above the stream's end and pixels the deltas skipped are index 0.
    const QImage image = rle->ToImage();
    EXPECT_EQ(image.pixelIndex(2, 6), 9);
    EXPECT_EQ(image.pixelIndex(3, 6), 0);
    EXPECT_EQ(image.pixelIndex(0, 5), 0);
    EXPECT_EQ(image.pixelIndex(1, 4), 0);
    EXPECT_EQ(image.pixelIndex(7, 4), 4);
    EXPECT_EQ(image.pixelIndex(2, 3), 3);
    EXPECT_EQ(image.pixelIndex(0, 2), 0);
    EXPECT_EQ(image.pixelIndex(0, 0), 0);
    EXPECT_EQ(image.pixelIndex(2, 0), 6);
    // Outside the picture there is nothing to show.
    EXPECT_TRUE(grey->ToImage(QRect(20, 0, 4, 4), QSize(4, 4)).isNull());
}

TEST(Dib, PixelsBeyondTheLimitAreRefusedWhateverTheStoredSize) {
    // 32768 × 32768 run-length pixels in a handful of code bytes.
    test::ByteBuilder rle;
    const std::vector<std::uint8_t> data = {255, 7, 0, 1};
    rle.text("BM").u32(0).u32(0).u32(14 + 40 + 1024);
    rle.u32(40).i32(32768).i32(32768).u16(1).u16(8).u32(1).u32(4).i32(0).i32(0).u32(0).u32(0);
    rle.zeros(1024).append(data);
    EXPECT_FALSE(Read(rle.bytes));
    // A quarter of that is within the limit.
    std::copy_n(std::vector<std::uint8_t>{0, 0x40, 0, 0}.begin(), 4, rle.bytes.begin() + 18);
    std::copy_n(std::vector<std::uint8_t>{0, 0x40, 0, 0}.begin(), 4, rle.bytes.begin() + 22);
    auto quarter = Read(rle.bytes);
    ASSERT_TRUE(quarter);
    EXPECT_EQ(quarter->Width(), 16384);
    const QImage corner = quarter->ToImage(QRect(0, 16380, 4, 4), QSize(4, 4));
    EXPECT_EQ(corner.pixelIndex(0, 3), 7);
    EXPECT_EQ(corner.pixelIndex(0, 2), 0);
}

}  // namespace
}  // namespace quenby
