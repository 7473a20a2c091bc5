#include "support/ByteBuilder.h"

#include <QFile>

namespace quenby::test {

void AppendHeader(ByteBuilder& b, const HeaderFields& h) {
    b.fixed(h.magic, 4).u8(h.version).u16(h.cardType).u16(h.tilesAcross).u16(h.tilesDown);
    b.u8(h.isCard).u8(h.currentPage).u8(h.viewSwitchA).u16(h.gridX).u16(h.gridY).u8(h.snap);
    b.i32(h.originX).i32(h.originY).u16(h.orientation).u8(h.margins).u16(h.paperSize);
    b.u32(h.pageColour).u8(h.foldLines).zeros(49);
}

void AppendRecord(ByteBuilder& b, const RecordFields& r) {
    b.u8(r.kind);
    for (float c : r.corners)
        b.f32(c);
    b.u8(r.page).u8(r.outlineOn).u8(r.outlineWidth).u32(r.outlineColour).u8(r.fillOn);
    b.u32(r.fillColour).u32(r.fillColour2).u8(r.fillStyle).u16(r.gradientAngle);
    b.i32(r.centreX).i32(r.centreY).u8(r.transparentByte).u16(r.groupId).u16(r.groupMember);
    b.fill(45, r.reservedFill);
}

void AppendTextBlock(ByteBuilder& b, const TextFields& t) {
    b.u16(t.alignment);
    b.i32(t.height).i32(0).i32(0).i32(0).i32(t.weight).zeros(8).fixed(t.face, 32);
    b.fixed(t.chars, 500);
    b.u32(t.fillColour).u32(t.fillColour2).u32(0).u16(t.fillStyle).u16(0);  // angle 0
    b.u8(t.outlineOn).u8(t.outlineWidth).u8(1).u8(0).u8(t.shadowOn);  // fill on, not turned
    b.i32(t.shadowDx).i32(t.shadowDy).u32(t.shadowColour).i32(t.centreX).i32(t.centreY);
    b.fill(50, t.reservedFill);
}

namespace {

std::vector<std::uint8_t> Bitmap8Impl(int width, int height, bool core) {
    const int stride = (width + 3) / 4 * 4;
    const int header = core ? 12 : 40;
    const int table = core ? 256 * 3 : 256 * 4;
    ByteBuilder b;
    b.text("BM").u32(std::uint32_t(14 + header + table + stride * height)).u16(0).u16(0);
    b.u32(std::uint32_t(14 + header + table));
    if (core) {
        b.u32(12).u16(std::uint16_t(width)).u16(std::uint16_t(height)).u16(1).u16(8);
    } else {
        b.u32(40).i32(width).i32(height).u16(1).u16(8).u32(0).u32(std::uint32_t(stride * height));
        b.i32(2835).i32(2835).u32(256).u32(0);
    }
    for (int i = 0; i < 256; ++i) {
        b.u8(std::uint8_t(i)).u8(std::uint8_t(i)).u8(std::uint8_t(255 - i));
        if (!core)
            b.u8(0);
    }
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;  // bottom-up
        for (int x = 0; x < stride; ++x)
            b.u8(x < width ? std::uint8_t(x + y) : 0);
    }
    return b.bytes;
}

}  // namespace

std::vector<std::uint8_t> Bitmap8(int width, int height) {
    return Bitmap8Impl(width, height, false);
}
std::vector<std::uint8_t> Bitmap8Core(int width, int height) {
    return Bitmap8Impl(width, height, true);
}

QByteArray ToQByteArray(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

QString WriteFile(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(ToQByteArray(bytes));
    }
    return path;
}

}  // namespace quenby::test
