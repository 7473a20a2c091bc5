#include "properties/TextDialog.h"

#include "controls/DocumentTextField.h"
#include "document/Element.h"
#include "document/TextSizing.h"
#include "properties/DialogButtons.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace quenby {
namespace {

constexpr int kMaxChars = int(TextBlock::kCharsSize) - 1;

}  // namespace

TextDialog::TextDialog(const TextBlock& text, QWidget* parent)
    : QDialog(parent), stack_(new QStackedWidget(this)) {
    setWindowTitle(QStringLiteral("Cambiar texto"));
    setAccessibleName(QStringLiteral("Cambiar texto"));

    const QString fieldNames[3] = {QStringLiteral("Texto a la izquierda"),
                                   QStringLiteral("Texto centrado"),
                                   QStringLiteral("Texto a la derecha")};
    const Qt::Alignment alignments[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    const QString buttonNames[3] = {QStringLiteral("Izquierda"), QStringLiteral("Centro"),
                                    QStringLiteral("Derecha")};
    auto* group = new QButtonGroup(this);
    auto* alignmentBox = new QGroupBox(QStringLiteral("Alineación"), this);
    auto* alignmentRow = new QHBoxLayout(alignmentBox);
    for (int i = 0; i < 3; ++i) {
        fields_[std::size_t(i)] = new DocumentTextField(kMaxChars, stack_);
        fields_[std::size_t(i)]->setAccessibleName(fieldNames[i]);
        fields_[std::size_t(i)]->SetTextAlignment(alignments[i]);
        stack_->addWidget(fields_[std::size_t(i)]);
        buttons_[std::size_t(i)] = new QRadioButton(buttonNames[i], alignmentBox);
        buttons_[std::size_t(i)]->setAccessibleName(buttonNames[i]);
        group->addButton(buttons_[std::size_t(i)], i + 1);
        alignmentRow->addWidget(buttons_[std::size_t(i)]);
    }
    // A stored alignment the page would not draw opens as left, so that the text is
    // there to edit and comes back on the page.
    const int opening = text.alignment >= 1 && text.alignment <= 3 ? text.alignment : 1;
    alignment_ = opening;
    fields_[std::size_t(opening - 1)]->SetStoredText(text.Text());
    stack_->setCurrentIndex(opening - 1);
    buttons_[std::size_t(opening - 1)]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, &TextDialog::ChooseAlignment);

    auto* textBox = new QGroupBox(QStringLiteral("Texto"), this);
    (new QVBoxLayout(textBox))->addWidget(stack_);
    stack_->setMinimumSize(420, 160);

    QDialogButtonBox* buttons =
        MakeOkCancelButtons(*this, QStringLiteral("&Aceptar"), QStringLiteral("&Cancelar"));
    // Enter starts a new line in the text; the buttons are pressed with the mouse or
    // their Alt keys.
    buttons->button(QDialogButtonBox::Ok)->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textBox);
    layout->addWidget(alignmentBox);
    layout->addWidget(buttons);
    fields_[std::size_t(opening - 1)]->setFocus();
}

DocumentTextField* TextDialog::Field(int alignment) const {
    return fields_.at(std::size_t(alignment - 1));
}

QRadioButton* TextDialog::AlignmentButton(int alignment) const {
    return buttons_.at(std::size_t(alignment - 1));
}

QString TextDialog::StoredText() const {
    return Field(alignment_)->StoredText().left(kMaxChars);
}

void TextDialog::ChooseAlignment(int alignment) {
    if (alignment < 1 || alignment > 3) {
        return;
    }
    const QString text = StoredText();
    alignment_ = alignment;
    DocumentTextField* field = Field(alignment);
    field->SetStoredText(text);
    stack_->setCurrentWidget(field);
    buttons_[std::size_t(alignment - 1)]->setChecked(true);
    field->setFocus();
}

void TextDialog::WriteTo(TextBlock& text) const {
    text.SetText(StoredText());
    text.alignment = std::uint16_t(alignment_);
}

bool RunTextDialog(Element& element, QWidget* parent) {
    if (!element.text) {
        return false;
    }
    TextDialog dialog(*element.text, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    dialog.WriteTo(*element.text);
    return true;
}

bool RunNewTextDialog(Element& element, double pixelsPerMm, QWidget* parent) {
    if (!RunTextDialog(element, parent)) {
        return false;
    }
    if (element.kind == ElementKind::Text) {
        SizeTextFromLetters(element, pixelsPerMm);
    }
    return true;
}

}  // namespace quenby
