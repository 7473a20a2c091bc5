#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quenby {

class ByteSource;
struct Document;

// The .wxd document file: an 86-byte header with the page setup, then each element
// as a 110-byte record followed by its bitmap file image (pictures) or its 653-byte
// text block (texts). Little-endian, packed, no count and no checksum.
namespace wxd {

inline constexpr std::size_t kHeaderSize = 86;
inline constexpr std::size_t kRecordSize = 110;
inline constexpr std::size_t kTextBlockSize = 653;
inline constexpr char kMagic[4] = {'W', 'X', 'Q', 'U'};
inline constexpr std::uint8_t kVersion = 1;

enum class ReadOutcome {
    Loaded,
    NotADocument,  // wrong mark or a header cut short: nothing was applied
    // A picture's bitmap could not be read. The elements before it were loaded;
    // what follows cannot be found in the file and is left out.
    Damaged,
};

// Fills `doc` from `source`: the header fields (brought into range where the
// program uses them as indexes or divisors), then up to 1000 elements from slot 0.
// The element list is emptied first. Loaded elements are not selected.
ReadOutcome ReadDocument(ByteSource& source, Document& doc);

// Appends the whole file image of `doc`.
void WriteDocument(const Document& doc, std::vector<std::uint8_t>& out);

}  // namespace wxd
}  // namespace quenby
