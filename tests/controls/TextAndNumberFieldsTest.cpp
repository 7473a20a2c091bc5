// The document text field keeps out what documents cannot hold and keeps to the
// stored length; typed numbers are read as the dialogs read them; spin buttons step.
#include "controls/DocumentTextField.h"
#include "controls/SpinButtons.h"
#include "controls/TypedNumbers.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quenby {
namespace {

// Types a text as a keyboard (and an input method) would, character by character.
void Type(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text.at(i).isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, n), Qt::NoModifier);
        i += n - 1;
    }
}

TEST(DocumentTextField, KeepsOutCharactersTheDocumentCannotHold) {
    DocumentTextField field(499);
    field.show();
    field.setFocus();
    Type(&field, QStringLiteral("Año"));
    // An emoji, a Polish ł and a Chinese letter, typed or from an input method.
    Type(&field, QStringLiteral("😀łx"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("中"));
    QApplication::sendEvent(&field, &commit);
    QTest::keyClick(&field, Qt::Key_Return);
    Type(&field, QStringLiteral("€ “¡Olé!”"));
    EXPECT_EQ(field.StoredText(), QStringLiteral("Añox\r\n€ “¡Olé!”"));

    // Pasted text is filtered the same way, line breaks of every kind kept as lines.
    QApplication::clipboard()->setText(QStringLiteral("\r\nłódź 🙂\rfin\u0007"));
    QTest::keyClick(&field, Qt::Key_End, Qt::ControlModifier);
    field.paste();
    EXPECT_EQ(field.StoredText(), QStringLiteral("Añox\r\n€ “¡Olé!”\r\nód \r\nfin"));
}

TEST(DocumentTextField, UndoNeverBringsBackWhatWasKeptOut) {
    DocumentTextField field(499);
    field.show();
    Type(&field, QStringLiteral("ab"));
    Type(&field, QStringLiteral("😀"));
    EXPECT_EQ(field.StoredText(), QStringLiteral("ab"));
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
        for (QChar c : field.toPlainText()) {
            EXPECT_TRUE(DocumentTextField::TakesCharacter(c)) << int(c.unicode());
        }
    }
}

TEST(DocumentTextField, KeepsToTheStoredLengthCountingLineBreaksTwice) {
    DocumentTextField field(10);
    field.show();
    field.SetStoredText(QStringLiteral("abc\r\ndefghijkl"));  // cut to 10
    EXPECT_EQ(field.StoredText(), QStringLiteral("abc\r\ndefgh"));
    EXPECT_EQ(DocumentTextField::StoredLength(QStringLiteral("abc\ndefgh")), 10);

    // Typing at the start when full: the typed letter goes, the rest stays.
    QTest::keyClick(&field, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(&field, QStringLiteral("Z"));
    EXPECT_EQ(field.StoredText(), QStringLiteral("abc\r\ndefgh"));

    // Room for one more character, but not for a line break.
    field.SetStoredText(QStringLiteral("abcdefghi"));
    QTest::keyClick(&field, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(field.StoredText(), QStringLiteral("abcdefghi"));
    QTest::keyClicks(&field, QStringLiteral("jk"));
    EXPECT_EQ(field.StoredText(), QStringLiteral("abcdefghij"));

    // A paste replacing a selection has the selection's room.
    QTest::keyClick(&field, Qt::Key_Home, Qt::ShiftModifier);
    QApplication::clipboard()->setText(QStringLiteral("0123456789ABC"));
    field.paste();
    EXPECT_EQ(field.StoredText(), QStringLiteral("0123456789"));
}

TEST(DocumentTextField, ShowsStoredLineBreaksAsLines) {
    DocumentTextField field(499);
    field.SetStoredText(QStringLiteral("uno\r\ndos\rtres\r\n"));
    EXPECT_EQ(field.StoredText(), QStringLiteral("uno\r\ndos\r\ntres\r\n"));
    EXPECT_EQ(field.document()->blockCount(), 4);
    field.SetStoredText(QString(499, QLatin1Char('x')));
    EXPECT_EQ(field.StoredText().size(), 499);
}

TEST(TypedNumbers, ReadAsTheDialogsReadThem) {
    EXPECT_EQ(ReadTypedInteger(QStringLiteral("80")), 80);
    EXPECT_EQ(ReadTypedInteger(QStringLiteral("  -12abc")), -12);
    EXPECT_EQ(ReadTypedInteger(QStringLiteral("+7")), 7);
    EXPECT_EQ(ReadTypedInteger(QStringLiteral("abc")), 0);
    EXPECT_EQ(ReadTypedInteger(QString()), 0);
    EXPECT_EQ(ReadTypedInteger(QStringLiteral("12345678901234")), 1234567890);  // ten characters
    EXPECT_EQ(ReadTypedInteger(QStringLiteral("9999999999")), 2147483647);
    EXPECT_EQ(ReadTypedInteger(QStringLiteral("-999999999")), -999999999);
    EXPECT_EQ(ReadTypedInteger(QStringLiteral("٣")), 0);  // only the digits 0 to 9
}

TEST(SpinButtons, StepWithinTheirRangeButLeaveTypedValues) {
    QLineEdit field(QStringLiteral("49"));
    SpinButtons spin(&field, 1, 50, QStringLiteral("ancho"));
    spin.UpButton()->click();
    EXPECT_EQ(field.text(), QStringLiteral("50"));
    spin.UpButton()->click();
    EXPECT_EQ(field.text(), QStringLiteral("50"));
    field.setText(QStringLiteral("80"));  // typed: stays
    EXPECT_EQ(field.text(), QStringLiteral("80"));
    spin.DownButton()->click();
    EXPECT_EQ(field.text(), QStringLiteral("50"));
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(field.text(), QStringLiteral("49"));
    field.setText(QStringLiteral("-300"));
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.text(), QStringLiteral("1"));
    EXPECT_EQ(spin.UpButton()->accessibleName(), QStringLiteral("Aumentar ancho"));
    EXPECT_EQ(spin.DownButton()->accessibleName(), QStringLiteral("Reducir ancho"));
}

}  // namespace
}  // namespace quenby
