// The font dialog: the text's face and style chosen on opening, the sample, the
// product's typefaces in red while the box is ticked, OK keeping the height.
#include "DialogTestSupport.h"

#include "controls/FontList.h"
#include "graphics/ProductFonts.h"
#include "platform/ArtworkLocations.h"
#include "properties/FontDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QTest>

namespace quenby {
namespace {

struct FontDialogFixture : ::testing::Test {
    FontDialogFixture() {
        RegisterProductFonts(ArtworkLocations::DefaultProgramFolder());
        text = test::MakeElement(ElementKind::Text);
        text->text->SetText(QStringLiteral("Hola"));
        text->text->font.height = -77;
        text->text->font.SetFace(QStringLiteral("DejaVu Serif"));
    }
    ElementPtr text;
};

TEST_F(FontDialogFixture, OpensOnTheTextsFaceAndStyle) {
    text->text->font.weight = 700;
    text->text->font.italic = 1;
    FontDialog dialog(*text);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Seleccionar una fuente"));
    EXPECT_EQ(dialog.FaceList()->currentItem()->text(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(dialog.StyleList()->currentItem()->text(), QStringLiteral("Cursiva en negritas"));
    EXPECT_EQ(dialog.SampleGroup()->title(), QStringLiteral("Muestra de"));
    EXPECT_TRUE(dialog.MarkBox()->isChecked());
    EXPECT_TRUE(MarkProductFonts());
    EXPECT_FALSE(dialog.StyleList()->IsStyleMode() == dialog.FaceList()->IsStyleMode());
    // The style rows are written at 12 points.
    EXPECT_EQ(dialog.StyleList()->RowFontHeight(),
              int(std::lround(dialog.StyleList()->logicalDpiY() * 12 / 72.0)));
    const LogFont sample = dialog.SampleFont();
    EXPECT_EQ(sample.height, -36);
    EXPECT_EQ(sample.Face(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(sample.weight, 700);
    EXPECT_GT(test::PixelsOf(*dialog.Sample(), QColor(0, 0, 0)), 300);
    test::ExpectEveryControlNamed(dialog);
    test::Dump(dialog, "font-dialog");
}

TEST_F(FontDialogFixture, ChoosingAFaceRefillsTheStylesAndOkKeepsTheHeight) {
    text->text->font.weight = 700;
    text->text->font.italic = 1;
    text->text->font.underline = 1;
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<FontDialog&>(d);
        FontList* faces = dialog.FaceList();
        ASSERT_TRUE(faces->SelectRowText(QStringLiteral("Blotwell")));
        EXPECT_EQ(dialog.SampleGroup()->title(), QStringLiteral("Sample of Blotwell"));
        EXPECT_EQ(dialog.StyleList()->StyleFace(), QStringLiteral("Blotwell"));
        // The chosen style name is there in every family: it stays chosen.
        EXPECT_EQ(dialog.StyleList()->currentItem()->text(), QStringLiteral("Cursiva en negritas"));
        ASSERT_TRUE(dialog.StyleList()->SelectRowText(QStringLiteral("Cursiva")));
        EXPECT_EQ(dialog.SampleFont().Face(), QStringLiteral("Blotwell"));
        dialog.accept();
    });
    EXPECT_TRUE(RunFontDialog(*text, nullptr));
    const LogFont& font = text->text->font;
    EXPECT_EQ(font.Face(), QStringLiteral("Blotwell"));
    EXPECT_EQ(font.weight, 400);
    EXPECT_EQ(font.italic, 1);
    EXPECT_EQ(font.height, -77);
    EXPECT_EQ(font.underline, 1);
}

TEST_F(FontDialogFixture, CancelLeavesTheTextAndAMissingFaceStaysUnlessChosen) {
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<FontDialog&>(d);
        dialog.FaceList()->SelectRowText(QStringLiteral("Blotwell"));
        dialog.reject();
    });
    EXPECT_FALSE(RunFontDialog(*text, nullptr));
    EXPECT_EQ(text->text->font.Face(), QStringLiteral("DejaVu Serif"));

    text->text->font.SetFace(QStringLiteral("Gone Missing"));
    text->text->font.weight = 700;
    test::WhenDialogOpens([](QDialog& d) {
        auto& dialog = static_cast<FontDialog&>(d);
        EXPECT_FALSE(dialog.FaceList()->SelectedFont().has_value());
        EXPECT_EQ(dialog.StyleList()->count(), 0);
        dialog.Sample()->grab();  // drawn in the face that stands in for it
        dialog.accept();
    });
    EXPECT_TRUE(RunFontDialog(*text, nullptr));
    EXPECT_EQ(text->text->font.Face(), QStringLiteral("Gone Missing"));
    EXPECT_EQ(text->text->font.weight, 700);

    ElementPtr box = test::MakeElement(ElementKind::Box);
    EXPECT_FALSE(RunFontDialog(*box, nullptr));
}

TEST_F(FontDialogFixture, TheBoxMarksTheProductTypefacesInRed) {
    FontDialog dialog(*text);
    dialog.resize(600, 500);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    FontList* faces = dialog.FaceList();
    ASSERT_TRUE(faces->SelectRowText(QStringLiteral("RavelockWizard")));
    EXPECT_GT(test::PixelsOf(*faces->viewport(), QColor(255, 0, 0)), 30);
    test::ClickMark(dialog.MarkBox());
    EXPECT_FALSE(MarkProductFonts());
    EXPECT_EQ(test::PixelsOf(*faces->viewport(), QColor(255, 0, 0)), 0);
    test::ClickMark(dialog.MarkBox());
    EXPECT_TRUE(MarkProductFonts());
    // The product's styles are red in the style list too.
    EXPECT_GT(test::PixelsOf(*dialog.StyleList()->viewport(), QColor(255, 0, 0)), 30);
    // Every opening ticks the box again.
    SetMarkProductFonts(false);
    FontDialog again(*text);
    EXPECT_TRUE(again.MarkBox()->isChecked());
    EXPECT_TRUE(MarkProductFonts());
}

}  // namespace
}  // namespace quenby
