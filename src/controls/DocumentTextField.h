#pragma once

#include <QTextEdit>

namespace quenby {

// A multi-line field for a text that a document stores: only characters the document's
// character set holds can be typed or pasted (so what is seen is what is saved), and
// the text stays within the stored length, each line break counting as the two
// characters (CR LF) it is stored as. Plain text only; Tab moves to the next control.
class DocumentTextField final : public QTextEdit {
    Q_OBJECT

public:
    // `maxStoredLength`: the characters the text may take when stored.
    explicit DocumentTextField(int maxStoredLength, QWidget* parent = nullptr);

    // The text as documents store it, lines ending in CR LF.
    QString StoredText() const;
    // Shows a stored text: CR LF (or a lone CR) starts a new line; characters the field
    // would not take are left out and the text is cut to the stored length.
    void SetStoredText(const QString& text);

    void SetTextAlignment(Qt::Alignment alignment);

    // What a stored text takes: its characters, a line break counting two.
    static int StoredLength(const QString& fieldText);
    // Whether the field takes a character: those of the document character set but
    // control characters; line breaks and tabs are taken.
    static bool TakesCharacter(QChar c);

protected:
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

private:
    // The text of the field as plain text, with every kind of line break as '\n'.
    QString FieldText() const;
    // Keeps only what the field takes, cut so that it fits into `room`.
    static QString Fit(const QString& text, int room);
    // Removes what the field does not take after an edit of any kind.
    void Tidy();

    int maxStoredLength_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool tidying_ = false;
};

}  // namespace quenby
