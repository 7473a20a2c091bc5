#include "platform/Dib.h"

#include "platform/ByteSource.h"
#include "platform/LittleEndian.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

namespace quenby {
namespace {

struct Layout {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::uint32_t compression = Dib::Rgb;
    int colourCount = 0;
    std::size_t tableBytes = 0;  // bit masks and colour table
    std::size_t imageBytes = 0;
};

std::uint64_t StrideFor(int width, int bitCount) {
    return ((std::uint64_t(width) * std::uint64_t(bitCount) + 31) / 32) * 4;
}

// Checks the fields of a 40-byte information header and works out the sizes of
// what follows it.
std::optional<Layout> Describe(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                               std::uint32_t compression, std::uint32_t sizeImage,
                               std::uint32_t coloursUsed) {
    Layout l;
    if (width <= 0 || width > Dib::kMaxDimension || height == 0 || height < -Dib::kMaxDimension ||
        height > Dib::kMaxDimension) {
        return std::nullopt;
    }
    switch (bitCount) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            return std::nullopt;
    }
    const std::uint32_t paletteMax = bitCount <= 8 ? (1u << bitCount) : 256u;
    if (coloursUsed > paletteMax) {
        return std::nullopt;
    }
    l.colourCount = int(coloursUsed != 0 ? coloursUsed : (bitCount <= 8 ? paletteMax : 0));
    l.tableBytes = std::size_t(l.colourCount) * 4;
    const std::uint64_t rows = height < 0 ? std::uint64_t(-std::int64_t(height)) : height;
    switch (compression) {
        case Dib::Rgb:
            l.imageBytes = StrideFor(width, bitCount) * rows;
            break;
        case Dib::BitFields:
            if (bitCount != 16 && bitCount != 32)
                return std::nullopt;
            l.tableBytes += 12;
            l.imageBytes = StrideFor(width, bitCount) * rows;
            break;
        case Dib::Rle8:
        case Dib::Rle4:
            if (bitCount != (compression == Dib::Rle8 ? 8 : 4) || height < 0 || sizeImage == 0) {
                return std::nullopt;
            }
            l.imageBytes = sizeImage;
            break;
        default:
            return std::nullopt;
    }
    if (l.imageBytes > Dib::kMaxPixelBytes || std::uint64_t(width) * rows > Dib::kMaxPixels) {
        return std::nullopt;
    }
    l.width = width;
    l.height = height;
    l.bitCount = bitCount;
    l.compression = compression;
    return l;
}

std::optional<Layout> DescribePacked(std::span<const std::uint8_t> packed) {
    FieldReader r(packed);
    std::uint32_t size = 0, compression = 0, sizeImage = 0, used = 0, important = 0;
    std::int32_t width = 0, height = 0, xppm = 0, yppm = 0;
    std::uint16_t planes = 0, bits = 0;
    if (!(r.U32(size) && r.I32(width) && r.I32(height) && r.U16(planes) && r.U16(bits) &&
          r.U32(compression) && r.U32(sizeImage) && r.I32(xppm) && r.I32(yppm) && r.U32(used) &&
          r.U32(important)) ||
        size != Dib::kInfoHeaderSize) {
        return std::nullopt;
    }
    return Describe(width, height, bits, compression, sizeImage, used);
}

bool ReadExactly(ByteSource& source, std::uint8_t* into, std::size_t n) {
    return source.Read(into, n) == n;
}

// Decodes run-length rows (8 or 4 bits a pixel) into one index byte per pixel, one
// stored row at a time, bottom row first: `row(y, indices)` is called once for every
// row y from 0 to height − 1 that `wanted(y)` asks for. Runs that would leave the
// picture are cut off; pixels the codes skip are 0. Only one row is held at a time.
template <typename Wanted, typename Row>
void DecodeRunLength(std::span<const std::uint8_t> in, bool fourBit, int width, int height,
                     Wanted wanted, Row row) {
    std::vector<std::uint8_t> line(std::size_t(width), 0);
    bool dirty = false;  // the line holds pixels of a wanted row
    int y = 0;
    bool keep = wanted(0);
    int x = 0;  // never past `width`: a long stream of runs cannot overflow it
    // Ends row y, going on to row `to`; the rows between hold nothing.
    auto advanceTo = [&](int to) {
        to = std::min(to, height);
        if (y < height && keep) {
            row(y, line.data());
        }
        if (dirty) {
            std::fill(line.begin(), line.end(), 0);
            dirty = false;
        }
        for (int skipped = y + 1; skipped < to; ++skipped) {
            if (wanted(skipped)) {
                row(skipped, line.data());
            }
        }
        y = std::max(to, y + 1);
        keep = y < height && wanted(y);
    };
    auto put = [&](std::uint8_t v) {
        if (x < width) {
            line[std::size_t(x)] = v;
            dirty = true;
            ++x;
        }
    };
    std::size_t i = 0;
    while (i + 1 < in.size() && y < height) {
        const std::uint8_t count = in[i], value = in[i + 1];
        i += 2;
        if (count > 0) {
            if (!keep) {
                x = std::min(width, x + count);
                continue;
            }
            for (int k = 0; k < count; ++k) {
                put(fourBit ? ((k & 1) ? (value & 0x0F) : (value >> 4)) : value);
            }
        } else if (value == 0) {  // end of line
            x = 0;
            advanceTo(y + 1);
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // delta
            if (i + 1 >= in.size())
                break;
            const int dx = in[i], dy = in[i + 1];
            i += 2;
            if (dy > 0) {
                advanceTo(y + dy);
            }
            x = std::min(width, x + dx);
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            const std::size_t bytes = fourBit ? (value + 1u) / 2u : value;
            if (i + bytes > in.size())
                break;
            if (!keep) {
                x = std::min(width, x + value);
            } else {
                for (int k = 0; k < value; ++k) {
                    const std::uint8_t b = in[i + (fourBit ? k / 2 : k)];
                    put(fourBit ? ((k & 1) ? (b & 0x0F) : (b >> 4)) : b);
                }
            }
            i += (bytes + 1) & ~std::size_t(1);
        }
    }
    while (y < height) {
        advanceTo(height);
    }
}

// For each of `count` output pixels, the nearest of the `extent` pixels from `first`
// that it stands for.
std::vector<int> Samples(int first, int extent, int count) {
    std::vector<int> at(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        at[std::size_t(i)] =
            first + int((2 * std::int64_t(i) + 1) * extent / (2 * std::int64_t(count)));
    }
    return at;
}

}  // namespace

bool Dib::Adopt(std::vector<std::uint8_t> packed) {
    const std::optional<Layout> l = DescribePacked(packed);
    if (!l || packed.size() != kInfoHeaderSize + l->tableBytes + l->imageBytes) {
        return false;
    }
    packed_ = std::move(packed);
    width_ = l->width;
    height_ = l->height;
    bitCount_ = l->bitCount;
    compression_ = l->compression;
    colourCount_ = l->colourCount;
    bitsOffset_ = kInfoHeaderSize + l->tableBytes;
    return true;
}

std::unique_ptr<Dib> Dib::FromPacked(std::vector<std::uint8_t> packed) {
    std::unique_ptr<Dib> dib(new Dib);
    if (!dib->Adopt(std::move(packed))) {
        return nullptr;
    }
    return dib;
}

std::unique_ptr<Dib> Dib::Create(int width, int height, int bitCount) {
    const std::optional<Layout> l = Describe(width, height, std::uint16_t(bitCount), Rgb, 0, 0);
    if (!l) {
        return nullptr;
    }
    std::vector<std::uint8_t> packed;
    packed.reserve(kInfoHeaderSize + l->tableBytes + l->imageBytes);
    FieldWriter w(packed);
    w.U32(kInfoHeaderSize);
    w.I32(width);
    w.I32(height);
    w.U16(1);
    w.U16(std::uint16_t(bitCount));
    w.U32(Rgb);
    w.U32(std::uint32_t(l->imageBytes));
    w.I32(0);
    w.I32(0);
    w.U32(std::uint32_t(l->colourCount));
    w.U32(0);
    w.Zeros(l->tableBytes + l->imageBytes);
    return FromPacked(std::move(packed));
}

std::unique_ptr<Dib> Dib::ReadFileImage(ByteSource& source) {
    std::uint8_t fileHeader[kFileHeaderSize];
    if (!ReadExactly(source, fileHeader, kFileHeaderSize) || fileHeader[0] != 'B' ||
        fileHeader[1] != 'M') {
        return nullptr;
    }
    std::uint32_t offBits = 0;
    FieldReader(std::span<const std::uint8_t>(fileHeader + 10, 4)).U32(offBits);

    std::uint8_t sizeBytes[4];
    if (!ReadExactly(source, sizeBytes, 4)) {
        return nullptr;
    }
    std::uint32_t headerSize = 0;
    FieldReader(sizeBytes).U32(headerSize);

    std::vector<std::uint8_t> packed;
    FieldWriter w(packed);
    std::optional<Layout> layout;
    std::size_t tableInFile = 0;  // colour-table bytes as the file holds them
    bool core = false;
    if (headerSize == kInfoHeaderSize) {
        std::uint8_t rest[kInfoHeaderSize - 4];
        if (!ReadExactly(source, rest, sizeof rest)) {
            return nullptr;
        }
        w.U32(headerSize);
        w.Bytes(rest, sizeof rest);
        layout = DescribePacked(packed);
        if (!layout)
            return nullptr;
        tableInFile = layout->tableBytes;
    } else if (headerSize == kCoreHeaderSize) {
        std::uint8_t rest[kCoreHeaderSize - 4];
        if (!ReadExactly(source, rest, sizeof rest)) {
            return nullptr;
        }
        FieldReader r(rest);
        std::uint16_t width = 0, height = 0, planes = 0, bits = 0;
        r.U16(width);
        r.U16(height);
        r.U16(planes);
        r.U16(bits);
        layout = Describe(width, height, bits, Rgb, 0, 0);
        if (!layout)
            return nullptr;
        core = true;
        tableInFile = std::size_t(layout->colourCount) * 3;
        w.U32(kInfoHeaderSize);
        w.I32(width);
        w.I32(height);
        w.U16(1);
        w.U16(bits);
        w.U32(Rgb);
        w.U32(std::uint32_t(layout->imageBytes));
        w.I32(0);
        w.I32(0);
        w.U32(0);
        w.U32(0);
    } else {
        return nullptr;
    }

    // Never reserve more than the source still holds.
    if (tableInFile + layout->imageBytes > source.Remaining()) {
        return nullptr;
    }
    std::vector<std::uint8_t> table(tableInFile);
    if (!ReadExactly(source, table.data(), table.size())) {
        return nullptr;
    }
    if (core) {
        for (std::size_t i = 0; i + 2 < table.size(); i += 3) {
            w.Bytes(&table[i], 3);
            w.U8(0);
        }
    } else {
        w.Bytes(table.data(), table.size());
    }

    // Some writers leave a gap between the colour table and the rows.
    const std::uint64_t rowsAt = kFileHeaderSize + headerSize + tableInFile;
    if (offBits > rowsAt) {
        const std::uint64_t gap = offBits - rowsAt;
        if (gap + layout->imageBytes > source.Remaining()) {
            return nullptr;
        }
        std::vector<std::uint8_t> skip(static_cast<std::size_t>(gap));
        if (!ReadExactly(source, skip.data(), skip.size())) {
            return nullptr;
        }
    }

    packed.reserve(packed.size() + layout->imageBytes);
    if (!source.AppendTo(packed, layout->imageBytes)) {
        return nullptr;
    }
    return FromPacked(std::move(packed));
}

std::unique_ptr<Dib> Dib::Clone() const {
    std::unique_ptr<Dib> copy(new Dib(*this));
    return copy;
}

void Dib::AppendFileImage(std::vector<std::uint8_t>& out) const {
    FieldWriter w(out);
    w.U8('B');
    w.U8('M');
    w.U32(std::uint32_t(kFileHeaderSize + packed_.size()));
    w.U16(0);
    w.U16(0);
    w.U32(std::uint32_t(kFileHeaderSize + bitsOffset_));
    w.Bytes(packed_.data(), packed_.size());
}

std::size_t Dib::Stride() const {
    return std::size_t(StrideFor(width_, bitCount_));
}

std::span<std::uint8_t> Dib::Bits() {
    return std::span<std::uint8_t>(packed_).subspan(bitsOffset_);
}

std::span<const std::uint8_t> Dib::Bits() const {
    return std::span<const std::uint8_t>(packed_).subspan(bitsOffset_);
}

std::uint32_t Dib::Colour(int i) const {
    if (i < 0 || i >= colourCount_) {
        return 0;
    }
    const std::size_t at = bitsOffset_ - std::size_t(colourCount_ - i) * 4;
    return std::uint32_t(packed_[at]) | (std::uint32_t(packed_[at + 1]) << 8) |
           (std::uint32_t(packed_[at + 2]) << 16);
}

void Dib::SetColour(int i, std::uint32_t rgb) {
    if (i < 0 || i >= colourCount_) {
        return;
    }
    const std::size_t at = bitsOffset_ - std::size_t(colourCount_ - i) * 4;
    packed_[at] = std::uint8_t(rgb);
    packed_[at + 1] = std::uint8_t(rgb >> 8);
    packed_[at + 2] = std::uint8_t(rgb >> 16);
    packed_[at + 3] = 0;
}

QImage Dib::ToImage() const {
    const int h = height_ < 0 ? -height_ : height_;
    return ToImage(QRect(0, 0, width_, h), QSize(width_, h));
}

QImage Dib::ToImage(const QRect& wantedRegion, const QSize& size) const {
    const int w = width_;
    const int h = height_ < 0 ? -height_ : height_;
    const QRect region = wantedRegion & QRect(0, 0, w, h);
    if (region.isEmpty() || size.isEmpty()) {
        return QImage();
    }
    const bool bottomUp = height_ > 0;
    const std::span<const std::uint8_t> bits = Bits();
    const std::size_t stride = Stride();
    // Stored row (in memory order) of image row y, and the image row of output row j.
    auto storedRowOf = [&](int y) { return bottomUp ? h - 1 - y : y; };
    const std::vector<int> columns = Samples(region.x(), region.width(), size.width());
    const std::vector<int> rows = Samples(region.y(), region.height(), size.height());

    if (bitCount_ <= 8) {
        QImage image(size, QImage::Format_Indexed8);
        if (image.isNull()) {
            return image;
        }
        QList<QRgb> table;
        for (int i = 0; i < colourCount_; ++i) {
            table.append(0xFF000000u | Colour(i));
        }
        // Indices past the table show black, as a palette device would.
        while (table.size() < (1 << bitCount_))
            table.append(0xFF000000u);
        image.setColorTable(table);
        auto fill = [&](int j, auto indexAt) {
            std::uint8_t* dst = image.scanLine(j);
            for (int i = 0; i < size.width(); ++i) {
                dst[i] = indexAt(columns[std::size_t(i)]);
            }
        };
        if (compression_ == Rle8 || compression_ == Rle4) {
            // Output rows by image row: rows[] does not decrease, so each image row's
            // output rows follow one another.
            std::vector<int> firstOutput(std::size_t(h) + 1, -1);
            for (int j = size.height() - 1; j >= 0; --j) {
                firstOutput[std::size_t(rows[std::size_t(j)])] = j;
            }
            auto wanted = [&](int storedY) { return firstOutput[std::size_t(h - 1 - storedY)] >= 0; };
            DecodeRunLength(bits, compression_ == Rle4, w, h, wanted,
                            [&](int storedY, const std::uint8_t* indices) {
                                const int y = h - 1 - storedY;
                                for (int j = firstOutput[std::size_t(y)];
                                     j < size.height() && rows[std::size_t(j)] == y; ++j) {
                                    fill(j, [&](int x) { return indices[x]; });
                                }
                            });
            return image;
        }
        const int perByte = 8 / bitCount_;
        const int mask = (1 << bitCount_) - 1;
        for (int j = 0; j < size.height(); ++j) {
            const std::uint8_t* src =
                bits.data() + std::size_t(storedRowOf(rows[std::size_t(j)])) * stride;
            fill(j, [&](int x) {
                const int shift = (perByte - 1 - x % perByte) * bitCount_;
                return std::uint8_t((src[x / perByte] >> shift) & mask);
            });
        }
        return image;
    }

    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bitCount_ == 32) {
        masks[0] = 0xFF0000;
        masks[1] = 0x00FF00;
        masks[2] = 0x0000FF;
    }
    if (compression_ == BitFields) {
        FieldReader r(std::span<const std::uint8_t>(packed_).subspan(kInfoHeaderSize, 12));
        r.U32(masks[0]);
        r.U32(masks[1]);
        r.U32(masks[2]);
    }
    auto channel = [](std::uint32_t v, std::uint32_t m) -> std::uint32_t {
        if (m == 0)
            return 0;
        const int shift = std::countr_zero(m);
        const std::uint32_t max = m >> shift;
        return ((v & m) >> shift) * 255u / max;
    };
    for (int j = 0; j < size.height(); ++j) {
        const std::uint8_t* src =
            bits.data() + std::size_t(storedRowOf(rows[std::size_t(j)])) * stride;
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(j));
        for (int i = 0; i < size.width(); ++i) {
            const std::size_t x = std::size_t(columns[std::size_t(i)]);
            if (bitCount_ == 24) {
                const std::uint8_t* p = src + x * 3;
                dst[i] = qRgb(p[2], p[1], p[0]);
                continue;
            }
            std::uint32_t v = 0;
            if (bitCount_ == 16) {
                v = std::uint32_t(src[x * 2]) | (std::uint32_t(src[x * 2 + 1]) << 8);
            } else {
                const std::uint8_t* p = src + x * 4;
                v = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                    (std::uint32_t(p[3]) << 24);
            }
            dst[i] = qRgb(int(channel(v, masks[0])), int(channel(v, masks[1])),
                          int(channel(v, masks[2])));
        }
    }
    return image;
}

}  // namespace quenby
