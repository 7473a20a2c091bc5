#pragma once

#include "document/Element.h"

#include <QDialog>

class QDialogButtonBox;

namespace quenby {

class ColourPicker;
class ColourRow;

// A dialog that edits a working copy of an element: its controls and sample show the
// copy, the colour picker's choices go into the copy by their reply numbers, and the
// element itself changes only when the caller assigns the copy after OK.
class PropertyDialog : public QDialog {
    Q_OBJECT

public:
    const Element& WorkingCopy() const { return *copy_; }
    // The picker the colour buttons open (made when first wanted).
    ColourPicker& Picker();

protected:
    PropertyDialog(const Element& element, const QString& caption, QWidget* parent);

    Element& Copy() { return *copy_; }
    // A colour row that opens the picker for its field.
    ColourRow* MakeColourRow(int replyNumber, const QString& name);
    // "Aceptar" and "Cancelar", wired to accept and reject.
    QDialogButtonBox* MakeButtons(const QString& ok = QStringLiteral("Aceptar"),
                                  const QString& cancel = QStringLiteral("Cancelar"));

    // A colour reached the copy: the dialog shows it.
    virtual void ColourPicked() {}

    bool event(QEvent* event) override;

private:
    void OpenPicker(ColourRow* row);

    ElementPtr copy_;
    ColourPicker* picker_ = nullptr;
};

// Runs a property dialog; on OK the element takes the working copy. True on OK.
bool RunOnElement(PropertyDialog& dialog, Element& element);

}  // namespace quenby
