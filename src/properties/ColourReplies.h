#pragma once

#include "platform/ColourRef.h"

#include <optional>

namespace quenby {

struct Element;

// The reply numbers the property dialogs give the colour picker: each names the
// colour field of the working copy that the chosen colour goes into.
namespace reply {
inline constexpr int kElementFill = 19722;     // Element fillColour
inline constexpr int kTextFill = 19723;        // TextBlock fillColour
inline constexpr int kElementFill2 = 19724;    // Element fillColour2
inline constexpr int kTextFill2 = 19725;       // TextBlock fillColour2
inline constexpr int kElementOutline = 19726;  // Element outlineColour
inline constexpr int kTextOutline = 19727;     // TextBlock outlineColour
inline constexpr int kTextShadow = 19728;      // TextBlock shadowColour
}  // namespace reply

// Writes a colour the picker chose into the field its reply number names. False (and
// nothing written) for an unknown number or a text field of an element without text.
bool ApplyPickedColour(Element& element, int replyNumber, ColourRef colour);

// The colour the field of a reply number holds now.
std::optional<ColourRef> ColourOfReply(const Element& element, int replyNumber);

}  // namespace quenby
