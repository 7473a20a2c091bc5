// The fill and outline dialogs on a working copy: what they show, what they enable,
// the colour picker's reply numbers, typed values, OK and Cancel.
#include "DialogTestSupport.h"

#include "controls/ColourPicker.h"
#include "controls/ColourTable.h"
#include "controls/SpinButtons.h"
#include "properties/ColourReplies.h"
#include "properties/ColourRow.h"
#include "properties/FillDialog.h"
#include "properties/OutlineDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace quenby {
namespace {

constexpr ColourRef kRed = MakeColourRef(255, 0, 0);
constexpr ColourRef kBlue = MakeColourRef(0, 0, 255);

// Chooses a cell of the picker that a colour row's button opened.
void PickCell(PropertyDialog& dialog, ColourRow* row, int cell) {
    QTest::mouseClick(row->Button(), Qt::LeftButton);
    ColourPicker& picker = dialog.Picker();
    ASSERT_TRUE(picker.isVisible());
    EXPECT_EQ(picker.ReplyNumber(), row->ReplyNumber());
    QTest::mouseClick(&picker, Qt::LeftButton, {}, picker.Layout().Cell(cell).center());
    test::DeliverPosted();
}

TEST(ColourReplies, EachNumberWritesItsField) {
    ElementPtr text = test::MakeElement(ElementKind::Text);
    const std::pair<int, ColourRef*> fields[] = {{reply::kElementFill, &text->fillColour},
                                                 {reply::kTextFill, &text->text->fillColour},
                                                 {reply::kElementFill2, &text->fillColour2},
                                                 {reply::kTextFill2, &text->text->fillColour2},
                                                 {reply::kElementOutline, &text->outlineColour},
                                                 {reply::kTextOutline, &text->text->outlineColour},
                                                 {reply::kTextShadow, &text->text->shadowColour}};
    ColourRef colour = 0x123456;
    for (const auto& [number, field] : fields) {
        EXPECT_TRUE(ApplyPickedColour(*text, number, ++colour));
        EXPECT_EQ(*field, colour) << number;
        EXPECT_EQ(ColourOfReply(*text, number), colour);
    }
    EXPECT_FALSE(ApplyPickedColour(*text, 19729, kRed));
    ElementPtr box = test::MakeElement(ElementKind::Box);
    EXPECT_FALSE(ApplyPickedColour(*box, reply::kTextShadow, kRed));
    EXPECT_FALSE(ColourOfReply(*box, reply::kTextFill).has_value());
    // The automatic value goes in as it is.
    EXPECT_TRUE(ApplyPickedColour(*box, reply::kElementFill, kAutomaticColour));
    EXPECT_EQ(box->fillColour, kAutomaticColour);
}

TEST(FillDialog, ShowsTheCopyAndEnablesOnlyWhileFilled) {
    ElementPtr box = test::MakeElement(ElementKind::Box);
    box->fillStyle = kRadialGradient;
    box->gradientAngle = 45;
    box->gradientCentreX = 20;
    box->fillColour2 = kBlue;
    FillDialog dialog(*box, PropertyMode::Shape);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Estilo de llenado"));
    EXPECT_FALSE(dialog.FillBox()->isChecked());
    EXPECT_TRUE(dialog.StyleButton(2)->isChecked());
    EXPECT_EQ(dialog.AngleField()->text(), QStringLiteral("45"));
    EXPECT_EQ(dialog.CentreXField()->text(), QStringLiteral("20"));
    EXPECT_EQ(dialog.CentreYField()->text(), QStringLiteral("50"));
    EXPECT_EQ(dialog.ToColourRow()->Swatch()->Colour(), kBlue);
    EXPECT_EQ(dialog.OneColourRow()->ReplyNumber(), reply::kElementFill);
    EXPECT_EQ(dialog.FromColourRow()->ReplyNumber(), reply::kElementFill);
    EXPECT_EQ(dialog.ToColourRow()->ReplyNumber(), reply::kElementFill2);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    for (QWidget* w :
         std::initializer_list<QWidget*>{dialog.StyleButton(0), dialog.AngleField(),
                                         dialog.CentreYField(), dialog.ToColourRow()->Button()}) {
        EXPECT_FALSE(w->isEnabled());
    }
    test::ClickMark(dialog.FillBox());
    EXPECT_TRUE(dialog.WorkingCopy().fillOn);  // the copy follows at once
    EXPECT_TRUE(dialog.StyleButton(0)->isEnabled());
    EXPECT_TRUE(dialog.AngleField()->isEnabled());
    EXPECT_TRUE(dialog.ToColourRow()->Button()->isEnabled());
    EXPECT_TRUE(dialog.FillBox()->isEnabled());
    test::ExpectEveryControlNamed(dialog);
    EXPECT_EQ(box->fillOn, 0);  // the element itself waits for OK
}

TEST(FillDialog, StylesColoursAndTypedValuesReachTheCopyAndTheSample) {
    ElementPtr box = test::MakeElement(ElementKind::Box);
    box->fillOn = 1;
    FillDialog dialog(*box, PropertyMode::Shape);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    PickCell(dialog, dialog.OneColourRow(), 16);  // red
    EXPECT_EQ(dialog.WorkingCopy().fillColour, kRed);
    EXPECT_EQ(dialog.OneColourRow()->Swatch()->Colour(), kRed);
    EXPECT_EQ(dialog.FromColourRow()->Swatch()->Colour(), kRed);  // the same field
    EXPECT_GT(test::PixelsOf(*dialog.Preview(), QColor(255, 0, 0)), 1000);

    PickCell(dialog, dialog.ToColourRow(), 13);  // blue
    EXPECT_EQ(dialog.WorkingCopy().fillColour2, kBlue);
    test::ClickMark(dialog.StyleButton(1));
    EXPECT_EQ(dialog.WorkingCopy().fillStyle, kLinearGradient);
    dialog.AngleField()->setText(QStringLiteral("-90"));
    EXPECT_EQ(dialog.WorkingCopy().gradientAngle, 270);  // the same direction, not 65446
    dialog.CentreXField()->setText(QStringLiteral("9999999999"));
    EXPECT_EQ(dialog.WorkingCopy().gradientCentreX, 2147483647);
    test::Dump(dialog, "fill-dialog");
    // A gradient sample holds both ends.
    EXPECT_GT(test::PixelsOf(*dialog.Preview(), QColor(255, 0, 0), 8), 20);
    EXPECT_GT(test::PixelsOf(*dialog.Preview(), QColor(0, 0, 255), 8), 20);
    dialog.CentreXField()->setText(QStringLiteral("30"));
    dialog.accept();
    EXPECT_EQ(dialog.WorkingCopy().gradientCentreX, 30);
    EXPECT_EQ(StoredAngle(400), 400);
    EXPECT_EQ(StoredAngle(70000), 160);
    EXPECT_EQ(StoredAngle(-1), 359);
}

TEST(FillDialog, TextModeEditsTheLettersWithTheTextReplyNumbers) {
    ElementPtr text = test::MakeElement(ElementKind::Text);
    text->text->SetText(QStringLiteral("Hola"));
    FillDialog dialog(*text, PropertyMode::Text);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.FillBox()->isChecked());  // letters are filled by default
    EXPECT_EQ(dialog.OneColourRow()->ReplyNumber(), reply::kTextFill);
    EXPECT_EQ(dialog.ToColourRow()->ReplyNumber(), reply::kTextFill2);
    PickCell(dialog, dialog.FromColourRow(), 16);
    PickCell(dialog, dialog.ToColourRow(), 13);
    test::ClickMark(dialog.StyleButton(2));
    const TextBlock& letters = *dialog.WorkingCopy().text;
    EXPECT_EQ(letters.fillColour, kRed);
    EXPECT_EQ(letters.fillColour2, kBlue);
    EXPECT_EQ(letters.fillStyle, kRadialGradient);
    EXPECT_EQ(dialog.WorkingCopy().fillColour, kBlack);  // the frame's own stays
    test::Dump(*dialog.Preview(), "fill-text-sample");
    // Red at the centre of the letters, turning blue towards their ends.
    EXPECT_GT(test::PixelsOf(*dialog.Preview(), QColor(200, 0, 55), 55), 20);
    EXPECT_GT(test::PixelsOf(*dialog.Preview(), QColor(55, 0, 200), 55), 20);
}

TEST(FillDialog, OkAssignsAndCancelLeavesTheElement) {
    ElementPtr box = test::MakeElement(ElementKind::Ellipse);
    box->reserved[3] = 7;
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<FillDialog&>(d);
        test::ClickMark(dialog.FillBox());
        PickCell(dialog, dialog.OneColourRow(), 16);
        dialog.reject();
    });
    EXPECT_FALSE(RunFillDialog(*box, PropertyMode::Shape, nullptr));
    EXPECT_EQ(box->fillOn, 0);
    EXPECT_EQ(box->fillColour, kBlack);

    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<FillDialog&>(d);
        test::ClickMark(dialog.FillBox());
        PickCell(dialog, dialog.OneColourRow(), 16);
        dialog.AngleField()->setText(QStringLiteral("30"));
        dialog.accept();
    });
    EXPECT_TRUE(RunFillDialog(*box, PropertyMode::Shape, nullptr));
    EXPECT_EQ(box->fillOn, 1);
    EXPECT_EQ(box->fillColour, kRed);
    EXPECT_EQ(box->gradientAngle, 30);
    EXPECT_EQ(box->kind, ElementKind::Ellipse);
    EXPECT_EQ(box->reserved[3], 7);  // the element's own bytes stay its own
}

TEST(OutlineDialog, TypedWidthsAreStoredAndTheSampleFollows) {
    ElementPtr box = test::MakeElement(ElementKind::Box);
    OutlineDialog dialog(*box, PropertyMode::Shape);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Estilo de contorno"));
    EXPECT_TRUE(dialog.OutlineBox()->isChecked());
    EXPECT_TRUE(dialog.OutlineBox()->isEnabled());
    EXPECT_EQ(dialog.ColourField()->ReplyNumber(), reply::kElementOutline);
    PickCell(dialog, dialog.ColourField(), 16);
    EXPECT_EQ(dialog.WorkingCopy().outlineColour, kRed);
    dialog.WidthField()->setText(QStringLiteral("6"));
    const int six = test::PixelsOf(*dialog.Preview(), QColor(255, 0, 0));
    dialog.WidthField()->setText(QStringLiteral("80"));  // the sample keeps to 50
    const int fifty = test::PixelsOf(*dialog.Preview(), QColor(255, 0, 0));
    EXPECT_GT(six, 200);
    EXPECT_GT(fifty, six * 4);
    test::Dump(dialog, "outline-dialog");
    test::ExpectEveryControlNamed(dialog);

    // Unticked: no sample, and neither width nor colour can be changed.
    test::ClickMark(dialog.OutlineBox());
    EXPECT_EQ(test::PixelsOf(*dialog.Preview(), QColor(255, 0, 0)), 0);
    EXPECT_FALSE(dialog.WidthField()->isEnabled());
    EXPECT_FALSE(dialog.WidthSpin()->isEnabled());
    EXPECT_FALSE(dialog.ColourField()->Button()->isEnabled());
    test::ClickMark(dialog.OutlineBox());

    dialog.accept();
    EXPECT_EQ(dialog.WorkingCopy().outlineWidth, 80);  // typed beyond the spin range
    EXPECT_EQ(dialog.WorkingCopy().outlineOn, 1);
    EXPECT_EQ(StoredOutlineWidth(300), 255);  // kept, not wrapped round to 44
    EXPECT_EQ(StoredOutlineWidth(-3), 0);
}

TEST(OutlineDialog, ALineIsAlwaysOutlinedAndTextModeOutlinesTheLetters) {
    ElementPtr line = test::MakeElement(ElementKind::Line);
    OutlineDialog lineDialog(*line, PropertyMode::Shape);
    EXPECT_FALSE(lineDialog.OutlineBox()->isEnabled());

    ElementPtr text = test::MakeElement(ElementKind::CircularText);
    text->text->SetText(QStringLiteral("Hola"));
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<OutlineDialog&>(d);
        EXPECT_FALSE(dialog.OutlineBox()->isChecked());  // letters start without
        EXPECT_TRUE(dialog.OutlineBox()->isEnabled());
        EXPECT_EQ(dialog.ColourField()->ReplyNumber(), reply::kTextOutline);
        test::ClickMark(dialog.OutlineBox());
        PickCell(dialog, dialog.ColourField(), 13);
        // Smooth edges: a thin outline is blended with what lies beside it.
        EXPECT_GT(test::PixelsOf(*dialog.Preview(), QColor(0, 0, 255), 80), 50);
        dialog.WidthSpin()->UpButton()->click();
        dialog.accept();
    });
    EXPECT_TRUE(RunOutlineDialog(*text, PropertyMode::Text, nullptr));
    EXPECT_EQ(text->text->outlineOn, 1);
    EXPECT_EQ(text->text->outlineWidth, 2);
    EXPECT_EQ(text->text->outlineColour, kBlue);
    EXPECT_EQ(text->outlineOn, 0);  // the frame's line stays as it was

    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<OutlineDialog&>(d);
        dialog.WidthField()->setText(QStringLiteral("9"));
        PickCell(dialog, dialog.ColourField(), 16);
        dialog.reject();
    });
    EXPECT_FALSE(RunOutlineDialog(*text, PropertyMode::Text, nullptr));
    EXPECT_EQ(text->text->outlineWidth, 2);
    EXPECT_EQ(text->text->outlineColour, kBlue);
}

}  // namespace
}  // namespace quenby
