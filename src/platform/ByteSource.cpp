#include "platform/ByteSource.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace quenby {

std::size_t MemorySource::Read(void* into, std::size_t size) {
    const std::size_t n = std::min<std::size_t>(size, bytes_.size() - position_);
    if (n > 0) {
        std::memcpy(into, bytes_.data() + position_, n);
    }
    position_ += n;
    return n;
}

bool ByteSource::AppendTo(std::vector<std::uint8_t>& out, std::size_t size) {
    if (size > Remaining()) {
        return false;
    }
    const std::size_t at = out.size();
    out.resize(at + size);
    if (Read(out.data() + at, size) != size) {
        out.resize(at);
        return false;
    }
    return true;
}

bool MemorySource::AppendTo(std::vector<std::uint8_t>& out, std::size_t size) {
    if (size > bytes_.size() - position_) {
        return false;
    }
    // Straight from the block, without zero-filling the buffer first.
    out.insert(out.end(), bytes_.begin() + std::ptrdiff_t(position_),
               bytes_.begin() + std::ptrdiff_t(position_ + size));
    position_ += size;
    return true;
}

std::size_t DeviceSource::Read(void* into, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const qint64 n =
            device_.read(static_cast<char*>(into) + done, static_cast<qint64>(size - done));
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

std::uint64_t DeviceSource::Remaining() const {
    const qint64 left = device_.size() - device_.pos();
    return left > 0 ? static_cast<std::uint64_t>(left) : 0;
}

}  // namespace quenby
