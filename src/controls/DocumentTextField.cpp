#include "controls/DocumentTextField.h"

#include "platform/Windows1252.h"

#include <QApplication>
#include <QMimeData>
#include <QTextBlockFormat>
#include <QTextCursor>

namespace quenby {
namespace {

constexpr QChar kParagraphSeparator(0x2029);
constexpr QChar kLineSeparator(0x2028);

// CR LF and a lone CR both start a new line, as the page draws them.
QString WithNewlines(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

}  // namespace

DocumentTextField::DocumentTextField(int maxStoredLength, QWidget* parent)
    : QTextEdit(parent), maxStoredLength_(maxStoredLength) {
    setAcceptRichText(false);
    setTabChangesFocus(true);
    // The lines are the lines of the page: no wrapping the page would not show.
    setLineWrapMode(QTextEdit::NoWrap);
    connect(this, &QTextEdit::textChanged, this, &DocumentTextField::Tidy);
}

bool DocumentTextField::TakesCharacter(QChar c) {
    if (c == QLatin1Char('\n') || c == QLatin1Char('\t') || c == kParagraphSeparator ||
        c == kLineSeparator) {
        return true;
    }
    const char16_t u = c.unicode();
    if (u < 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F)) {
        return false;
    }
    return HasWindows1252Byte(c);
}

int DocumentTextField::StoredLength(const QString& fieldText) {
    int length = 0;
    for (QChar c : fieldText) {
        length +=
            (c == QLatin1Char('\n') || c == kParagraphSeparator || c == kLineSeparator) ? 2 : 1;
    }
    return length;
}

QString DocumentTextField::FieldText() const {
    QString text = document()->toRawText();
    text.replace(kParagraphSeparator, QLatin1Char('\n'));
    text.replace(kLineSeparator, QLatin1Char('\n'));
    return text;
}

QString DocumentTextField::StoredText() const {
    QString text = FieldText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString DocumentTextField::Fit(const QString& text, int room) {
    QString fitted;
    int used = 0;
    for (QChar c : text) {
        if (!TakesCharacter(c)) {
            continue;
        }
        const int size = StoredLength(QString(c));
        if (used + size > room) {
            break;
        }
        fitted.append(c);
        used += size;
    }
    return fitted;
}

void DocumentTextField::SetStoredText(const QString& text) {
    setPlainText(Fit(WithNewlines(text), maxStoredLength_));
    SetTextAlignment(alignment_);
    moveCursor(QTextCursor::End);
}

void DocumentTextField::SetTextAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(alignment);
    all.mergeBlockFormat(format);
}

bool DocumentTextField::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void DocumentTextField::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) {
        return;
    }
    const QString wanted = WithNewlines(source->text());
    const QString selected = textCursor().selectedText();
    const int room = maxStoredLength_ - (StoredLength(FieldText()) - StoredLength(selected));
    const QString fitted = Fit(wanted, std::max(0, room));
    if (fitted.size() != wanted.size()) {
        QApplication::beep();
    }
    insertPlainText(fitted);
}

void DocumentTextField::Tidy() {
    if (tidying_) {
        return;
    }
    tidying_ = true;
    QString text = FieldText();
    int cursorAt = textCursor().position();
    bool refused = false;
    QTextCursor edit(document());
    // The tidying belongs to the edit that called for it: one undo step takes back both.
    edit.joinPreviousEditBlock();
    auto removeAt = [&](int i) {
        edit.setPosition(i);
        edit.setPosition(i + 1, QTextCursor::KeepAnchor);
        edit.removeSelectedText();
        text.remove(i, 1);
        if (i < cursorAt) {
            --cursorAt;
        }
        refused = true;
    };
    for (int i = int(text.size()) - 1; i >= 0; --i) {
        if (!TakesCharacter(text.at(i))) {
            removeAt(i);
        }
    }
    // Too long: what was just typed before the cursor goes, then the end.
    while (StoredLength(text) > maxStoredLength_) {
        removeAt(cursorAt > 0 ? cursorAt - 1 : int(text.size()) - 1);
    }
    edit.endEditBlock();
    if (refused) {
        QTextCursor cursor = textCursor();
        cursor.setPosition(std::min(cursorAt, int(text.size())));
        setTextCursor(cursor);
        QApplication::beep();
    }
    tidying_ = false;
}

}  // namespace quenby
