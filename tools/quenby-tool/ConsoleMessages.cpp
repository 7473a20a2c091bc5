#include "ConsoleMessages.h"

#include <cstdio>

namespace quenby::tool {

MessageAnswer ConsoleMessages::Show(const QString& text, const QString&, MessageButtons buttons,
                                    MessageIcon, bool) {
    ++shown_;
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

}  // namespace quenby::tool
