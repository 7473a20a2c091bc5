#include "ConsoleMessages.h"

#include <cstdio>

namespace quenby::tool {

MessageAnswer ConsoleMessages::Show(const QString& text, const QString&, MessageButtons buttons,
                                    MessageIcon, bool) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    return SafestAnswer(buttons);
}

}  // namespace quenby::tool
