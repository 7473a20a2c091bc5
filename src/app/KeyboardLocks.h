#pragma once

namespace quenby {

struct KeyboardLocks {
    bool known = false;  // the windowing system told us
    bool capsLock = false;
    bool numLock = false;
};

// The Caps Lock and Num Lock lights, read from the X keyboard extension; unknown
// on platforms that do not say.
KeyboardLocks ReadKeyboardLocks();

}  // namespace quenby
