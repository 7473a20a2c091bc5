#pragma once

#include "document/DocPoint.h"
#include "document/ElementKind.h"
#include "document/TextBlock.h"
#include "platform/ColourRef.h"
#include "platform/Dib.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace quenby {

// One thing on a face: a box, ellipse, line, picture, text or circular text.
// Owned by an element list; made and copied by the operations in ElementOperations.h.
struct Element {
    static constexpr std::size_t kReservedSize = 45;

    std::array<std::uint32_t, 2> scratch{};  // working words of the editing code; never stored
    ElementKind kind = ElementKind::Line;
    // Around the outline; a line uses 0 and 1. A circular text keeps all four on one
    // horizontal line: 0 the centre, 2 on the circle, 1 between them, 3 mirrors 1.
    std::array<DocPoint, 4> corners{};
    std::uint8_t page = 0;  // face 0..3
    std::unique_ptr<Dib> picture;
    std::uint8_t outlineOn = 1;
    std::uint8_t outlineWidth = 1;
    ColourRef outlineColour = kBlack;
    std::uint8_t fillOn = 0;
    ColourRef fillColour = kBlack;
    ColourRef fillColour2 = kWhite;
    std::uint8_t fillStyle = kSingleColour;
    std::uint16_t gradientAngle = 0;
    std::int32_t gradientCentreX = 50;  // percent of the bounding box
    std::int32_t gradientCentreY = 50;
    std::unique_ptr<TextBlock> text;
    std::uint8_t selected = 1;
    std::uint8_t transparent = 0;   // palette index 255 left out when drawing the picture
    std::uint16_t groupId = 0;      // nonzero: leads this group
    std::uint16_t groupMember = 0;  // nonzero: follows the group with this id
    std::array<std::uint8_t, kReservedSize> reserved{};
    std::uint8_t halfTurned = 0;  // toggled by every rotation

    bool IsFollower() const { return groupMember != 0; }
    bool IsLeader() const { return groupId != 0; }
};

using ElementPtr = std::unique_ptr<Element>;

}  // namespace quenby
