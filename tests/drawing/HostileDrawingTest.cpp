// Documents built byte by byte with values at the edges of what the file can hold,
// read by the program's reader and drawn as the view and the printer draw them. Each
// must draw what can be seen, in work and memory bounded by the device; the sanitizer
// build checks the arithmetic on the way.
#include "CountingDevice.h"
#include "DrawingTestSupport.h"

#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/ElementDrawing.h"
#include "document/ElementGeometry.h"
#include "document/PageDrawing.h"
#include "platform/ByteSource.h"
#include "support/ByteBuilder.h"

#include <gtest/gtest.h>

#include <limits>

namespace quenby {
namespace {

constexpr std::int32_t kLeastInt = std::numeric_limits<std::int32_t>::min();
constexpr std::uint32_t kRedRef = 0x0000FF;   // 0x00BBGGRR
constexpr std::uint32_t kBlueRef = 0xFF0000;

// A half-fold card: its back face comes out turned on the sheet.
void CardHeader(test::ByteBuilder& b) {
    test::HeaderFields h;
    h.isCard = kCard;
    h.cardType = 0;
    test::AppendHeader(b, h);
}

test::RecordFields Shape(std::uint8_t kind, float x0, float y0, float x1, float y1) {
    test::RecordFields r;
    r.kind = kind;
    const float corners[8] = {x0, y0, x1, y0, x1, y1, x0, y1};
    std::copy(std::begin(corners), std::end(corners), r.corners);
    r.outlineOn = 0;
    return r;
}

// A run-length 8-bit picture: palette entry i is (red 255 − i, green i, blue i).
std::vector<std::uint8_t> RunLengthPicture(int width, int height,
                                           const std::vector<std::uint8_t>& codes) {
    test::ByteBuilder b;
    b.text("BM").u32(std::uint32_t(14 + 40 + 1024 + codes.size())).u16(0).u16(0).u32(14 + 40 + 1024);
    b.u32(40).i32(width).i32(height).u16(1).u16(8).u32(1).u32(std::uint32_t(codes.size()));
    b.i32(0).i32(0).u32(256).u32(0);
    for (int i = 0; i < 256; ++i) {
        b.u8(std::uint8_t(i)).u8(std::uint8_t(i)).u8(std::uint8_t(255 - i)).u8(0);
    }
    return b.append(codes).bytes;
}

class HostileDrawingTest : public ::testing::Test {
protected:
    // Reads the bytes as the program reads a file.
    wxd::ReadOutcome Read(const std::vector<std::uint8_t>& bytes) {
        MemorySource source(bytes);
        return wxd::ReadDocument(source, doc);
    }
    QImage DrawFace(int face, int w, int h, bool turned = false, QPoint turnCentre = {}) {
        doc.currentPage = std::uint8_t(face);
        return test::Render(
            w, h, [&](DeviceContext& dc) { DrawPage(doc, face, dc, owner, turned, turnCentre.x(), turnCentre.y()); },
            owner.IsPrinting());
    }

    FixedOwner owner;
    Document doc;
};

TEST_F(HostileDrawingTest, StoredValuesAtTheIntLimitsDrawWithoutOverflow) {
    test::ByteBuilder b;
    CardHeader(b);
    // A radial fill centred at the least int, on the back face, which the printer turns:
    // the mirrored centre 100 − centre lies beyond int.
    test::RecordFields radial = Shape(2, 100, 100, 900, 700);
    radial.page = 3;
    radial.fillOn = 1;
    radial.fillStyle = kRadialGradient;
    radial.fillColour = kRedRef;
    radial.fillColour2 = kBlueRef;
    radial.centreX = radial.centreY = kLeastInt;
    test::AppendRecord(b, radial);
    // A picture, a text and a circular text spanning more than the whole int range.
    test::RecordFields picture = Shape(5, -1.0e10f, -1.0e10f, 1.0e10f, 1.0e10f);
    test::AppendRecord(b, picture);
    b.append(test::Bitmap8(3, 3));
    test::RecordFields frame = Shape(6, -1.0e12f, -1.0e12f, 1.0e12f, 1.0e12f);
    frame.page = 2;
    test::AppendRecord(b, frame);
    test::TextFields letters;
    letters.fillStyle = kRadialGradient;
    letters.centreX = kLeastInt;
    letters.shadowOn = 1;
    letters.shadowDx = std::numeric_limits<std::int32_t>::max();
    test::AppendTextBlock(b, letters);
    test::RecordFields circle;
    circle.kind = 8;
    const float line[8] = {0, 0, 1.0e9f, 0, 2.0e9f, 0, -1.0e9f, 0};
    std::copy(std::begin(line), std::end(line), circle.corners);
    circle.page = 2;
    test::AppendRecord(b, circle);
    test::AppendTextBlock(b, letters);
    ASSERT_EQ(Read(b.bytes), wxd::ReadOutcome::Loaded);
    ASSERT_EQ(doc.elements.Count(), 4);

    // Printed at 600 dpi on the turned back face: the centre lies far to the right, so
    // the part of the box in view has the outer rings' colour, blue.
    owner.SetPrinting(true);
    owner.SetZoomPercent(625);
    const QImage back = DrawFace(3, 300, 300, true, QPoint(300, 250));
    test::Dump(back, "hostile-radial-turned");
    EXPECT_GT(qBlue(back.pixel(100, 100)), 200);
    EXPECT_LT(qRed(back.pixel(100, 100)), 60);

    // On the screen the picture covers the device with its middle pixel (x + y = 2 in
    // the grey palette: red 253), whose cell holds the middle of the range.
    owner.SetPrinting(false);
    owner.SetZoomPercent(100);
    const QImage front = DrawFace(0, 64, 64);
    test::Dump(front, "hostile-picture-range");
    EXPECT_EQ(test::CountPixels(front, qRgb(253, 2, 2)), 64 * 64);
    // The letters run across two billion pixels; the view shows a sliver of them.
    DrawFace(2, 64, 64);

    // Geometry and hit tests of every element answer within the device range.
    for (const Element& e : doc.elements) {
        const QRect r = ElementDeviceRect(e, owner);
        EXPECT_LE(r.left(), r.right() + 1);
        (void)HitHandle(e, owner, r.left(), r.top());
        (void)HitElement(e, owner, 10, 10);
    }
    EXPECT_TRUE(HitElement(*doc.elements.At(2), owner, 10, 10));
}

TEST_F(HostileDrawingTest, CornersThatAreNotNumbersDrawAndHitNothing) {
    // A circular text whose corners are NaN and infinite: its arc has no direction to
    // sweep in (the sweep's step index was a NaN turned into an int).
    test::ByteBuilder b;
    CardHeader(b);
    test::RecordFields circle;
    circle.kind = 8;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float corners[8] = {0, 0, nan, 5, inf, -inf, 3, nan};
    std::copy(std::begin(corners), std::end(corners), circle.corners);
    test::AppendRecord(b, circle);
    test::AppendTextBlock(b, {});
    ASSERT_EQ(Read(b.bytes), wxd::ReadOutcome::Loaded);
    const Element& e = *doc.elements.At(0);
    (void)RawBounds(e);
    EXPECT_FALSE(HitElement(e, owner, 10, 10));
    EXPECT_EQ(HitHandle(e, owner, 10, 10), 0);
    // Points that are not numbers land on the device's origin, and nowhere else.
    const QRect painted = test::PaintedBox(DrawFace(0, 64, 64));
    EXPECT_TRUE(painted.isEmpty() || QRect(0, 0, 4, 4).contains(painted));
}

TEST_F(HostileDrawingTest, RadialGradientsPaintOnlyTheRingsThatMeetTheDevice) {
    // A shape wholly off the device paints nothing at all; letters reaching a hundred
    // million pixels beyond it paint no more rings than the device's own diagonal holds.
    test::ByteBuilder b;
    CardHeader(b);
    test::RecordFields away = Shape(2, 4.0e9f, 4.0e9f, 8.0e9f, 8.0e9f);
    away.fillOn = 1;
    away.fillStyle = kRadialGradient;
    test::AppendRecord(b, away);
    test::RecordFields frame = Shape(6, -4.0e8f, -4.0e8f, 4.0e8f, 4.0e8f);
    test::AppendRecord(b, frame);
    test::TextFields letters;
    letters.chars = "I";  // one bar, stretched over the whole frame
    letters.face = "DejaVu Sans";
    letters.fillStyle = kRadialGradient;
    test::AppendTextBlock(b, letters);
    ASSERT_EQ(Read(b.bytes), wxd::ReadOutcome::Loaded);

    test::CountingDevice offPage(200, 200);
    {
        QPainter painter(&offPage);
        DeviceContext dc(painter);
        DrawElementBody(*doc.elements.At(0), dc, owner);
    }
    EXPECT_EQ(offPage.operations(), 0);

    test::CountingDevice inLetters(200, 200);
    {
        QPainter painter(&inLetters);
        DeviceContext dc(painter);
        DrawElementBody(*doc.elements.At(1), dc, owner);
    }
    // √(200² + 200²) / 6 rings at most, and a few more paths around them.
    EXPECT_GT(inLetters.paths(), 0);
    EXPECT_LT(inLetters.paths(), 60);
}

TEST_F(HostileDrawingTest, PicturesAreLimitedByTheirPixelsAndDrawnAtTheDevicesSize) {
    // 32768 × 32768 pixels in a few hundred bytes of codes: a gigabyte once decoded.
    test::ByteBuilder refused;
    CardHeader(refused);
    test::AppendRecord(refused, Shape(5, 0, 0, 400, 400));
    std::vector<std::uint8_t> codes;
    for (int i = 0; i < 64; ++i) {
        codes.insert(codes.end(), {255, 7});
    }
    codes.insert(codes.end(), {0, 1});
    refused.append(RunLengthPicture(32768, 32768, codes));
    EXPECT_EQ(Read(refused.bytes), wxd::ReadOutcome::Damaged);
    EXPECT_EQ(doc.elements.Count(), 0);

    // 16384 × 16384 is within the limit: its bottom 200 rows start with 255 pixels of
    // index 40, the rest is index 0.
    codes.clear();
    for (int row = 0; row < 200; ++row) {
        codes.insert(codes.end(), {255, 40, 0, 0});
    }
    codes.insert(codes.end(), {0, 1});
    test::ByteBuilder accepted;
    CardHeader(accepted);
    test::AppendRecord(accepted, Shape(5, 0, 0, 384, 384));  // 96 × 96 device pixels
    accepted.append(RunLengthPicture(16384, 16384, codes));
    ASSERT_EQ(Read(accepted.bytes), wxd::ReadOutcome::Loaded);

    test::CountingDevice device(96, 96);
    {
        QPainter painter(&device);
        DeviceContext dc(painter);
        DrawPage(doc, doc.currentPage, dc, owner, false, 0, 0);
    }
    EXPECT_GT(device.largestImagePixels(), 0);
    EXPECT_LE(device.largestImagePixels(), 96 * 96);

    // Each device pixel shows the picture's pixel nearest to its centre.
    const QImage image = DrawFace(0, 96, 96);
    EXPECT_EQ(image.pixel(0, 95), qRgb(215, 40, 40));
    EXPECT_EQ(image.pixel(1, 95), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 90), qRgb(255, 0, 0));
}

TEST_F(HostileDrawingTest, TextsOfAnyFontHeightFillTheirFrame) {
    for (const std::int32_t height : {kLeastInt, std::numeric_limits<std::int32_t>::max(), -40}) {
        test::ByteBuilder b;
        CardHeader(b);
        test::AppendRecord(b, Shape(6, 80, 80, 720, 320));  // device 20..180 × 20..80
        test::TextFields t;
        t.height = height;
        t.face = "DejaVu Sans";
        t.chars = "Hg";
        t.fillColour = kRedRef;
        test::AppendTextBlock(b, t);
        ASSERT_EQ(Read(b.bytes), wxd::ReadOutcome::Loaded);
        const QImage image = DrawFace(0, 200, 100);
        const QRect painted = test::PaintedBox(image);
        EXPECT_NEAR(painted.left(), 20, 4) << height;
        EXPECT_NEAR(painted.right(), 179, 6) << height;
        EXPECT_NEAR(painted.top(), 20, 4) << height;
        EXPECT_NEAR(painted.bottom(), 79, 4) << height;
    }
}

TEST_F(HostileDrawingTest, PageDrawingLeavesOutOnlyElementsThatCannotReachTheDevice) {
    // Each of these lies outside a 100 × 100 device, but paints into it: a thick
    // outline, a text's shadow, and the strips of a transparent picture, which reach one
    // step below the picture's box.
    auto outline = test::BoxElement(ElementKind::Box, -400, 40, 396, 100);
    outline->outlineOn = 1;
    outline->outlineWidth = 40;
    outline->outlineColour = kRedRef;
    auto shadowed = test::BoxElement(ElementKind::Text, 800, 40, 300, 200);
    shadowed->text->SetText(QStringLiteral("Sombra"));
    shadowed->text->shadowOn = 1;
    shadowed->text->shadowDx = -700;
    shadowed->text->shadowDy = 0;
    shadowed->text->shadowColour = kBlueRef;
    auto strips = test::BoxElement(ElementKind::Picture, 100, -400, 200, 396);
    strips->picture = Dib::Create(2, 10, 8);
    strips->transparent = 1;
    for (auto* e : {outline.get(), shadowed.get(), strips.get()}) {
        doc.elements.Append(CopyElement(*e));
    }
    const QImage image = DrawFace(0, 100, 100);
    EXPECT_EQ(image.pixel(2, 15), qRgb(255, 0, 0)) << "outline";
    EXPECT_GT(test::CountPixels(image, qRgb(0, 0, 255)), 20) << "shadow";
    EXPECT_EQ(image.pixel(30, 2), qRgb(0, 0, 0)) << "first strip below the picture's box";

    // Far away, the same elements cost nothing.
    doc.elements.Clear();
    auto away = test::BoxElement(ElementKind::Box, 4000, 4000, 400, 400);
    away->fillOn = 1;
    away->fillStyle = kRadialGradient;
    doc.elements.Append(std::move(away));
    doc.elements.Append(CopyElement(*shadowed));
    doc.elements.At(1)->text->shadowOn = 0;
    test::CountingDevice device(100, 100);
    {
        QPainter painter(&device);
        DeviceContext dc(painter);
        DrawPage(doc, doc.currentPage, dc, owner, false, 0, 0);
    }
    EXPECT_EQ(device.operations(), 0);
}

}  // namespace
}  // namespace quenby
