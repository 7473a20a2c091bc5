#pragma once

#include <QByteArray>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace quenby {

// Packed little-endian fields, read one by one from a block of bytes. A field that
// does not fit in what is left is not read and leaves its target untouched, so a
// short record keeps the values its fields had before.
class FieldReader {
public:
    explicit FieldReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool U8(std::uint8_t& v) {
        if (!Fits(1))
            return false;
        v = bytes_[pos_++];
        return true;
    }
    bool U16(std::uint16_t& v) {
        if (!Fits(2))
            return false;
        v = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }
    bool U32(std::uint32_t& v) {
        if (!Fits(4))
            return false;
        v = std::uint32_t(bytes_[pos_]) | (std::uint32_t(bytes_[pos_ + 1]) << 8) |
            (std::uint32_t(bytes_[pos_ + 2]) << 16) | (std::uint32_t(bytes_[pos_ + 3]) << 24);
        pos_ += 4;
        return true;
    }
    bool I16(std::int16_t& v) {
        std::uint16_t u = 0;
        if (!U16(u))
            return false;
        v = static_cast<std::int16_t>(u);
        return true;
    }
    bool I32(std::int32_t& v) {
        std::uint32_t u = 0;
        if (!U32(u))
            return false;
        v = static_cast<std::int32_t>(u);
        return true;
    }
    bool F32(float& v) {
        std::uint32_t u = 0;
        if (!U32(u))
            return false;
        v = std::bit_cast<float>(u);
        return true;
    }
    bool Bytes(void* into, std::size_t n) {
        if (!Fits(n))
            return false;
        std::memcpy(into, bytes_.data() + pos_, n);
        pos_ += n;
        return true;
    }
    bool Skip(std::size_t n) {
        if (!Fits(n))
            return false;
        pos_ += n;
        return true;
    }
    std::size_t Position() const { return pos_; }
    std::size_t Left() const { return bytes_.size() - pos_; }

private:
    bool Fits(std::size_t n) const { return bytes_.size() - pos_ >= n; }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// Appends packed little-endian fields to a byte buffer.
class FieldWriter {
public:
    explicit FieldWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void U8(std::uint8_t v) { out_.push_back(v); }
    void U16(std::uint16_t v) {
        out_.push_back(static_cast<std::uint8_t>(v));
        out_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) {
            out_.push_back(static_cast<std::uint8_t>(v >> shift));
        }
    }
    void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void F32(float v) { U32(std::bit_cast<std::uint32_t>(v)); }
    void Bytes(const void* data, std::size_t n) {
        const auto* p = static_cast<const std::uint8_t*>(data);
        out_.insert(out_.end(), p, p + n);
    }
    void Zeros(std::size_t n) { out_.insert(out_.end(), n, 0); }

private:
    std::vector<std::uint8_t>& out_;
};

}  // namespace quenby
