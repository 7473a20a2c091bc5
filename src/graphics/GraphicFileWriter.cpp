#include "graphics/GraphicFileWriter.h"

#include "graphics/ColourQuantiser.h"
#include "graphics/GraphicFile.h"
#include "platform/Dib.h"
#include "platform/LittleEndian.h"

#include <QImage>
#include <QSaveFile>

namespace quenby::wxg {
namespace {

// Pixels per metre recorded in the inner bitmap header, for other programs' sake.
std::int32_t PixelsPerMetre(int resolution) {
    return static_cast<std::int32_t>(DotsPerInch(resolution) / 0.0254 + 0.5);
}

}  // namespace

std::vector<std::uint8_t> EncodeGraphicFile(const Dib& picture, const WriteOptions& options) {
    if (picture.BitCount() != 8 || picture.ColourCount() != 256 || picture.Height() <= 0 ||
        picture.CompressionType() != Dib::Rgb) {
        return {};
    }
    const std::span<const std::uint8_t> packed = picture.Packed();
    const std::span<const std::uint8_t> bits = picture.Bits();
    const std::size_t pixelOffset = kPaletteOffset + kPaletteSize;
    const std::size_t bodySize = pixelOffset + bits.size();

    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + bodySize);
    FieldWriter w(out);
    w.Bytes(kSignature.data(), kSignature.size());
    w.Zeros(kResolutionOffset - kSignature.size());
    w.U8(options.resolution);
    w.Zeros(kTransparencyOffset - kResolutionOffset - 1);
    w.U16(options.transparent ? 0 : 1);

    w.U8('B');
    w.U8('M');
    w.U32(std::uint32_t(bodySize));
    w.U16(0);
    w.U16(0);
    w.U32(std::uint32_t(pixelOffset));
    w.U32(kInfoHeaderSize);
    w.I32(picture.Width());
    w.I32(picture.Height());
    w.U16(1);
    w.U16(8);
    w.U32(Dib::Rgb);
    w.U32(std::uint32_t(bits.size()));
    w.I32(PixelsPerMetre(options.resolution));
    w.I32(PixelsPerMetre(options.resolution));
    w.U32(256);
    w.U32(0);
    const std::size_t tableAt = picture.BitsOffset() - kPaletteSize;
    w.Bytes(packed.data() + tableAt, kPaletteSize);
    w.Bytes(bits.data(), bits.size());

    Scramble(std::span<std::uint8_t>(out).subspan(kHeaderSize));
    return out;
}

std::vector<std::uint8_t> EncodeGraphicFile(const QImage& image, const WriteOptions& options) {
    const std::unique_ptr<Dib> dib = QuantiseToPalette(image);
    if (!dib)
        return {};
    return EncodeGraphicFile(*dib, options);
}

bool WriteFileAtomically(const QString& path, const std::vector<std::uint8_t>& bytes,
                         QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
            qint64(bytes.size()) ||
        !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace quenby::wxg
