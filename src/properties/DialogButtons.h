#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;

namespace quenby {

// The OK and Cancel buttons of a dialog, with the dialog's own texts ("Aceptar",
// "&Aceptar"...), named for screen readers without their Alt marks, and wired to
// accept and reject.
QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog, const QString& ok, const QString& cancel);

}  // namespace quenby
