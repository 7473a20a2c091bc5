#include "document/Document.h"

namespace quenby {

void Document::SelectFace(int face) {
    if (face < 0 || face >= kFaceCount) {
        return;
    }
    currentPage = std::uint8_t(face);
    elements.DeselectAll();
}

std::uint16_t Document::OrientationForCardType(int cardTypeRow) {
    return (cardTypeRow == 0 || cardTypeRow == 4 || cardTypeRow == 5) ? 0 : 1;
}

void Document::ChooseCardType(int cardTypeRow) {
    if (cardTypeRow < 0 || cardTypeRow >= kCardTypeCount) {
        return;
    }
    isCard = kCard;
    currentPage = 0;
    cardType = std::uint16_t(cardTypeRow);
    orientation = OrientationForCardType(cardTypeRow);
    tilesAcross = 1;
    tilesDown = 1;
}

}  // namespace quenby
