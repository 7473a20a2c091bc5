// A whole face drawn as the page view and the printer draw it.
#include "../../bench/BusyFace.h"
#include "DrawingTestSupport.h"

#include "document/Document.h"
#include "document/ElementDrawing.h"
#include "document/PageDrawing.h"
#include "platform/Dib.h"

#include <QPageSize>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace quenby {
namespace {

TEST(PageDrawing, BusyFaceDrawsEveryKindOnItsFaceOnly) {
    FixedOwner owner(100);
    Document doc;
    bench::BuildBusyFace(doc);
    const QImage image = test::Render(
        794, 1123, [&](DeviceContext& dc) { DrawPage(doc, 0, dc, owner, false, 0, 0); });
    test::Dump(image, "busy-face");
    const int white = test::CountPixels(image, 0xFFFFFFFF);
    EXPECT_LT(white, 794 * 1123 / 2);

    // Another face shows nothing of it.
    const QImage other = test::Render(
        200, 200, [&](DeviceContext& dc) { DrawPage(doc, 1, dc, owner, false, 0, 0); });
    EXPECT_TRUE(test::PaintedBox(other).isEmpty());
}

TEST(PageDrawing, APrinterGetsTheFaceTheScreenShows) {
    FixedOwner screenOwner(100);
    Document doc;
    bench::BuildBusyFace(doc);
    const QImage screen = test::Render(
        794, 1123, [&](DeviceContext& dc) { DrawPage(doc, 0, dc, screenOwner, false, 0, 0); });
    FixedOwner printerOwner(100, {}, true);
    const QImage printer = test::Render(
        794, 1123, [&](DeviceContext& dc) { DrawPage(doc, 0, dc, printerOwner, false, 0, 0); },
        true);
    // Only the sampling of turned pictures may differ by a pixel here and there.
    int differ = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            differ += screen.pixel(x, y) != printer.pixel(x, y);
        }
    }
    EXPECT_LT(differ, screen.width() * screen.height() / 50);

    // A 150-dpi PDF of the same face, for a person to look at.
    const QByteArray folder = qgetenv("QUENBY_DRAWING_DUMP");
    if (!folder.isEmpty()) {
        FixedOwner pdfOwner(150 * 100 / 96, {}, true);
        QPdfWriter writer(QString::fromLocal8Bit(folder) + QStringLiteral("/busy-face.pdf"));
        writer.setResolution(150);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        DeviceContext dc(painter, true);
        DrawPage(doc, 0, dc, pdfOwner, false, 0, 0);
    }
}

TEST(PageDrawing, ATurnedFaceDrawsAsTurnedCopiesWouldAndLeavesTheElementsAlone) {
    Document doc;
    ElementPtr picture = test::BoxElement(ElementKind::Picture, 40, 40, 160, 120);
    picture->picture = Dib::Create(8, 6, 8);
    auto bits = picture->picture->Bits();
    for (std::size_t i = 0; i < bits.size(); ++i) {
        bits[i] = std::uint8_t(i * 37);
    }
    picture->outlineOn = 1;
    picture->outlineWidth = 3;
    ElementPtr box = test::BoxElement(ElementKind::Box, 200, 80, 120, 200);
    box->fillOn = 1;
    box->fillColour = 0x0000C0F0;
    doc.elements.Append(std::move(picture));
    doc.elements.Append(std::move(box));
    const auto before = doc.elements.At(0)->corners;

    const FixedOwner printer(100, {}, true);
    const QPoint centre(60, 50);  // device point the face turns about
    const QImage turned = test::Render(
        140, 120,
        [&](DeviceContext& dc) { DrawPage(doc, 0, dc, printer, true, centre.x(), centre.y()); },
        true);
    const QImage copies = test::Render(
        140, 120,
        [&](DeviceContext& dc) {
            const DocPoint c = printer.ToDocument(centre);
            for (const Element& e : doc.elements) {
                ElementPtr copy = CopyElement(e);
                RotateElement(*copy, kHalfTurn, c.x, c.y);
                DrawElementBody(*copy, dc, printer);
                DrawElementOutline(*copy, dc, printer);
            }
        },
        true);
    test::Dump(turned, "turned-face");
    EXPECT_FALSE(test::PaintedBox(turned).isEmpty());
    EXPECT_EQ(turned, copies);
    EXPECT_EQ(doc.elements.At(0)->corners, before);
    EXPECT_EQ(doc.elements.At(0)->halfTurned, 0);
}

}  // namespace
}  // namespace quenby
