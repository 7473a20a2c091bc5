#pragma once

#include <QDialog>

#include <array>

class QRadioButton;
class QStackedWidget;

namespace quenby {

class DocumentTextField;
struct Element;
struct TextBlock;

// "Cambiar texto": the text of a text element and how its lines are aligned. Three
// fields lie on top of each other, written left, centred and right; the alignment's
// field is shown, and choosing another alignment carries the typed text into its field.
class TextDialog final : public QDialog {
    Q_OBJECT

public:
    explicit TextDialog(const TextBlock& text, QWidget* parent = nullptr);

    // 1 left, 2 centre, 3 right.
    int Alignment() const { return alignment_; }
    // The shown field's text as documents store it (at most 499 characters).
    QString StoredText() const;
    DocumentTextField* Field(int alignment) const;
    QRadioButton* AlignmentButton(int alignment) const;

    // As clicking the alignment's button: the text moves into that field.
    void ChooseAlignment(int alignment);
    // The text and alignment into a text block.
    void WriteTo(TextBlock& text) const;

private:
    int alignment_ = 1;
    QStackedWidget* stack_;
    std::array<DocumentTextField*, 3> fields_{};
    std::array<QRadioButton*, 3> buttons_{};
};

// Runs the text dialog on a text or circular text: on OK its text and alignment
// are written into the element and true is returned; Cancel changes nothing. An
// element without a text block is left alone and gives false.
bool RunTextDialog(Element& element, QWidget* parent);

// The same for a text the text tool has just placed: on OK a Text (not a circular
// text) is also given the size of its letters (SizeTextFromLetters with the view's
// `pixelsPerMm`).
bool RunNewTextDialog(Element& element, double pixelsPerMm, QWidget* parent);

}  // namespace quenby
