#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class QIODevice;

namespace quenby {

// Where a reader takes its bytes from: a file or a block of memory. Readers ask
// how much is left before they allocate, so a bad length in a file can never make
// them reserve more than the file holds.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Reads up to `size` bytes; returns how many arrived (fewer only at the end).
    virtual std::size_t Read(void* into, std::size_t size) = 0;

    // Bytes between the read position and the end.
    virtual std::uint64_t Remaining() const = 0;

    // Appends exactly `size` bytes to `out`; false (and `out` as it was) when fewer
    // are left.
    virtual bool AppendTo(std::vector<std::uint8_t>& out, std::size_t size);
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Read(void* into, std::size_t size) override;
    std::uint64_t Remaining() const override { return bytes_.size() - position_; }
    bool AppendTo(std::vector<std::uint8_t>& out, std::size_t size) override;
    std::size_t Position() const { return position_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

// Reads from an open device (a QFile in practice); does not own it.
class DeviceSource final : public ByteSource {
public:
    explicit DeviceSource(QIODevice& device) : device_(device) {}

    std::size_t Read(void* into, std::size_t size) override;
    std::uint64_t Remaining() const override;

private:
    QIODevice& device_;
};

}  // namespace quenby
