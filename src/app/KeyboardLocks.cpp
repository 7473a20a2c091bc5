#include "app/KeyboardLocks.h"

#include <QGuiApplication>

#if defined(QUENBY_HAVE_X11)
#include <X11/XKBlib.h>
#endif

namespace quenby {

KeyboardLocks ReadKeyboardLocks() {
    KeyboardLocks locks;
#if defined(QUENBY_HAVE_X11) && QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) {
        return locks;
    }
    unsigned int state = 0;
    if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &state) == Success) {
        locks.known = true;
        locks.capsLock = (state & 0x01) != 0;  // the first two lights: Caps Lock, Num Lock
        locks.numLock = (state & 0x02) != 0;
    }
#endif
    return locks;
}

}  // namespace quenby
