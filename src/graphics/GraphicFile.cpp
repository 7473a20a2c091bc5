#include "graphics/GraphicFile.h"

#include "platform/ByteSource.h"
#include "platform/Dib.h"
#include "platform/FileProbe.h"
#include "platform/LittleEndian.h"
#include "platform/MessageBoxes.h"
#include "platform/ResourceStrings.h"
#include "platform/StringIds.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace quenby {
namespace wxg {
namespace {

// No shipped picture comes near this; a larger file is not one of ours, and reading
// it whole would only waste memory.
constexpr std::uint64_t kMaxBodySize = kPaletteOffset + kPaletteSize + Dib::kMaxPixelBytes + 4096;

ReadResult Refused(ReadResult r, ReadError error) {
    r.picture.reset();
    r.error = error;
    return r;
}

}  // namespace

void Scramble(std::span<std::uint8_t> body, std::size_t bodyPosition) {
    std::size_t k = bodyPosition % kKey.size();
    for (std::uint8_t& b : body) {
        b ^= static_cast<std::uint8_t>(kKey[k]);
        if (++k == kKey.size())
            k = 0;
    }
}

ReadResult ReadGraphicFile(ByteSource& source) {
    ReadResult r;
    std::uint8_t header[kHeaderSize];
    if (source.Read(header, kHeaderSize) != kHeaderSize) {
        return Refused(std::move(r), ReadError::NotAGraphicFile);
    }
    r.transparent = (header[kTransparencyOffset] | (header[kTransparencyOffset + 1] << 8)) == 0;
    r.resolution = header[kResolutionOffset];
    if (std::memcmp(header, kSignature.data(), kSignature.size()) != 0) {
        return Refused(std::move(r), ReadError::NotAGraphicFile);
    }

    const std::uint64_t bodySize = source.Remaining();
    if (bodySize < kPaletteOffset + kPaletteSize || bodySize > kMaxBodySize) {
        return Refused(std::move(r), ReadError::NotAGraphicFile);
    }
    std::vector<std::uint8_t> body;
    try {
        body.resize(static_cast<std::size_t>(bodySize));
    } catch (const std::bad_alloc&) {
        return Refused(std::move(r), ReadError::OutOfMemory);
    }
    // One read and one pass: the image library loads many files in a row.
    if (source.Read(body.data(), body.size()) != body.size()) {
        return Refused(std::move(r), ReadError::NotAGraphicFile);
    }
    Scramble(body);

    FieldReader fileHeader(std::span<const std::uint8_t>(body).subspan(10, 4));
    std::uint32_t pixelOffset = 0;
    fileHeader.U32(pixelOffset);
    FieldReader info(std::span<const std::uint8_t>(body).subspan(kFileHeaderSize + 4, 8));
    std::int32_t width = 0, height = 0;
    info.I32(width);
    info.I32(height);
    if (width <= 0 || height <= 0 || width > Dib::kMaxDimension || height > Dib::kMaxDimension) {
        return Refused(std::move(r), ReadError::NotAGraphicFile);
    }
    const std::uint64_t stride = (std::uint64_t(width) + 3) / 4 * 4;
    const std::uint64_t pixelBytes = stride * std::uint64_t(height);
    if (pixelBytes > Dib::kMaxPixelBytes || pixelOffset > body.size() ||
        pixelBytes > body.size() - pixelOffset) {
        return Refused(std::move(r), ReadError::NotAGraphicFile);
    }

    // Whatever the inner headers say about bit count and compression, the picture
    // is always 8 bits a pixel with a full palette.
    std::vector<std::uint8_t> packed;
    try {
        packed.reserve(kInfoHeaderSize + kPaletteSize + std::size_t(pixelBytes));
    } catch (const std::bad_alloc&) {
        return Refused(std::move(r), ReadError::NoBitmap);
    }
    FieldWriter w(packed);
    w.U32(kInfoHeaderSize);
    w.I32(width);
    w.I32(height);
    w.U16(1);
    w.U16(8);
    w.U32(Dib::Rgb);
    w.U32(std::uint32_t(pixelBytes));
    w.I32(0);
    w.I32(0);
    w.U32(256);
    w.U32(0);
    w.Bytes(body.data() + kPaletteOffset, kPaletteSize);
    w.Bytes(body.data() + pixelOffset, std::size_t(pixelBytes));
    r.picture = Dib::FromPacked(std::move(packed));
    if (!r.picture) {
        return Refused(std::move(r), ReadError::NoBitmap);
    }
    return r;
}

}  // namespace wxg

namespace {

std::unique_ptr<Dib> Report(MessageBoxes& messages, wxg::ReadResult r, const QString& caption,
                            int& transparent, int* resolution) {
    transparent = r.transparent;
    if (resolution)
        *resolution = r.resolution;
    switch (r.error) {
        case wxg::ReadError::None:
            return std::move(r.picture);
        case wxg::ReadError::NotAGraphicFile:
            messages.Show(ResourceString(str::kNotAGraphicFile), caption);
            break;
        case wxg::ReadError::OutOfMemory:
            messages.Show(QStringLiteral("Failed new"), ResourceString(str::kErrorCaption));
            break;
        case wxg::ReadError::NoBitmap:
            messages.Show(QStringLiteral("NO DIB"), ResourceString(str::kErrorCaption));
            break;
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<Dib> LoadGraphicFile(MessageBoxes& messages, const QString& path, int& transparent,
                                     int* resolution) {
    // Only a plain file is opened: a FIFO would wait for a writer.
    QFile file(path);
    if (LookAtFile(path) != FileKind::Regular || !file.open(QIODevice::ReadOnly)) {
        wxg::ReadResult r;
        r.error = wxg::ReadError::NotAGraphicFile;
        return Report(messages, std::move(r), path, transparent, resolution);
    }
    DeviceSource source(file);
    wxg::ReadResult r = wxg::ReadGraphicFile(source);
    file.close();
    return Report(messages, std::move(r), path, transparent, resolution);
}

std::unique_ptr<Dib> LoadGraphicFile(MessageBoxes& messages, std::span<const std::uint8_t> bytes,
                                     const QString& caption, int& transparent, int* resolution) {
    MemorySource source(bytes);
    return Report(messages, wxg::ReadGraphicFile(source), caption, transparent, resolution);
}

}  // namespace quenby
