#pragma once

#include <QString>

namespace quenby {

// The program's numbered user-interface strings. A command's number is also the
// number of its tool-tip string, so strings are looked up by number everywhere.
QString ResourceString(int id);

// True when the table holds a string with this number (empty strings included).
bool HasResourceString(int id);

}  // namespace quenby
