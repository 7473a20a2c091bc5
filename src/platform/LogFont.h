#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

class QFont;

namespace quenby {

// The 60-byte logical-font record that documents store with every text:
// five 32-bit fields, eight bytes and a 32-byte Windows-1252 face name.
struct LogFont {
    static constexpr std::size_t kSize = 60;
    static constexpr std::size_t kFaceSize = 32;

    std::int32_t height = 0;  // negative: character height; positive: cell height
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::array<char, kFaceSize> faceName{};  // always NUL-terminated in memory

    QString Face() const;
    void SetFace(const QString& face);  // cut to 31 characters

    // Packed form; `Unpack` ends the face name within its field if the bytes do not.
    void Pack(std::uint8_t* out) const;
    static LogFont Unpack(const std::uint8_t* in);

    friend bool operator==(const LogFont&, const LogFont&) = default;
};

}  // namespace quenby
