#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class QImage;

namespace quenby {

class Dib;

// Makes graphic files for the product's artwork. The program itself only reads
// them; the artwork builders, quenby-tool and the tests write them.
namespace wxg {

struct WriteOptions {
    bool transparent = true;      // palette index 255 is left out when drawn
    std::uint8_t resolution = 1;  // 0: 72 pixels per inch, 1: 150
};

// The complete file image of an 8-bit, 256-colour bottom-up bitmap; empty when the
// picture is not of that kind.
std::vector<std::uint8_t> EncodeGraphicFile(const Dib& picture, const WriteOptions& options);

// Reduces `image` to the product's 8-bit form and encodes it; empty on failure.
std::vector<std::uint8_t> EncodeGraphicFile(const QImage& image, const WriteOptions& options);

// Writes the bytes in one piece: either the whole file is there afterwards or the
// previous file is left as it was. Returns false (with `error` set) on failure.
bool WriteFileAtomically(const QString& path, const std::vector<std::uint8_t>& bytes,
                         QString* error = nullptr);

}  // namespace wxg
}  // namespace quenby
