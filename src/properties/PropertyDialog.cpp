#include "properties/PropertyDialog.h"

#include "controls/ColourPicker.h"
#include "controls/ColourPickerEvent.h"
#include "controls/ColourSwatch.h"
#include "document/ElementOperations.h"
#include "platform/StringIds.h"
#include "properties/ColourReplies.h"
#include "properties/ColourRow.h"
#include "properties/DialogButtons.h"

namespace quenby {

PropertyDialog::PropertyDialog(const Element& element, const QString& caption, QWidget* parent)
    : QDialog(parent), copy_(CopyElement(element)) {
    setWindowTitle(caption);
    setAccessibleName(caption);
}

ColourPicker& PropertyDialog::Picker() {
    if (!picker_) {
        picker_ = new ColourPicker(this);
    }
    return *picker_;
}

ColourRow* PropertyDialog::MakeColourRow(int replyNumber, const QString& name) {
    auto* row = new ColourRow(replyNumber, name, this);
    row->SetColour(ColourOfReply(*copy_, replyNumber).value_or(kBlack));
    connect(row, &ColourRow::PickWanted, this, &PropertyDialog::OpenPicker);
    return row;
}

void PropertyDialog::OpenPicker(ColourRow* row) {
    ColourPicker& picker = Picker();
    const QFont dialogFont = font();
    picker.Setup(row->ReplyNumber(), ColourOfReply(*copy_, row->ReplyNumber()).value_or(kBlack),
                 true, str::kAutomatic, &dialogFont);
    const QWidget* swatch = row->Swatch();
    const QPoint topLeft = swatch->mapToGlobal(QPoint(0, 0));
    picker.ShowAt(topLeft, QRect(topLeft, swatch->size()));
}

QDialogButtonBox* PropertyDialog::MakeButtons(const QString& ok, const QString& cancel) {
    return MakeOkCancelButtons(*this, ok, cancel);
}

bool PropertyDialog::event(QEvent* event) {
    if (event->type() == ColourPickerEvent::EventType()) {
        const auto* choice = static_cast<const ColourPickerEvent*>(event);
        if (ApplyPickedColour(*copy_, choice->ReplyNumber(), choice->Colour())) {
            for (ColourRow* row : findChildren<ColourRow*>()) {
                row->SetColour(ColourOfReply(*copy_, row->ReplyNumber()).value_or(kBlack));
            }
            ColourPicked();
        }
        return true;
    }
    return QDialog::event(event);
}

bool RunOnElement(PropertyDialog& dialog, Element& element) {
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    AssignElement(element, dialog.WorkingCopy());
    return true;
}

}  // namespace quenby
