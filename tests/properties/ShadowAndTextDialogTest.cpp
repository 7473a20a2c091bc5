// The shadow dialog and the text dialog: live working copy, the alignment fields that
// carry the text, the 499-character limit, new texts sized from their letters.
#include "DialogTestSupport.h"

#include "controls/ColourPicker.h"
#include "controls/DocumentTextField.h"
#include "controls/SpinButtons.h"
#include "document/TextSizing.h"
#include "graphics/FontMapping.h"
#include "platform/DeviceContext.h"
#include "properties/ColourReplies.h"
#include "properties/ColourRow.h"
#include "properties/ShadowDialog.h"
#include "properties/TextDialog.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include <cmath>

namespace quenby {
namespace {

constexpr ColourRef kGreen = MakeColourRef(0, 255, 0);

ElementPtr TextElement(const QString& chars, int alignment = 1) {
    ElementPtr e = test::MakeElement(ElementKind::Text);
    e->text->SetText(chars);
    e->text->alignment = std::uint16_t(alignment);
    e->text->font.SetFace(QStringLiteral("DejaVu Sans"));
    return e;
}

TEST(ShadowDialog, TheCopyFollowsAtOnceAndTheSampleShowsTheShadow) {
    ElementPtr text = TextElement(QStringLiteral("Hola"));
    ShadowDialog dialog(*text);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Colocar sombra detrás de texto "));
    EXPECT_FALSE(dialog.ShadowBox()->isChecked());
    EXPECT_EQ(dialog.OffsetXField()->text(), QStringLiteral("5"));
    EXPECT_EQ(dialog.ColourField()->ReplyNumber(), reply::kTextShadow);
    EXPECT_EQ(dialog.ColourField()->Swatch()->Colour(), kGrey);
    EXPECT_EQ(test::PixelsOf(*dialog.Preview(), QColor(0, 255, 0)), 0);

    test::ClickMark(dialog.ShadowBox());
    EXPECT_EQ(dialog.WorkingCopy().text->shadowOn, 1);
    QTest::mouseClick(dialog.ColourField()->Button(), Qt::LeftButton);
    dialog.Picker().Choose(27);  // bright green
    test::DeliverPosted();
    EXPECT_EQ(dialog.WorkingCopy().text->shadowColour, kGreen);
    // The offsets in document units at 40 %: 20 is two pixels; the shadow peeks out.
    dialog.OffsetXField()->setText(QStringLiteral("20"));
    dialog.OffsetYSpin()->UpButton()->click();
    EXPECT_EQ(dialog.WorkingCopy().text->shadowDx, 20);
    EXPECT_EQ(dialog.WorkingCopy().text->shadowDy, 6);
    EXPECT_GT(test::PixelsOf(*dialog.Preview(), QColor(0, 255, 0)), 30);
    test::Dump(dialog, "shadow-dialog");
    test::ExpectEveryControlNamed(dialog);
    // Far offsets typed by hand draw without trouble.
    dialog.OffsetXField()->setText(QStringLiteral("2147483647"));
    dialog.OffsetYField()->setText(QStringLiteral("-2147483648"));  // ten characters taken
    EXPECT_EQ(dialog.WorkingCopy().text->shadowDx, 2147483647);
    EXPECT_EQ(dialog.WorkingCopy().text->shadowDy, -214748364);
    dialog.Preview()->grab();
    EXPECT_EQ(text->text->shadowOn, 0);  // the element waits for OK
}

TEST(ShadowDialog, OkAssignsCancelLeaves) {
    ElementPtr text = TextElement(QStringLiteral("Hola"));
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<ShadowDialog&>(d);
        test::ClickMark(dialog.ShadowBox());
        dialog.OffsetXField()->setText(QStringLiteral("-7"));
        dialog.reject();
    });
    EXPECT_FALSE(RunShadowDialog(*text, nullptr));
    EXPECT_EQ(text->text->shadowOn, 0);
    EXPECT_EQ(text->text->shadowDx, 5);
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<ShadowDialog&>(d);
        test::ClickMark(dialog.ShadowBox());
        dialog.OffsetXField()->setText(QStringLiteral("-7"));
        dialog.accept();
    });
    EXPECT_TRUE(RunShadowDialog(*text, nullptr));
    EXPECT_EQ(text->text->shadowOn, 1);
    EXPECT_EQ(text->text->shadowDx, -7);
    ElementPtr box = test::MakeElement(ElementKind::Box);
    EXPECT_FALSE(RunShadowDialog(*box, nullptr));
}

TEST(TextDialog, OpensOnTheFieldOfTheAlignmentAndCarriesTheTextAcross) {
    ElementPtr text = TextElement(QStringLiteral("Feliz\r\ncumpleaños"), 2);
    TextDialog dialog(*text->text);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Cambiar texto"));
    EXPECT_TRUE(dialog.AlignmentButton(2)->isChecked());
    EXPECT_TRUE(dialog.Field(2)->isVisible());
    EXPECT_FALSE(dialog.Field(1)->isVisible());
    EXPECT_FALSE(dialog.Field(3)->isVisible());
    EXPECT_EQ(dialog.Field(2)->StoredText(), QStringLiteral("Feliz\r\ncumpleaños"));
    test::ExpectEveryControlNamed(dialog);

    QTest::keyClick(dialog.Field(2), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(dialog.Field(2), QStringLiteral(" Ana"));
    test::ClickMark(dialog.AlignmentButton(3));
    EXPECT_EQ(dialog.Alignment(), 3);
    EXPECT_TRUE(dialog.Field(3)->isVisible());
    EXPECT_FALSE(dialog.Field(2)->isVisible());
    EXPECT_EQ(dialog.Field(3)->StoredText(), QStringLiteral("Feliz\r\ncumpleaños Ana"));
    EXPECT_EQ(dialog.focusWidget(), dialog.Field(3));  // typing goes on there
    QTest::keyClicks(dialog.Field(3), QStringLiteral("!"));
    test::Dump(dialog, "text-dialog");
    TextBlock written;
    dialog.WriteTo(written);
    EXPECT_EQ(written.Text(), QStringLiteral("Feliz\r\ncumpleaños Ana!"));
    EXPECT_EQ(written.alignment, 3);
    // The fields are written as their alignment says.
    EXPECT_EQ(dialog.Field(3)->document()->firstBlock().blockFormat().alignment() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
}

TEST(TextDialog, KeepsToFourHundredNinetyNineCharacters) {
    ElementPtr text = TextElement(QString(499, QLatin1Char('a')));
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<TextDialog&>(d);
        EXPECT_EQ(dialog.StoredText().size(), 499);
        QTest::keyClicks(dialog.Field(1), QStringLiteral("bc"));  // no room
        dialog.accept();
    });
    EXPECT_TRUE(RunTextDialog(*text, nullptr));
    EXPECT_EQ(text->text->Text(), QString(499, QLatin1Char('a')));

    // A longer text (a damaged file, a paste) is cut to 499 whole characters.
    TextBlock longer;
    longer.SetText(QString(499, QLatin1Char('x')));
    TextDialog dialog(longer);
    dialog.Field(1)->SetStoredText(QString(600, QLatin1Char('y')));
    EXPECT_EQ(dialog.StoredText(), QString(499, QLatin1Char('y')));
    // A line break is never cut in half.
    dialog.Field(1)->SetStoredText(QString(498, QLatin1Char('z')) + QStringLiteral("\r\nw"));
    EXPECT_EQ(dialog.StoredText(), QString(498, QLatin1Char('z')));
}

TEST(TextDialog, CancelChangesNothingAndAnOddAlignmentOpensLeft) {
    ElementPtr text = TextElement(QStringLiteral("Hola"), 7);
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<TextDialog&>(d);
        EXPECT_TRUE(dialog.AlignmentButton(1)->isChecked());
        EXPECT_EQ(dialog.StoredText(), QStringLiteral("Hola"));  // there to edit, not lost
        QTest::keyClicks(dialog.Field(1), QStringLiteral("xyz"));
        dialog.reject();
    });
    EXPECT_FALSE(RunTextDialog(*text, nullptr));
    EXPECT_EQ(text->text->Text(), QStringLiteral("Hola"));
    EXPECT_EQ(text->text->alignment, 7);

    ElementPtr box = test::MakeElement(ElementKind::Box);
    EXPECT_FALSE(RunTextDialog(*box, nullptr));
}

TEST(NewText, IsSizedFromItsLettersOnOkAndNotOnCancel) {
    ElementPtr text = TextElement(QString());
    const std::array<DocPoint, 4> placed = text->corners;
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<TextDialog&>(d);
        QTest::keyClicks(dialog.Field(1), QStringLiteral("Hola"));
        dialog.reject();
    });
    EXPECT_FALSE(RunNewTextDialog(*text, 3.78, nullptr));
    EXPECT_EQ(text->corners[2].x, placed[2].x);

    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<TextDialog&>(d);
        QTest::keyClicks(dialog.Field(1), QStringLiteral("Hola"));
        QTest::keyClick(dialog.Field(1), Qt::Key_Return);
        QTest::keyClicks(dialog.Field(1), QStringLiteral("mundo entero"));
        dialog.accept();
    });
    EXPECT_TRUE(RunNewTextDialog(*text, 3.78, nullptr));
    EXPECT_EQ(text->text->Text(), QStringLiteral("Hola\r\nmundo entero"));
    const QFont font = MapLogFont(text->text->font);
    const int wide =
        int(std::lround(QFontMetricsF(font).horizontalAdvance(QStringLiteral("mundo entero"))));
    const int high = 2 * DeviceContext::LineHeight(font);
    EXPECT_EQ(LettersExtent(*text->text), QSize(wide, high));
    const DocPoint c0 = placed[0];
    const float w = float(int(wide * 3.78) / 3);
    const float h = float(int(high * 3.78) / 3);
    EXPECT_EQ(text->corners[0].x, c0.x);
    EXPECT_EQ(text->corners[1].x, c0.x + w);
    EXPECT_EQ(text->corners[1].y, c0.y);
    EXPECT_EQ(text->corners[2].x, c0.x + w);
    EXPECT_EQ(text->corners[2].y, c0.y + h);
    EXPECT_EQ(text->corners[3].x, c0.x);
    EXPECT_EQ(text->corners[3].y, c0.y + h);

    // A circular text keeps its circle.
    ElementPtr circle = test::MakeElement(ElementKind::CircularText);
    const auto corners = circle->corners;
    test::WhenDialogOpens([](QDialog& d) {
        QTest::keyClicks(static_cast<TextDialog&>(d).Field(1), QStringLiteral("Hola"));
        d.accept();
    });
    EXPECT_TRUE(RunNewTextDialog(*circle, 3.78, nullptr));
    EXPECT_EQ(circle->corners[2].x, corners[2].x);
}

TEST(NewText, ZeroAndHugeFontHeightsSizeWithinBounds) {
    for (std::int32_t height : {0, 1, -4000, 2147483647, -2147483647 - 1}) {
        ElementPtr text = TextElement(QString(499, QLatin1Char('W')));
        text->text->font.height = height;
        SizeTextFromLetters(*text, 3.78);
        EXPECT_GE(text->corners[2].x, text->corners[0].x) << height;
        EXPECT_LT(text->corners[2].x - text->corners[0].x, 1.0e8f) << height;
        EXPECT_TRUE(std::isfinite(text->corners[2].y)) << height;
    }
}

}  // namespace
}  // namespace quenby
