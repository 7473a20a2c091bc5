#include "properties/ColourReplies.h"

#include "document/Element.h"

namespace quenby {
namespace {

// The field a reply number names, or null.
ColourRef* FieldOf(Element& element, int replyNumber) {
    TextBlock* text = element.text.get();
    switch (replyNumber) {
        case reply::kElementFill:
            return &element.fillColour;
        case reply::kElementFill2:
            return &element.fillColour2;
        case reply::kElementOutline:
            return &element.outlineColour;
        case reply::kTextFill:
            return text ? &text->fillColour : nullptr;
        case reply::kTextFill2:
            return text ? &text->fillColour2 : nullptr;
        case reply::kTextOutline:
            return text ? &text->outlineColour : nullptr;
        case reply::kTextShadow:
            return text ? &text->shadowColour : nullptr;
        default:
            return nullptr;
    }
}

}  // namespace

bool ApplyPickedColour(Element& element, int replyNumber, ColourRef colour) {
    ColourRef* field = FieldOf(element, replyNumber);
    if (!field) {
        return false;
    }
    *field = colour;
    return true;
}

std::optional<ColourRef> ColourOfReply(const Element& element, int replyNumber) {
    // The lookup changes nothing; it shares the table of fields with the writer.
    const ColourRef* field = FieldOf(const_cast<Element&>(element), replyNumber);
    if (!field) {
        return std::nullopt;
    }
    return *field;
}

}  // namespace quenby
