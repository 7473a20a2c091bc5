#include "properties/PageColourDialog.h"

#include "controls/ColourPicker.h"

#include <QColorDialog>

namespace quenby {

std::optional<ColourRef> RunPageColourDialog(ColourRef current, QWidget* parent) {
    for (int slot = 1; slot < QColorDialog::customCount(); ++slot) {
        QColorDialog::setCustomColor(slot, Qt::white);
    }
    QColorDialog::setCustomColor(0, ToQColor(current));
    return RunFullColourDialog(current, parent);
}

}  // namespace quenby
