#include "properties/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace quenby {

QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog, const QString& ok, const QString& cancel) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    for (const auto& [which, text] :
         {std::pair{QDialogButtonBox::Ok, ok}, std::pair{QDialogButtonBox::Cancel, cancel}}) {
        QPushButton* button = buttons->button(which);
        button->setText(text);
        button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace quenby
