#pragma once

#include "document/ElementList.h"
#include "platform/ColourRef.h"

#include <QString>

#include <cstdint>

namespace quenby {

// Document types.
enum DocumentType : std::uint8_t {
    kNoLayout = 0,  // nothing chosen yet
    kCard = 1,      // four faces
    kPageSet = 2,   // one page printed over tilesAcross × tilesDown sheets
};

inline constexpr int kCardTypeCount = 6;
inline constexpr int kPaperSizeCount = 7;
inline constexpr int kFaceCount = 4;
inline constexpr int kMaxTiles = 10;

// The two envelope papers, DL and C6, rows 4 and 5 of the paper list.
inline bool IsEnvelopePaper(int paperSize) {
    return paperSize == 4 || paperSize == 5;
}

// What the user edits and saves: the page setup and one list of elements, each
// carrying the face it lies on.
struct Document {
    std::uint16_t cardType = 3;
    std::uint16_t tilesAcross = 1;
    std::uint16_t tilesDown = 1;
    std::uint8_t isCard = kNoLayout;
    std::uint8_t currentPage = 0;
    bool viewSwitchA = false;  // dot grid shown over the face
    bool snapToGrid = false;
    std::int32_t gridSpacingX = 5;  // whole millimetres
    std::int32_t gridSpacingY = 5;
    std::int32_t originX = 0;  // ruler and grid origin, document units
    std::int32_t originY = 0;
    std::uint16_t orientation = 0;  // 0 portrait, 1 landscape
    bool showMargins = true;
    std::uint16_t paperSize = 1;  // A4
    ColourRef pageColour = 0;     // made white when the window is set up
    bool printFoldLines = false;
    ElementList elements;
    bool modified = false;
    std::uint16_t lastGroupId = 0;
    QString documentPath;

    // Takes a new group id.
    std::uint16_t NextGroupId() { return ++lastGroupId; }
    void DissolveGroup(std::uint16_t id) { elements.DissolveGroup(id); }

    // Commands 1600..1603: show and edit face `face`, with nothing selected.
    void SelectFace(int face);
    // The card-type dialog's choice: a card of that fold, front face, its orientation.
    void ChooseCardType(int cardTypeRow);

    // A card, or a page on an envelope: one sheet, no tiles across or down.
    bool PrintsOnOneSheet() const { return isCard == kCard || IsEnvelopePaper(paperSize); }

    // The orientation a card of this fold is printed in.
    static std::uint16_t OrientationForCardType(int cardTypeRow);
};

}  // namespace quenby
