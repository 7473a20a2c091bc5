#include "controls/ColourPickerEvent.h"

namespace quenby {

QEvent::Type ColourPickerEvent::EventType() {
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

}  // namespace quenby
