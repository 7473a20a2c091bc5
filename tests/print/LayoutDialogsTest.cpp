// The card-type, page-set format and custom paper dialogs, driven as a user would.
#include "platform/ResourceStrings.h"
#include "print/PaperLayout.h"
#include "print/dialogs/CardTypeDialog.h"
#include "print/dialogs/CustomPaperDialog.h"
#include "print/dialogs/PageSetFormatDialog.h"
#include "support/Fakes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace quenby {
namespace {

QStringList Labels(const QWidget& w) {
    QStringList texts;
    for (const QLabel* l : w.findChildren<QLabel*>()) {
        texts << l->text();
    }
    return texts;
}

TEST(CardTypeDialog, ListsTheSixFoldsAndShowsThePictureOfTheOneSelected) {
    CardTypeDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Seleccionar tipo de tarjeta"));
    QListWidget* list = dialog.FoldList();
    ASSERT_EQ(list->count(), 6);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("½ Pliegue horizontal"));
    EXPECT_EQ(list->item(5)->text(), QStringLiteral("¼ Pliegue superior vertical"));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(dialog.PictureId(), 11000);

    dialog.show();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(dialog.SelectedFold(), 2);
    EXPECT_EQ(dialog.PictureId(), 11002);
    // The picture box paints with or without a picture.
    EXPECT_FALSE(dialog.grab().isNull());
}

TEST(CardTypeDialog, RunGivesTheFoldOnOkAndNothingOnCancel) {
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<CardTypeDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->FoldList()->setCurrentRow(4);
        d->accept();
    });
    EXPECT_EQ(RunCardTypeDialog(nullptr), std::optional<int>(4));
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(RunCardTypeDialog(nullptr), std::nullopt);
}

TEST(PageSetFormatDialog, StartsPortraitOnA4WithOneByOne) {
    PageSetFormatDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Seleccionar formato y tamaño de documento"));
    EXPECT_TRUE(dialog.PortraitButton()->isChecked());
    EXPECT_EQ(dialog.PortraitButton()->text(), QStringLiteral("Formato vertical"));
    EXPECT_EQ(dialog.LandscapeButton()->text(), QStringLiteral("Formato horizontal"));
    ASSERT_EQ(dialog.PaperList()->count(), 7);
    EXPECT_EQ(dialog.PaperList()->currentText(), QStringLiteral("A4"));
    EXPECT_EQ(dialog.AcrossField()->minimum(), 1);
    EXPECT_EQ(dialog.AcrossField()->maximum(), 10);
    EXPECT_TRUE(Labels(dialog).contains(QStringLiteral("Cuadros de imagen a lo ancho:")));
    EXPECT_TRUE(Labels(dialog).contains(QStringLiteral("Cuadros de imagen a lo alto:")));
    const PageSetFormat f = dialog.Format();
    EXPECT_EQ(f.orientation, 0);
    EXPECT_EQ(f.paperIndex, 1);
    EXPECT_EQ(f.across, 1);
    EXPECT_EQ(f.down, 1);
}

TEST(PageSetFormatDialog, ReadsTheChoicesAndMakesEnvelopesOneByOne) {
    PageSetFormatDialog dialog;
    dialog.show();
    dialog.LandscapeButton()->click();
    dialog.AcrossField()->setValue(3);
    dialog.DownField()->setValue(2);
    PageSetFormat f = dialog.Format();
    EXPECT_EQ(f.orientation, 1);
    EXPECT_EQ(f.across, 3);
    EXPECT_EQ(f.down, 2);

    dialog.PaperList()->setCurrentIndex(4);  // "Sobre DL"
    f = dialog.Format();
    EXPECT_EQ(f.paperIndex, 4);
    EXPECT_EQ(f.across, 1);
    EXPECT_EQ(f.down, 1);
}

TEST(PageSetFormatDialog, CountsAreReadAsNumbersAndClamped) {
    EXPECT_EQ(ReadTileCount(QStringLiteral("0")), 1);
    EXPECT_EQ(ReadTileCount(QStringLiteral("-4")), 1);
    EXPECT_EQ(ReadTileCount(QStringLiteral("12")), 10);
    EXPECT_EQ(ReadTileCount(QStringLiteral("99999999999999")), 10);
    EXPECT_EQ(ReadTileCount(QStringLiteral("abc")), 1);
    EXPECT_EQ(ReadTileCount(QStringLiteral("7")), 7);
}

class CustomPaperDialogTest : public ::testing::Test {
protected:
    void SetUp() override { saved = PaperTable::CustomSizeMm(); }
    void TearDown() override { PaperTable::SetCustomSizeMm(saved); }
    QSizeF saved;
    test::FakeMessages messages;
};

TEST_F(CustomPaperDialogTest, OpensWithTheCurrentSizeAndItsNotes) {
    PaperTable::SetCustomSizeMm({120.4, 180.6});
    CustomPaperDialog dialog(messages);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tamaño de papel personalizado"));
    EXPECT_EQ(dialog.WidthField()->text(), QStringLiteral("120"));
    EXPECT_EQ(dialog.HeightField()->text(), QStringLiteral("181"));
    EXPECT_EQ(dialog.WidthField()->maxLength(), 10);
    const QStringList labels = Labels(dialog);
    for (const char* text : {"Ancho:", "Altura:", "mm", "Tamaño máximo= 500mm x 500mm",
                             "Tamaño mínimo = 50mm x 50mm"}) {
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
    }
}

TEST_F(CustomPaperDialogTest, RefusesSizesOutOfRangeAndStaysOpen) {
    CustomPaperDialog dialog(messages);
    dialog.show();
    dialog.WidthField()->setText(QStringLiteral("49"));
    dialog.HeightField()->setText(QStringLiteral("200"));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("ERROR DE TAMAÑO DE PAPEL!"));
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        QStringLiteral("El tamaño del papel debe ser entre 50mm x 50mm y 500mm x 500mm.")));
    EXPECT_TRUE(messages.shown[0].text.endsWith(QStringLiteral("Realice otro intento.")));

    dialog.WidthField()->setText(QStringLiteral("abc"));  // no number reads as 0
    dialog.accept();
    EXPECT_EQ(messages.shown.size(), 2u);

    dialog.WidthField()->setText(QStringLiteral("50"));
    dialog.HeightField()->setText(QStringLiteral("500"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(CustomPaperDialogTest, OkStoresTheDecimalSizeAndEscapeKeepsTheOldOne) {
    PaperTable::SetCustomSizeMm({100, 100});
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<CustomPaperDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->WidthField()->setText(QStringLiteral("120.5"));
        d->HeightField()->setText(QStringLiteral("500.9"));  // passes as 500, kept at 500
        QTest::keyClick(d->HeightField(), Qt::Key_Return);
    });
    EXPECT_TRUE(RunCustomPaperDialog(messages, nullptr));
    EXPECT_EQ(PaperTable::CustomSizeMm(), QSizeF(120.5, 500));
    EXPECT_EQ(PaperTable::Row(kCustomPaper).widthMm, 120.5);

    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<CustomPaperDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->WidthField()->setText(QStringLiteral("300"));
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(RunCustomPaperDialog(messages, nullptr));
    EXPECT_EQ(PaperTable::CustomSizeMm(), QSizeF(120.5, 500));
}

}  // namespace
}  // namespace quenby
