// Text layout, the envelopes, the warp and the letter painting; font mapping.
#include "DrawingTestSupport.h"

#include "document/ElementDrawing.h"
#include "document/TextDrawing.h"
#include "graphics/FontMapping.h"
#include "platform/LogFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace quenby {
namespace {

constexpr ColourRef kRed = MakeColourRef(255, 0, 0);
constexpr ColourRef kGreen = MakeColourRef(0, 160, 0);

ElementPtr TextBox(const QString& text, float x, float y, float w, float h) {
    ElementPtr e = test::BoxElement(ElementKind::Text, x, y, w, h);
    e->text->SetText(text);
    e->text->font.SetFace(QStringLiteral("DejaVu Sans"));
    e->text->fillColour = kRed;
    return e;
}

ElementPtr CircularText(const QString& text, DocPoint c0, float r) {
    ElementPtr e = test::BoxElement(ElementKind::CircularText, 0, 0, 0, 0);
    e->corners = {c0, DocPoint{c0.x + r / 2, c0.y}, DocPoint{c0.x + r, c0.y},
                  DocPoint{c0.x - r / 2, c0.y}};
    e->text->SetText(text);
    e->text->fillColour = kRed;
    return e;
}

// The element at 100 % with no origin.
QImage Draw(const Element& e, int w = 300, int h = 200) {
    const FixedOwner owner(100);
    return test::Render(w, h, [&](DeviceContext& dc) {
        DrawElementBody(e, dc, owner);
        DrawElementOutline(e, dc, owner);
    });
}

TEST(TextLines, SplitAtCarriageReturnsSkippingTheLineFeed) {
    EXPECT_EQ(TextLines(QStringLiteral("uno\r\ndos\rtres\r\n")),
              QStringList({"uno", "dos", "tres", ""}));
    EXPECT_EQ(TextLines(QString()), QStringList({""}));
    EXPECT_EQ(TextLines(QStringLiteral("a\n\nb")), QStringList({"a\n\nb"}));
}

TEST(TextDrawing, LettersFillTheFrameFromEdgeToEdge) {
    ElementPtr e = TextBox(QStringLiteral("Hola"), 80, 80, 800, 400);  // 20..220 × 20..120
    const QImage image = Draw(*e);
    test::Dump(image, "text-frame");
    const QRect box = test::PaintedBox(image);
    EXPECT_NEAR(box.left(), 20, 4);
    EXPECT_NEAR(box.right(), 219, 6);
    EXPECT_NEAR(box.top(), 20, 3);
    EXPECT_NEAR(box.bottom(), 119, 3);
    EXPECT_GT(test::CountPixels(image, ToQColor(kRed).rgb()), 2000);
}

TEST(TextDrawing, NothingIsDrawnForEmptyOrBlankTextsNorForUnknownAlignments) {
    for (const QString& text : {QString(), QStringLiteral("   "), QStringLiteral("\r\n \r\n")}) {
        ElementPtr e = TextBox(text, 80, 80, 800, 400);
        e->text->shadowOn = 1;
        e->fillOn = 1;  // not even the frame's fill
        e->text->outlineOn = 1;
        EXPECT_TRUE(test::PaintedBox(Draw(*e)).isEmpty()) << text.toStdString();
    }
    ElementPtr odd = TextBox(QStringLiteral("Hola"), 80, 80, 800, 400);
    odd->text->alignment = 7;
    EXPECT_TRUE(test::PaintedBox(Draw(*odd)).isEmpty());
}

TEST(TextDrawing, ShadowFillFrameAndOutlines) {
    ElementPtr e = TextBox(QStringLiteral("Hola"), 80, 80, 800, 400);
    e->text->shadowOn = 1;
    e->text->shadowDx = 40;  // 10 pixels right and down
    e->text->shadowDy = 40;
    e->text->shadowColour = kGreen;
    const QImage image = Draw(*e);
    test::Dump(image, "text-shadow");
    const QRect shadow = test::PaintedBox(image.copy(), 0xFFFFFFFF);
    EXPECT_GT(test::CountPixels(image, ToQColor(kGreen).rgb()), 300);
    EXPECT_NEAR(shadow.bottom(), 129, 3);

    e->text->shadowOn = 0;
    e->fillOn = 1;
    e->fillColour = MakeColourRef(0, 0, 255);
    e->outlineOn = 1;
    e->outlineColour = kGreen;
    e->outlineWidth = 1;
    const QImage framed = Draw(*e);
    EXPECT_GT(test::CountPixels(framed, qRgb(0, 0, 255)), 5000);  // the frame fill beneath
    EXPECT_EQ(framed.pixel(120, 20), ToQColor(kGreen).rgb());     // the frame's line
    EXPECT_GT(test::CountPixels(framed, ToQColor(kRed).rgb()), 2000);
}

TEST(TextDrawing, GradientLettersTakeBothColours) {
    ElementPtr e = TextBox(QStringLiteral("HHHH"), 80, 80, 800, 400);
    e->text->fillStyle = kLinearGradient;
    e->text->gradientAngle = 90;
    e->text->fillColour2 = MakeColourRef(0, 0, 255);
    const QImage image = Draw(*e);
    test::Dump(image, "text-gradient");
    const QRect box = test::PaintedBox(image);
    ASSERT_FALSE(box.isEmpty());
    // Left letters are reddish, right ones bluish.
    int leftRed = 0, rightBlue = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x < box.left() + 30; ++x) {
            leftRed += qRed(image.pixel(x, y)) > 200 && qBlue(image.pixel(x, y)) < 100;
        }
        for (int x = box.right() - 30; x <= box.right(); ++x) {
            rightBlue += qBlue(image.pixel(x, y)) > 150 && qRed(image.pixel(x, y)) < 100;
        }
    }
    EXPECT_GT(leftRed, 100);
    EXPECT_GT(rightBlue, 100);
}

TEST(CircularTextDrawing, LettersRunOverTheTopOrUnderWhenTurned) {
    ElementPtr e =
        CircularText(QStringLiteral("Feliz cumpleaños"), DocPoint{600, 700}, 480);
    const QImage image = Draw(*e, 300, 320);
    test::Dump(image, "circular");
    const QRect box = test::PaintedBox(image);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_LE(box.bottom(), 176);     // above the centre line (y = 175)
    EXPECT_GE(box.top(), 175 - 121);  // within the outer circle
    EXPECT_LE(box.top(), 175 - 100);
    EXPECT_NEAR(box.left(), 150 - 120, 20);
    EXPECT_NEAR(box.right(), 150 + 120, 20);

    // Turned (the element half a turn, the text flag toggled): the letters hang below.
    e->text->circleTurned = 1;
    RotateElement(*e, kHalfTurn, 600, 700);
    const QImage turned = Draw(*e, 300, 320);
    test::Dump(turned, "circular-turned");
    const QRect below = test::PaintedBox(turned);
    ASSERT_FALSE(below.isEmpty());
    EXPECT_GE(below.top(), 173);
    EXPECT_LE(below.bottom(), 175 + 121);
    EXPECT_GE(below.bottom(), 175 + 100);
}

TEST(WarpPath, ZeroExtentsAndFarPointsStayOnTheEnvelope) {
    TextEnvelope envelope;
    for (int k = 0; k < TextEnvelope::kSamples; ++k) {
        envelope.top[std::size_t(k)] = QPoint(k, 0);
        envelope.foot[std::size_t(k)] = QPoint(k, 100);
    }
    QPainterPath flat;  // no height: everything on the top curve
    flat.moveTo(0, 5);
    flat.lineTo(100, 5);
    const auto warped = WarpPath(flat, envelope);
    ASSERT_TRUE(warped.has_value());
    EXPECT_EQ(warped->elementAt(1).x, 399);
    EXPECT_EQ(warped->elementAt(1).y, 0);
    QPainterPath thin;  // no width: everything at the first sample
    thin.moveTo(5, 0);
    thin.lineTo(5, 50);
    const auto upright = WarpPath(thin, envelope);
    ASSERT_TRUE(upright.has_value());
    EXPECT_EQ(upright->elementAt(1).x, 0);
    EXPECT_EQ(upright->elementAt(1).y, 100);

    QPainterPath shifted;  // starts right of 0: still runs from the first sample to the last
    shifted.moveTo(50, 0);
    shifted.lineTo(150, 40);
    const auto far = WarpPath(shifted, envelope);
    ASSERT_TRUE(far.has_value());
    EXPECT_EQ(far->elementAt(0).x, 0);
    EXPECT_EQ(far->elementAt(1).x, 399);
    EXPECT_EQ(far->elementAt(1).y, 100);

    EXPECT_FALSE(WarpPath(QPainterPath(), envelope).has_value());
}

TEST(FontMapping, MissingFacesFallBackAndHeightsMeanWhatTheySay) {
    EXPECT_FALSE(ResolveFontFamily(QStringLiteral("No Such Face 123")).isEmpty());
    if (QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans"))) {
        EXPECT_EQ(ResolveFontFamily(QStringLiteral("No Such Face 123")),
                  QStringLiteral("DejaVu Sans"));
        EXPECT_EQ(ResolveFontFamily(QString()), QStringLiteral("DejaVu Sans"));
    }
    LogFont f;
    f.SetFace(QStringLiteral("DejaVu Serif"));
    f.height = -40;
    f.weight = 700;
    f.italic = 1;
    const QFont character = MapLogFont(f);
    EXPECT_EQ(character.pixelSize(), 40);
    EXPECT_EQ(character.weight(), QFont::Bold);
    EXPECT_TRUE(character.italic());
    f.height = 40;
    EXPECT_NEAR(QFontMetricsF(MapLogFont(f)).height(), 40.0, 1.5);
    f.height = 0;
    EXPECT_GT(MapLogFont(f).pixelSize(), 0);
    f.height = -2000000000;  // damaged
    EXPECT_LE(MapLogFont(f).pixelSize(), 4000);
}

}  // namespace
}  // namespace quenby
