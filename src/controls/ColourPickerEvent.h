#pragma once

#include "platform/ColourRef.h"

#include <QEvent>

namespace quenby {

// "QVSCOLORPICKERMESSAGE": the choice a colour picker posts to its owner, with the
// reply number the owner gave it (which field the colour is for) and the colour.
class ColourPickerEvent final : public QEvent {
public:
    ColourPickerEvent(int replyNumber, ColourRef colour)
        : QEvent(EventType()), replyNumber_(replyNumber), colour_(colour) {}

    // The event type, registered once for the process.
    static QEvent::Type EventType();

    int ReplyNumber() const { return replyNumber_; }
    ColourRef Colour() const { return colour_; }

private:
    int replyNumber_;
    ColourRef colour_;
};

}  // namespace quenby
