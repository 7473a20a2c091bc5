#include "platform/LogFont.h"

#include "platform/LittleEndian.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

namespace quenby {

QString LogFont::Face() const {
    return FromWindows1252(faceName.data(), faceName.size());
}

void LogFont::SetFace(const QString& face) {
    StoreWindows1252(face, faceName.data(), faceName.size());
}

void LogFont::Pack(std::uint8_t* out) const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kSize);
    FieldWriter w(bytes);
    w.I32(height);
    w.I32(width);
    w.I32(escapement);
    w.I32(orientation);
    w.I32(weight);
    for (std::uint8_t b : {italic, underline, strikeOut, charSet, outPrecision, clipPrecision,
                           quality, pitchAndFamily}) {
        w.U8(b);
    }
    w.Bytes(faceName.data(), kFaceSize);
    std::memcpy(out, bytes.data(), kSize);
}

LogFont LogFont::Unpack(const std::uint8_t* in) {
    LogFont f;
    FieldReader r(std::span<const std::uint8_t>(in, kSize));
    r.I32(f.height);
    r.I32(f.width);
    r.I32(f.escapement);
    r.I32(f.orientation);
    r.I32(f.weight);
    for (std::uint8_t* b : {&f.italic, &f.underline, &f.strikeOut, &f.charSet, &f.outPrecision,
                            &f.clipPrecision, &f.quality, &f.pitchAndFamily}) {
        r.U8(*b);
    }
    r.Bytes(f.faceName.data(), kFaceSize);
    if (std::memchr(f.faceName.data(), 0, kFaceSize) == nullptr) {
        f.faceName.back() = 0;  // a name without its end is cut at the field
    }
    return f;
}

}  // namespace quenby
