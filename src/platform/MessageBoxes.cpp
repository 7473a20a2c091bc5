#include "platform/MessageBoxes.h"

#include "platform/ResourceStrings.h"


namespace quenby {

MessageAnswer SafestAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNoCancel:
        case MessageButtons::OkCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::Ok:
            break;
    }
    return MessageAnswer::Ok;
}

void MessageBoxes::Warn(int textId, int captionId) {
    Show(ResourceString(textId), ResourceString(captionId), MessageButtons::Ok,
         MessageIcon::Exclamation, true);
}

}  // namespace quenby
