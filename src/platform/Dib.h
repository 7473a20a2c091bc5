#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class QImage;
class QRect;
class QSize;

namespace quenby {

class ByteSource;

// A packed device-independent bitmap: the 40-byte information header, the colour
// table and the pixel rows, exactly as documents store it behind a 14-byte file
// header. Pictures are 8-bit with a 256-entry palette, but any uncompressed or
// run-length bitmap of 1, 4, 8, 16, 24 or 32 bits per pixel is held.
class Dib {
public:
    static constexpr std::size_t kFileHeaderSize = 14;
    static constexpr std::size_t kInfoHeaderSize = 40;
    static constexpr std::size_t kCoreHeaderSize = 12;
    // Refuse pictures beyond this: no real picture comes near it, and a damaged
    // header must not make the reader reserve gigabytes.
    static constexpr int kMaxDimension = 32768;
    static constexpr std::size_t kMaxPixelBytes = std::size_t(256) << 20;
    // The same limit on the pixels themselves: a run-length picture stores far fewer
    // bytes than it holds pixels.
    static constexpr std::uint64_t kMaxPixels = std::uint64_t(256) << 20;

    enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

    // Reads a complete bitmap file image ("BM" header, then a 40-byte or a 12-byte
    // information header, colour table and rows); a 12-byte header is converted to
    // the 40-byte form. Returns null, having read an unspecified part of the
    // source, when the image is not a bitmap this class holds or is cut short.
    static std::unique_ptr<Dib> ReadFileImage(ByteSource& source);

    // Takes a packed bitmap (40-byte header first); null when it is not consistent.
    static std::unique_ptr<Dib> FromPacked(std::vector<std::uint8_t> packed);

    // A blank bottom-up bitmap; bit counts of 8 or less get a zeroed palette.
    static std::unique_ptr<Dib> Create(int width, int height, int bitCount);

    std::unique_ptr<Dib> Clone() const;

    // Appends the complete file image: file header, then the packed bitmap.
    void AppendFileImage(std::vector<std::uint8_t>& out) const;

    int Width() const { return width_; }
    int Height() const { return height_; }  // as stored: negative for top-down rows
    int BitCount() const { return bitCount_; }
    std::uint32_t CompressionType() const { return compression_; }
    int ColourCount() const { return colourCount_; }
    std::size_t Stride() const;  // bytes per padded row of an uncompressed bitmap

    std::span<const std::uint8_t> Packed() const { return packed_; }
    std::size_t BitsOffset() const { return bitsOffset_; }  // within Packed()
    std::span<std::uint8_t> Bits();
    std::span<const std::uint8_t> Bits() const;

    // Colour-table entry i as 0x00RRGGBB (the table's blue, green, red, reserved).
    std::uint32_t Colour(int i) const;
    void SetColour(int i, std::uint32_t rgb);

    // The picture as a Qt image (32-bit for the screen); a null image if it cannot be
    // decoded.
    QImage ToImage() const;
    // The part `region` of the picture (image coordinates, top row first) at `size`
    // pixels, each the region's pixel nearest to its centre; at the region's own size,
    // a plain copy of that part. Only the rows and columns wanted are decoded, so a
    // small view of a huge picture costs no more memory than the view.
    QImage ToImage(const QRect& region, const QSize& size) const;

private:
    Dib() = default;
    bool Adopt(std::vector<std::uint8_t> packed);

    std::vector<std::uint8_t> packed_;
    int width_ = 0;
    int height_ = 0;
    int bitCount_ = 0;
    std::uint32_t compression_ = Rgb;
    int colourCount_ = 0;
    std::size_t bitsOffset_ = 0;
};

}  // namespace quenby
