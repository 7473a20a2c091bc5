// Feeds arbitrary bytes to the graphic file reader. A picture it accepts must be a
// complete 8-bit bitmap whose rows can be drawn, and writing it again must give a
// file that reads back to the same pixels.
#include "FuzzTarget.h"

#include "graphics/GraphicFile.h"
#include "graphics/GraphicFileWriter.h"
#include "platform/ByteSource.h"
#include "platform/Dib.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace quenby::fuzz {

int WxgReader(const std::uint8_t* data, std::size_t size) {
    MemorySource source(std::span<const std::uint8_t>(data, size));
    const wxg::ReadResult r = wxg::ReadGraphicFile(source);
    if (!r.picture) {
        return 0;
    }
    const Dib& dib = *r.picture;
    if (dib.BitCount() != 8 || dib.ColourCount() != 256 || dib.Height() <= 0 ||
        dib.Bits().size() != dib.Stride() * std::size_t(dib.Height())) {
        std::abort();
    }
    // Keep the costly checks to pictures of a sensible size.
    if (std::size_t(dib.Width()) * std::size_t(dib.Height()) > (1u << 20)) {
        return 0;
    }
    if (dib.ToImage().isNull()) {
        std::abort();
    }
    const std::vector<std::uint8_t> again =
        wxg::EncodeGraphicFile(dib, {r.transparent != 0, std::uint8_t(r.resolution)});
    MemorySource second(again);
    const wxg::ReadResult back = wxg::ReadGraphicFile(second);
    if (!back.picture || back.transparent != r.transparent || back.resolution != r.resolution ||
        !std::equal(back.picture->Packed().begin(), back.picture->Packed().end(),
                    dib.Packed().begin(), dib.Packed().end())) {
        std::abort();
    }
    return 0;
}

}  // namespace quenby::fuzz
