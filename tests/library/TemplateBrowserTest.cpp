// The template browser with a real editing session: what it lists, what a selection
// does to the document, and what OK and Cancel leave behind.
#include "library/TemplateBrowserDialog.h"

#include "TemplateTestSupport.h"
#include "library/TemplateBrowsing.h"
#include "library/TemplatePreview.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace quenby {
namespace {

constexpr ColourRef kGreen = 0x00FF00;
constexpr ColourRef kBlue = 0xFF0000;
constexpr ColourRef kRed = 0x0000FF;

// A click on the button's round mark, where a short label still is.
void ClickCategory(TemplateBrowserDialog& dialog, int category) {
    QRadioButton* button = dialog.CategoryButton(category);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

QStringList Rows(const QListWidget& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i) {
        rows << list.item(i)->text();
    }
    return rows;
}

// The colour of the first box of the document: which template is loaded.
ColourRef FirstColour(const Document& doc) {
    const Element* first = doc.elements.At(0);
    return first ? first->fillColour : 0xDEAD;
}

// Runs the browser as the program does, doing `steps` in the dialog once it is up and
// then pressing OK or closing it as Cancel.
bool RunBrowser(test::TemplateFolder& folder, bool fromStartScreen, bool ok,
                const std::function<void(TemplateBrowserDialog&)>& steps = {}) {
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TemplateBrowserDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (steps) {
            steps(*dialog);
        }
        ok ? dialog->OkButton()->click() : dialog->reject();
    });
    return RunTemplateBrowser(folder.context, fromStartScreen, nullptr);
}

class TemplateBrowserTest : public ::testing::Test {
protected:
    test::TemplateFolder folder;
};

TEST_F(TemplateBrowserTest, OpeningListsTheCardsOfTheLanguageAndLoadsTheFirstAtOnce) {
    folder.context.language = 2;
    folder.Put(1, QStringLiteral("Def.wxd"), test::CardTemplate(kGreen));
    folder.Put(1, QStringLiteral("2Abc.wxd"), test::CardTemplate(kBlue));
    folder.Put(1, QStringLiteral("3Xyz.wxd"), test::CardTemplate(kRed));
    TemplateBrowsing browsing(folder.session);
    TemplateBrowserDialog dialog(folder.context, browsing, true);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Seleccionar una plantilla"));
    EXPECT_TRUE(dialog.CategoryButton(1)->isChecked());
    EXPECT_EQ(dialog.CategoryButton(1)->text(), QStringLiteral("Tarjetas"));
    EXPECT_EQ(Rows(*dialog.Templates()), (QStringList{QStringLiteral("Abc "), QStringLiteral("Def")}));
    EXPECT_EQ(dialog.Templates()->currentRow(), 0);
    // The first row is in the document already, as a preview: nothing to save or undo.
    const Document& doc = folder.session.document();
    EXPECT_EQ(browsing.Chosen(), folder.PathOf(1, QStringLiteral("2Abc.wxd")));
    EXPECT_EQ(FirstColour(doc), kBlue);
    EXPECT_EQ(doc.isCard, kCard);
    EXPECT_FALSE(doc.modified);
    EXPECT_FALSE(folder.session.CanUndo());
    EXPECT_EQ(dialog.Preview()->ShownDocument(), &doc);

    dialog.Templates()->setCurrentRow(1);
    EXPECT_EQ(FirstColour(doc), kGreen);
    EXPECT_EQ(doc.elements.Count(), 1);  // the first template's elements are gone
    EXPECT_TRUE(folder.art.messages.shown.empty());
}

TEST_F(TemplateBrowserTest, SwitchingToEnvelopesListsCategoryElevenAndPreviewsItsFirst) {
    folder.Put(1, QStringLiteral("Card.wxd"), test::CardTemplate(kGreen));
    folder.Put(11, QStringLiteral("0Sobre.wxd"), test::PageSetTemplate(1, kRed));
    folder.Put(11, QStringLiteral("Zsobre.wxd"), test::PageSetTemplate(1, kBlue));
    TemplateBrowsing browsing(folder.session);
    TemplateBrowserDialog dialog(folder.context, browsing, true);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    QRadioButton* envelopes = dialog.CategoryButton(11);
    EXPECT_EQ(envelopes->text(), QStringLiteral("Sobres"));
    ClickCategory(dialog, 11);
    EXPECT_EQ(dialog.Category(), 11);
    EXPECT_FALSE(dialog.CategoryButton(1)->isChecked());
    EXPECT_EQ(Rows(*dialog.Templates()), (QStringList{QStringLiteral("Sobre "), QStringLiteral("Zsobre")}));
    EXPECT_EQ(FirstColour(folder.session.document()), kRed);
    EXPECT_EQ(folder.session.document().isCard, kPageSet);

    // Back to the cards: the rows drawn before come back, the first card is loaded again.
    ClickCategory(dialog, 1);
    EXPECT_EQ(Rows(*dialog.Templates()), QStringList{QStringLiteral("Card")});
    EXPECT_EQ(FirstColour(folder.session.document()), kGreen);
}

// Tab reaches the kinds at the one chosen, the arrow keys switch kinds, and the list
// takes the keys back.
TEST_F(TemplateBrowserTest, KeysSwitchKindsAndRows) {
    folder.Put(1, QStringLiteral("Card.wxd"), test::CardTemplate(kGreen));
    folder.Put(2, QStringLiteral("Poster.wxd"), test::PageSetTemplate(2, kRed));
    folder.Put(2, QStringLiteral("Sign.wxd"), test::PageSetTemplate(1, kBlue));
    TemplateBrowsing browsing(folder.session);
    TemplateBrowserDialog dialog(folder.context, browsing, true);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog.Templates());

    QTest::keyClick(dialog.Templates(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.CategoryButton(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(dialog.Category(), 2);
    EXPECT_EQ(FirstColour(folder.session.document()), kRed);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.Templates());
    QTest::keyClick(dialog.Templates(), Qt::Key_Down);
    EXPECT_EQ(FirstColour(folder.session.document()), kBlue);
    QTest::keyClick(dialog.Templates(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(TemplateBrowserTest, DamagedTemplateIsRefusedWhenChosenAndTheBrowserStaysUsable) {
    folder.Put(1, QStringLiteral("A.wxd"), test::CardTemplate(kGreen));
    folder.Put(1, QStringLiteral("B.wxd"), {'N', 'O', 'P', 'E', 0, 0, 0});
    folder.Put(1, QStringLiteral("C.wxd"), test::CardTemplate(kBlue));
    TemplateBrowsing browsing(folder.session);
    TemplateBrowserDialog dialog(folder.context, browsing, true);
    // Drawing the row pictures says nothing.
    EXPECT_TRUE(folder.art.messages.shown.empty());
    ASSERT_EQ(dialog.Templates()->count(), 3);

    dialog.Templates()->setCurrentRow(1);
    ASSERT_EQ(folder.art.messages.shown.size(), 1u);
    EXPECT_EQ(folder.art.messages.shown[0].text, ResourceString(str::kInvalidFile));
    EXPECT_FALSE(browsing.Chosen());
    EXPECT_EQ(dialog.Preview()->ShownDocument(), nullptr);
    EXPECT_TRUE(folder.session.document().elements.IsEmpty());

    dialog.Templates()->setCurrentRow(2);
    EXPECT_EQ(folder.art.messages.shown.size(), 1u);
    EXPECT_EQ(FirstColour(folder.session.document()), kBlue);
    EXPECT_EQ(browsing.Chosen(), folder.PathOf(1, QStringLiteral("C.wxd")));
}

// The rows open their own files whatever their names: longer than 128 bytes, or with
// characters the 8-bit set has no byte for.
TEST_F(TemplateBrowserTest, LongAndForeignNamesOpenTheirOwnFiles) {
    const QString longName = QString(180, u'b') + QStringLiteral(".wxd");
    const QString foreign = QString::fromUtf8("0日本.wxd");
    folder.Put(1, longName, test::CardTemplate(kGreen));
    folder.Put(1, foreign, test::CardTemplate(kBlue));
    TemplateBrowsing browsing(folder.session);
    TemplateBrowserDialog dialog(folder.context, browsing, true);
    ASSERT_EQ(Rows(*dialog.Templates()),
              (QStringList{QString::fromUtf8("日本 "), QString(180, u'b')}));
    EXPECT_EQ(browsing.Chosen(), folder.PathOf(1, foreign));
    dialog.Templates()->setCurrentRow(1);
    EXPECT_EQ(browsing.Chosen(), folder.PathOf(1, longName));
    EXPECT_EQ(FirstColour(folder.session.document()), kGreen);
}

TEST_F(TemplateBrowserTest, OkOpensAnUntitledUnmodifiedCopyThatSaveAsksANameFor) {
    folder.Put(1, QStringLiteral("A.wxd"), test::CardTemplate(kGreen, 2));
    Document& doc = folder.session.document();
    ASSERT_TRUE(RunBrowser(folder, false, true));
    EXPECT_EQ(doc.elements.Count(), 3);
    EXPECT_TRUE(doc.documentPath.isEmpty());
    EXPECT_FALSE(doc.modified);
    EXPECT_TRUE(folder.art.messages.shown.empty());

    // Undo can only bring back this template's own elements.
    ASSERT_TRUE(folder.session.CanUndo());
    EXPECT_EQ(folder.session.undo().undoSnapshot().Count(), 3);

    // Save has no file to write to: it asks for a name.
    folder.session.files().Save();
    ASSERT_EQ(folder.dialogs.requests.size(), 1u);
    EXPECT_EQ(folder.dialogs.requests[0].title, ResourceString(str::kChooseFileTitle));
    EXPECT_TRUE(QFileInfo::exists(folder.PathOf(1, QStringLiteral("A.wxd"))));
}

TEST_F(TemplateBrowserTest, FromTheMenuOnlyOkInTheMiddleAndClosingCountsAsOk) {
    folder.Put(1, QStringLiteral("A.wxd"), test::CardTemplate(kGreen));
    folder.Put(1, QStringLiteral("B.wxd"), test::CardTemplate(kBlue));
    {
        TemplateBrowsing browsing(folder.session);
        TemplateBrowserDialog dialog(folder.context, browsing, false);
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(dialog.CancelButton(), nullptr);
        const int okCentre = dialog.OkButton()->geometry().center().x();
        EXPECT_NEAR(okCentre, dialog.width() / 2, 2);
    }
    // Escape or the close box: the template looked at last is opened all the same.
    const bool opened = RunBrowser(folder, false, false,
                                   [](TemplateBrowserDialog& d) { d.Templates()->setCurrentRow(1); });
    EXPECT_TRUE(opened);
    EXPECT_EQ(FirstColour(folder.session.document()), kBlue);
    EXPECT_TRUE(folder.session.document().documentPath.isEmpty());
}

TEST_F(TemplateBrowserTest, AnEmptyOrMissingCategoryListsNothingAndOkLeavesTheDocumentEmpty) {
    folder.Put(1, QStringLiteral("A.wxd"), test::CardTemplate(kGreen));
    QDir().mkpath(folder.art.Path(QStringLiteral("Templates/4")));
    Document& doc = folder.session.document();
    for (int category : {4, 5}) {
        SCOPED_TRACE(category);
        const bool opened = RunBrowser(folder, false, true, [&](TemplateBrowserDialog& d) {
            ClickCategory(d, category);
            EXPECT_EQ(d.Templates()->count(), 0);
            EXPECT_EQ(d.Preview()->ShownDocument(), nullptr);
        });
        EXPECT_FALSE(opened);
        EXPECT_TRUE(doc.elements.IsEmpty());
        EXPECT_TRUE(doc.documentPath.isEmpty());
        EXPECT_FALSE(doc.modified);
        EXPECT_FALSE(folder.session.CanUndo());
    }
    EXPECT_TRUE(folder.art.messages.shown.empty());
}

// Cancel from the start screen: the document is as it was, so nothing of a template
// only looked at (its page colour, its elements through Undo) turns up in the card the
// child makes next.
TEST_F(TemplateBrowserTest, CancelFromTheStartScreenPutsTheDocumentBack) {
    folder.Put(1, QStringLiteral("A.wxd"), test::CardTemplate(kGreen, 1, kBlue));
    Document& doc = folder.session.document();
    ASSERT_EQ(doc.isCard, kNoLayout);
    EXPECT_FALSE(RunBrowser(folder, true, false, [&](TemplateBrowserDialog& d) {
        ASSERT_NE(d.CancelButton(), nullptr);
        EXPECT_EQ(doc.pageColour, kBlue);  // the preview is the document itself
    }));
    EXPECT_EQ(doc.isCard, kNoLayout);
    EXPECT_EQ(doc.pageColour, kWhite);
    EXPECT_TRUE(doc.elements.IsEmpty());
    EXPECT_TRUE(doc.documentPath.isEmpty());
    EXPECT_FALSE(doc.modified);
    EXPECT_FALSE(folder.session.CanUndo());

    // OK from the start screen opens it, as from the menu.
    EXPECT_TRUE(RunBrowser(folder, true, true));
    EXPECT_EQ(doc.elements.Count(), 2);
    EXPECT_EQ(doc.pageColour, kBlue);
}

TEST_F(TemplateBrowserTest, EveryControlHasAnAccessibleName) {
    folder.Put(1, QStringLiteral("A.wxd"), test::CardTemplate(kGreen));
    TemplateBrowsing browsing(folder.session);
    TemplateBrowserDialog dialog(folder.context, browsing, true);
    test::ExpectAccessibleNames(dialog);
    EXPECT_EQ(dialog.Templates()->accessibleName(), QStringLiteral("Plantillas disponibles"));
    EXPECT_EQ(dialog.Preview()->accessibleName(), QStringLiteral("Vista preliminar"));
    EXPECT_EQ(dialog.OkButton()->accessibleName(), QStringLiteral("Aceptar"));
    EXPECT_EQ(dialog.CancelButton()->accessibleName(), QStringLiteral("Cancelar"));
    for (int category = 1; category <= 12; ++category) {
        QRadioButton* button = dialog.CategoryButton(category);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->accessibleName(), button->text());
    }
    EXPECT_EQ(dialog.CategoryButton(12)->text(), QString::fromUtf8("Otros diseños"));
}

}  // namespace
}  // namespace quenby
