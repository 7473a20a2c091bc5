#pragma once

#include <QByteArray>
#include <QString>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace quenby::test {

// Builds files byte by byte, little-endian, independent of the program's writers,
// so tests check the readers against the byte tables themselves.
class ByteBuilder {
public:
    ByteBuilder& u8(std::uint8_t v) {
        bytes.push_back(v);
        return *this;
    }
    ByteBuilder& u16(std::uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }
    ByteBuilder& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    ByteBuilder& i32(std::int32_t v) { return u32(std::uint32_t(v)); }
    ByteBuilder& f32(float v) { return u32(std::bit_cast<std::uint32_t>(v)); }
    ByteBuilder& text(const std::string& s) {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    // `s` padded with zeros to `size` bytes (or cut to it).
    ByteBuilder& fixed(const std::string& s, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i)
            u8(i < s.size() ? std::uint8_t(s[i]) : 0);
        return *this;
    }
    ByteBuilder& zeros(std::size_t n) {
        bytes.insert(bytes.end(), n, 0);
        return *this;
    }
    ByteBuilder& fill(std::size_t n, std::uint8_t v) {
        bytes.insert(bytes.end(), n, v);
        return *this;
    }
    ByteBuilder& append(const std::vector<std::uint8_t>& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
    std::size_t size() const { return bytes.size(); }

    std::vector<std::uint8_t> bytes;
};

// Header fields of a document file, with the values of a new document.
struct HeaderFields {
    std::string magic = "WXQU";
    std::uint8_t version = 1;
    std::uint16_t cardType = 3, tilesAcross = 1, tilesDown = 1;
    std::uint8_t isCard = 0, currentPage = 0, viewSwitchA = 0;
    std::uint16_t gridX = 5, gridY = 5;
    std::uint8_t snap = 0;
    std::int32_t originX = 0, originY = 0;
    std::uint16_t orientation = 0;
    std::uint8_t margins = 1;
    std::uint16_t paperSize = 1;
    std::uint32_t pageColour = 0xFFFFFF;
    std::uint8_t foldLines = 0;
};

void AppendHeader(ByteBuilder& b, const HeaderFields& h);

// An element record (110 bytes) with the given kind and corners, other fields as
// a blank element with `transparentByte` in byte 60.
struct RecordFields {
    std::uint8_t kind = 2;
    float corners[8] = {0, 0, 100, 0, 100, 50, 0, 50};
    std::uint8_t page = 0, outlineOn = 1, outlineWidth = 1;
    std::uint32_t outlineColour = 0;
    std::uint8_t fillOn = 0;
    std::uint32_t fillColour = 0, fillColour2 = 0xFFFFFF;
    std::uint8_t fillStyle = 0;
    std::uint16_t gradientAngle = 0;
    std::int32_t centreX = 50, centreY = 50;
    std::uint8_t transparentByte = 1;
    std::uint16_t groupId = 0, groupMember = 0;
    std::uint8_t reservedFill = 0;
};

void AppendRecord(ByteBuilder& b, const RecordFields& r);

// A 653-byte text block.
struct TextFields {
    std::uint16_t alignment = 1;
    std::int32_t height = 136, weight = 400;
    std::string face = "RavelockWizard";
    std::string chars = "Hola";
    std::uint32_t fillColour = 0, fillColour2 = 0;
    std::uint16_t fillStyle = 0;
    std::uint8_t outlineOn = 0, outlineWidth = 1;
    std::uint8_t shadowOn = 0;
    std::int32_t shadowDx = 5, shadowDy = 5;
    std::uint32_t shadowColour = 0x808080;
    std::int32_t centreX = 50, centreY = 50;
    std::uint8_t reservedFill = 0;
};

void AppendTextBlock(ByteBuilder& b, const TextFields& t);

// A complete 8-bit bitmap file image with a 256-entry grey palette, bottom-up rows,
// pixel (x, y) = x + y.
std::vector<std::uint8_t> Bitmap8(int width, int height);
// The same picture with the older 12-byte header and 3-byte palette entries.
std::vector<std::uint8_t> Bitmap8Core(int width, int height);

QByteArray ToQByteArray(const std::vector<std::uint8_t>& bytes);
// Writes the bytes to a file; returns its path.
QString WriteFile(const QString& path, const std::vector<std::uint8_t>& bytes);

}  // namespace quenby::test
