#pragma once

#include "platform/ColourRef.h"
#include "platform/LogFont.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

namespace quenby {

// The text of a Text or CircularText element with its font and letter painting.
struct TextBlock {
    static constexpr std::size_t kCharsSize = 500;  // NUL-terminated: at most 499 characters
    static constexpr std::size_t kReservedSize = 50;

    TextBlock();

    std::uint16_t alignment = 1;  // 1 left, 2 centre, 3 right
    LogFont font;
    std::array<char, kCharsSize> chars{};  // Windows-1252, lines end in CR LF
    ColourRef fillColour = kBlack;
    ColourRef fillColour2 = kBlack;
    ColourRef outlineColour = kBlack;
    std::uint16_t fillStyle = 0;
    std::uint16_t gradientAngle = 0;
    std::uint8_t outlineOn = 0;
    std::uint8_t outlineWidth = 1;
    std::uint8_t fillOn = 1;
    std::uint8_t circleTurned = 0;
    std::uint8_t shadowOn = 0;
    std::int32_t shadowDx = 5;
    std::int32_t shadowDy = 5;
    ColourRef shadowColour = kGrey;
    std::array<std::uint8_t, kReservedSize> reserved{};
    std::int32_t gradientCentreX = 50;
    std::int32_t gradientCentreY = 50;

    QString Text() const;
    void SetText(const QString& text);  // cut to 499 characters

    // A copy carries every field but the reserved bytes.
    TextBlock CopyWithoutReserved() const;
};

}  // namespace quenby
