// The graphic file reader against files built byte by byte, and the writer the
// artwork is made with read back through it.
#include "graphics/ColourQuantiser.h"
#include "graphics/GraphicFile.h"
#include "graphics/GraphicFileWriter.h"
#include "platform/Dib.h"
#include "platform/ResourceStrings.h"
#include "support/ByteBuilder.h"
#include "support/Fakes.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace quenby {
namespace {

const char kKeyText[] = "QZXVNMRTBWLPCGFDKY";

struct WxgFields {
    std::string signature = "Wexmoor Arts";
    std::uint8_t resolution = 1;
    std::uint16_t transparency = 0;
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::int64_t pixelOffset = -1;  // -1: right after the palette
    std::int64_t cutBody = -1;      // >= 0: the body is cut to this many bytes
};

// A graphic file as the format tables describe it; pixel (x, y) of the bottom-up
// rows is 10 * y + x, palette entry i is (blue i, green 255 - i, red i / 2).
std::vector<std::uint8_t> BuildWxg(const WxgFields& f) {
    test::ByteBuilder h;
    h.fixed(f.signature, 12)
        .fill(42, 0x11)
        .u8(0x22)
        .u8(f.resolution)
        .fill(6, 0x33)
        .u16(f.transparency);
    const std::uint32_t stride = (std::uint32_t(std::max(f.width, 0)) + 3) / 4 * 4;
    const std::uint32_t offset = f.pixelOffset < 0 ? 54 + 1024 : std::uint32_t(f.pixelOffset);
    test::ByteBuilder body;
    body.text("BM").u32(0).u16(0).u16(0).u32(offset);
    body.u32(40).i32(f.width).i32(f.height).u16(1).u16(8).u32(0).u32(0).i32(0).i32(0).u32(0).u32(0);
    for (int i = 0; i < 256; ++i)
        body.u8(std::uint8_t(i)).u8(std::uint8_t(255 - i)).u8(std::uint8_t(i / 2)).u8(0);
    // A cut body is only built as far as the cut, so absurd sizes cost nothing.
    const std::size_t limit = f.cutBody >= 0 ? std::size_t(f.cutBody) : SIZE_MAX;
    while (body.size() < offset && body.size() < limit)
        body.u8(0xEE);
    for (int y = 0; y < std::max(f.height, 0) && body.size() < limit; ++y) {
        for (std::uint32_t x = 0; x < stride && body.size() < limit; ++x)
            body.u8(x < std::uint32_t(f.width) ? std::uint8_t(10 * y + x) : 0xAA);
    }
    if (f.cutBody >= 0)
        body.bytes.resize(std::size_t(f.cutBody));
    for (std::size_t i = 0; i < body.bytes.size(); ++i)
        body.bytes[i] ^= std::uint8_t(kKeyText[i % 18]);
    return h.append(body.bytes).bytes;
}

struct Loaded {
    std::unique_ptr<Dib> picture;
    int transparent = -1;
    int resolution = -1;
    test::FakeMessages messages;
};

std::unique_ptr<Loaded> Load(const std::vector<std::uint8_t>& bytes) {
    auto l = std::make_unique<Loaded>();
    l->picture = LoadGraphicFile(l->messages, bytes, QStringLiteral("/art/pic.wxg"), l->transparent,
                                 &l->resolution);
    return l;
}

TEST(GraphicFile, ReadsPaletteRowsAndPaddingOfAThreePixelWidePicture) {
    const auto l = Load(BuildWxg({}));
    ASSERT_TRUE(l->picture);
    EXPECT_TRUE(l->messages.shown.empty());
    EXPECT_EQ(l->picture->Width(), 3);
    EXPECT_EQ(l->picture->Height(), 2);
    EXPECT_EQ(l->picture->BitCount(), 8);
    EXPECT_EQ(l->picture->ColourCount(), 256);
    EXPECT_EQ(l->picture->Stride(), 4u);
    // Body bytes at positions 18, 36, ... use key byte 0 again: the palette and the
    // rows only come out right when the key repeats every 18 bytes.
    EXPECT_EQ(l->picture->Colour(0), 0x00FF00u);
    EXPECT_EQ(l->picture->Colour(200), 0x6437C8u);
    const std::vector<std::uint8_t> rows(l->picture->Bits().begin(), l->picture->Bits().end());
    EXPECT_EQ(rows, (std::vector<std::uint8_t>{0, 1, 2, 0xAA, 10, 11, 12, 0xAA}));
}

TEST(GraphicFile, TransparencyWordAndResolutionByteBecomeTheOutValues) {
    struct Case {
        std::uint16_t word;
        std::uint8_t resolution;
        int transparent;
    };
    for (const Case c : {Case{0, 0, 1}, Case{1, 1, 0}, Case{2, 7, 0}, Case{0x100, 1, 0}}) {
        WxgFields f;
        f.transparency = c.word;
        f.resolution = c.resolution;
        const auto l = Load(BuildWxg(f));
        ASSERT_TRUE(l->picture);
        EXPECT_EQ(l->transparent, c.transparent) << c.word;
        EXPECT_EQ(l->resolution, c.resolution);
    }
    EXPECT_EQ(wxg::DotsPerInch(0), 72);
    EXPECT_EQ(wxg::DotsPerInch(1), 150);
    EXPECT_EQ(wxg::DotsPerInch(9), 150);
}

TEST(GraphicFile, AcceptsAGapBeforeThePixelRows) {
    WxgFields f;
    f.pixelOffset = 54 + 1024 + 30;
    const auto l = Load(BuildWxg(f));
    ASSERT_TRUE(l->picture);
    EXPECT_EQ(l->picture->Bits()[4], 10);
}

TEST(GraphicFile, RefusesDamagedFilesWithTheInvalidFileMessage) {
    std::vector<std::pair<const char*, std::vector<std::uint8_t>>> damaged;
    WxgFields f;
    f.signature = "Wexmoor Artz";
    damaged.emplace_back("signature", BuildWxg(f));
    const std::vector<std::uint8_t> good = BuildWxg({});
    damaged.emplace_back("header only", std::vector<std::uint8_t>(good.begin(), good.begin() + 64));
    damaged.emplace_back("short header",
                         std::vector<std::uint8_t>(good.begin(), good.begin() + 40));
    f = {};
    f.cutBody = 54 + 1000;
    damaged.emplace_back("palette cut", BuildWxg(f));
    f = {};
    f.cutBody = 54 + 1024 + 7;
    damaged.emplace_back("rows cut", BuildWxg(f));
    f = {};
    f.pixelOffset = 0x7FFFFFF0;
    f.cutBody = 54 + 1024 + 8;
    damaged.emplace_back("offset outside", BuildWxg(f));
    for (std::int32_t bad : {0, -2}) {
        f = {};
        f.height = bad;
        damaged.emplace_back("height", BuildWxg(f));
        f = {};
        f.width = bad;
        f.cutBody = 54 + 1024 + 16;
        damaged.emplace_back("width", BuildWxg(f));
    }
    f = {};
    f.width = 40000;
    f.height = 40000;
    f.cutBody = 54 + 1024 + 64;
    damaged.emplace_back("huge", BuildWxg(f));
    f = {};
    f.width = 0x7FFFFFFF;
    f.height = 0x7FFFFFFF;
    f.cutBody = 54 + 1024;
    damaged.emplace_back("overflowing", BuildWxg(f));

    for (const auto& [what, bytes] : damaged) {
        const auto l = Load(bytes);
        EXPECT_FALSE(l->picture) << what;
        ASSERT_EQ(l->messages.shown.size(), 1u) << what;
        EXPECT_EQ(l->messages.shown[0].text, ResourceString(8051)) << what;
        EXPECT_EQ(l->messages.shown[0].caption, QStringLiteral("/art/pic.wxg")) << what;
        EXPECT_EQ(l->messages.shown[0].icon, MessageIcon::Exclamation);
    }
}

TEST(GraphicFile, LoadsFromDiskAndReportsAMissingFileUnderItsPath) {
    QTemporaryDir dir;
    const QString path = test::WriteFile(dir.filePath("a.wxg"), BuildWxg({}));
    test::FakeMessages messages;
    int transparent = -1;
    EXPECT_TRUE(LoadGraphicFile(messages, path, transparent));
    EXPECT_EQ(transparent, 1);

    const QString missing = dir.filePath("none.wxg");
    EXPECT_FALSE(LoadGraphicFile(messages, missing, transparent));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, missing);
}

QImage ClipArt() {
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(0, 0, 20, 30, QColor(200, 30, 40));
    p.fillRect(20, 0, 10, 15, QColor(10, 120, 250));
    p.fillRect(20, 15, 10, 15, QColor(255, 255, 255));
    return image;
}

TEST(GraphicFileWriter, RoundTripKeepsColoursTransparencyAndResolution) {
    const std::vector<std::uint8_t> bytes = wxg::EncodeGraphicFile(ClipArt(), {true, 1});
    ASSERT_GT(bytes.size(), 64u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 12), "Wexmoor Arts");
    EXPECT_EQ(bytes[55], 1);
    EXPECT_EQ(bytes[62] | (bytes[63] << 8), 0);

    const auto l = Load(bytes);
    ASSERT_TRUE(l->picture);
    EXPECT_EQ(l->transparent, 1);
    EXPECT_EQ(l->resolution, 1);
    const QImage back = l->picture->ToImage();
    ASSERT_EQ(back.size(), QSize(40, 30));
    EXPECT_EQ(back.pixelIndex(35, 5), 255);  // the empty part
    EXPECT_EQ(back.pixelIndex(25, 20) == 255, false) << "white paint is not transparent";
    EXPECT_EQ(back.pixel(5, 5) & 0xFFFFFF, 0xC81E28u);
    EXPECT_EQ(back.pixel(25, 5) & 0xFFFFFF, 0x0A78FAu);
    EXPECT_EQ(back.pixel(25, 20) & 0xFFFFFF, 0xFFFFFFu);

    const auto opaque = Load(wxg::EncodeGraphicFile(ClipArt(), {false, 0}));
    ASSERT_TRUE(opaque->picture);
    EXPECT_EQ(opaque->transparent, 0);
    EXPECT_EQ(opaque->resolution, 0);
}

TEST(ColourQuantiser, ManyColoursBecomeAtMost255AndFlatAreasStayFlat) {
    QImage image(256, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x)
            image.setPixel(x, y, qRgb(x, (y * 4) & 0xFF, (x * 7 + y) & 0xFF));
    // A flat block with one transparent corner pixel.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, qRgb(12, 200, 90));
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    const std::unique_ptr<Dib> dib = QuantiseToPalette(image);
    ASSERT_TRUE(dib);
    const QImage q = dib->ToImage();
    std::set<int> used;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x)
            used.insert(q.pixelIndex(x, y));
    EXPECT_LE(used.size(), 256u);
    EXPECT_EQ(q.pixelIndex(0, 0), 255);
    int transparentCount = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x)
            transparentCount += q.pixelIndex(x, y) == 255;
    EXPECT_EQ(transparentCount, 1);
    const int flat = q.pixelIndex(5, 5);
    for (int y = 1; y < 16; ++y)
        for (int x = 1; x < 16; ++x)
            ASSERT_EQ(q.pixelIndex(x, y), flat);
    const QRgb c = q.color(flat);
    EXPECT_NEAR(qGreen(c), 200, 6);
    EXPECT_NEAR(qRed(c), 12, 6);
}

}  // namespace
}  // namespace quenby
