#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace quenby {

class ByteSource;
class Dib;
class MessageBoxes;

// The product's picture file (.wxg): a 64-byte plain header, then an 8-bit bitmap
// file image whose bytes are scrambled with a repeating key.
namespace wxg {

inline constexpr std::size_t kHeaderSize = 64;
inline constexpr std::array<char, 12> kSignature = {'W', 'e', 'x', 'm', 'o', 'o',
                                                    'r', ' ', 'A', 'r', 't', 's'};
inline constexpr std::array<char, 18> kKey = {'Q', 'Z', 'X', 'V', 'N', 'M', 'R', 'T', 'B',
                                              'W', 'L', 'P', 'C', 'G', 'F', 'D', 'K', 'Y'};
inline constexpr std::size_t kResolutionOffset = 55;    // 0: 72 dpi, else 150 dpi
inline constexpr std::size_t kTransparencyOffset = 62;  // 16-bit; 0: index 255 is transparent
inline constexpr std::size_t kFileHeaderSize = 14;      // of the bitmap inside the body
inline constexpr std::size_t kInfoHeaderSize = 40;
inline constexpr std::size_t kPaletteOffset = kFileHeaderSize + kInfoHeaderSize;
inline constexpr std::size_t kPaletteSize = 256 * 4;
inline constexpr std::uint8_t kTransparentIndex = 255;

// Scrambling and unscrambling are the same operation; `bodyPosition` is the
// position of the first byte within the body (file offset − 64).
void Scramble(std::span<std::uint8_t> body, std::size_t bodyPosition = 0);

// Pixels per inch on paper for a resolution byte.
inline int DotsPerInch(int resolution) {
    return resolution == 0 ? 72 : 150;
}

enum class ReadError { None, NotAGraphicFile, OutOfMemory, NoBitmap };

struct ReadResult {
    std::unique_ptr<Dib> picture;  // null on failure
    ReadError error = ReadError::None;
    int transparent = 0;  // 1 when the transparency word is 0
    int resolution = 0;   // header byte 55
};

// Reads a whole graphic file from `source` without showing anything. A body too
// short for the bitmap its headers describe, a pixel offset outside the body, or a
// width or height that is not positive or beyond any real picture is refused as
// NotAGraphicFile. The out-values are filled as soon as the header is read.
ReadResult ReadGraphicFile(ByteSource& source);

}  // namespace wxg

// Loads a graphic file into an 8-bit, 256-colour bitmap, or returns null after the
// program's message: "not a valid graphic file" (caption: the path), "Failed new"
// or "NO DIB". `transparent` gets 1 when the file marks palette index 255 as
// transparent, else 0; `resolution`, when given, gets the resolution byte.
std::unique_ptr<Dib> LoadGraphicFile(MessageBoxes& messages, const QString& path, int& transparent,
                                     int* resolution = nullptr);

// The same for a file image already in memory; `caption` stands in for the path.
std::unique_ptr<Dib> LoadGraphicFile(MessageBoxes& messages, std::span<const std::uint8_t> bytes,
                                     const QString& caption, int& transparent,
                                     int* resolution = nullptr);

}  // namespace quenby
