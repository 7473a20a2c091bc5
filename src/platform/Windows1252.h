#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace quenby {

// Documents hold their texts in Windows-1252; the program works in QString.
// Conversion happens at the edges only.

// Converts up to `size` bytes, stopping early at a NUL byte.
QString FromWindows1252(const char* bytes, std::size_t size);

// Whether Windows-1252 has a byte for the character (the five unassigned bytes and
// the C1 controls that stand for them do not count).
bool HasWindows1252Byte(QChar c);

// Characters that Windows-1252 cannot hold become '?'.
QByteArray ToWindows1252(const QString& text);

// Fills a fixed text field of a record: the converted text, cut so that it always
// ends in a NUL within the field, and zeros after it.
void StoreWindows1252(const QString& text, char* field, std::size_t fieldSize);

}  // namespace quenby
