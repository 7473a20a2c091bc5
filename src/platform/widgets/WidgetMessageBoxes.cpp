#include "platform/widgets/WidgetMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace quenby {

MessageAnswer WidgetMessageBoxes::Show(const QString& text, const QString& caption,
                                       MessageButtons buttons, MessageIcon icon, bool owned) {
    QMessageBox box(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning,
                    caption, text, QMessageBox::NoButton, owned ? owner_ : nullptr);
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
    }
    if (icon == MessageIcon::Exclamation) {
        QApplication::beep();
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            break;
    }
    // Closing the window of a question counts as its safest answer.
    return SafestAnswer(buttons);
}

}  // namespace quenby
