#pragma once

#include <QString>

#include <cstdint>

namespace quenby {

// The whole number a dialog field holds, read as the dialogs always have: the first
// ten characters, leading blanks and a sign allowed, digits up to the first other
// character; 0 when there are none. Kept within the 32-bit range.
std::int32_t ReadTypedInteger(const QString& text);

}  // namespace quenby
