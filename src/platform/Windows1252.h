#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace quenby {

// Documents hold their texts in Windows-1252; the program works in QString.
// Conversion happens at the edges only.

// Converts up to `size` bytes, stopping early at a NUL byte.
QString FromWindows1252(const char* bytes, std::size_t size);

// Characters that Windows-1252 cannot hold become '?'.
QByteArray ToWindows1252(const QString& text);

}  // namespace quenby
