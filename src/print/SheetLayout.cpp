#include "print/SheetLayout.h"

#include "document/Document.h"

#include <algorithm>

namespace quenby {

bool IsHalfFold(int cardType) {
    return cardType == 0 || cardType == 1;
}

bool IsHalfFoldCard(const Document& doc) {
    return doc.isCard == kCard && IsHalfFold(doc.cardType);
}

int ClampTileCount(int count) {
    return std::clamp(count, 1, kMaxTiles);
}

int PrintPageCount(const Document& doc) {
    if (doc.isCard == kPageSet) {
        return ClampTileCount(doc.tilesAcross) * ClampTileCount(doc.tilesDown);
    }
    return 1;
}

int PreviewSheetCount(const Document& doc) {
    if (doc.isCard == kPageSet) {
        return PrintPageCount(doc);
    }
    return IsHalfFoldCard(doc) ? 2 : 1;
}

std::vector<FacePlacement> CardSidePlacements(int cardType, bool secondSide, QSize sheet) {
    const int w = sheet.width();
    const int h = sheet.height();
    const QPoint halfCentre(w / 2, h / 4);     // a face of fold 0: w × h/2
    const QPoint quarterCentre(w / 4, h / 4);  // a quarter face: w/2 × h/2
    switch (cardType) {
        case 0:
            if (secondSide) {
                return {{kInsideFront, {0, 0}, false, {}}, {kInsideBack, {0, h / 2}, false, {}}};
            }
            return {{kBack, {0, 0}, true, halfCentre}, {kFront, {0, h / 2}, false, {}}};
        case 1:
            if (secondSide) {
                return {{kInsideFront, {0, 0}, false, {}}, {kInsideBack, {w / 2, 0}, false, {}}};
            }
            return {{kBack, {0, 0}, false, {}}, {kFront, {w / 2, 0}, false, {}}};
        case 2:
        case 4:
            if (secondSide) {
                return {};
            }
            return {{kFront, {w / 2, h / 2}, false, {}},
                    {kInsideFront, {w / 2, 0}, true, quarterCentre},
                    {kInsideBack, {0, 0}, true, quarterCentre},
                    {kBack, {0, h / 2}, false, {}}};
        case 3:
        case 5:
            if (secondSide) {
                return {};
            }
            return {{kFront, {w / 2, h / 2}, false, {}},
                    {kInsideFront, {0, h / 2}, true, quarterCentre},
                    {kInsideBack, {0, 0}, true, quarterCentre},
                    {kBack, {w / 2, 0}, true, quarterCentre}};
        default:
            return {};
    }
}

TilePosition TileForPage(int pageNumber, int tilesDown) {
    const int down = ClampTileCount(tilesDown);
    const int index = std::max(pageNumber, 1) - 1;
    return {index / down, index % down};
}

FacePlacement TilePlacement(const Document& doc, int pageNumber, QSize sheet) {
    const TilePosition tile = TileForPage(pageNumber, doc.tilesDown);
    return {doc.currentPage, {-tile.column * sheet.width(), -tile.row * sheet.height()}, false, {}};
}

std::vector<FacePlacement> SheetPlacements(const Document& doc, int pageNumber, bool secondSide,
                                           QSize sheet) {
    if (doc.isCard == kCard) {
        return CardSidePlacements(doc.cardType, secondSide, sheet);
    }
    if (doc.isCard == kPageSet) {
        return {TilePlacement(doc, pageNumber, sheet)};
    }
    return {};
}

std::vector<QLine> FoldLines(int cardType, QSize sheet) {
    const int w = sheet.width();
    const int h = sheet.height();
    std::vector<QLine> lines;
    if (cardType != 0) {
        lines.emplace_back(w / 2, h / 10, w / 2, h - h / 10);
    }
    if (cardType != 1) {
        lines.emplace_back(w / 10, h / 2, w - w / 10, h / 2);
    }
    return lines;
}

}  // namespace quenby
