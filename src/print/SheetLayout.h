#pragma once

#include <QLine>
#include <QPoint>
#include <QSize>

#include <vector>

namespace quenby {

struct Document;

// Card faces.
enum Face : int { kFront = 0, kInsideFront = 1, kInsideBack = 2, kBack = 3 };

// Where one face lands on a printed sheet: its own (0, 0) goes to `origin`, measured
// from the sheet's top-left paper corner. A turned face is drawn half a turn about
// `turnCentre`, given in the face's own coordinates.
struct FacePlacement {
    int face = 0;
    QPoint origin;
    bool turned = false;
    QPoint turnCentre;
};

// Which column and row of a page set's canvas one printed page shows.
struct TilePosition {
    int column = 0;
    int row = 0;
};

// True for the two folds that are printed on both sides of the sheet.
bool IsHalfFold(int cardType);
bool IsHalfFoldCard(const Document& doc);

// Pages of one print job: pages across × pages down for a page set, else 1.
int PrintPageCount(const Document& doc);
// Sheets of the preview: a half-fold card shows its two sides as two sheets.
int PreviewSheetCount(const Document& doc);

// The faces of one side of a card on a sheet of `sheet` (same units as the
// placements), in drawing order. The second side of a quarter fold is empty.
std::vector<FacePlacement> CardSidePlacements(int cardType, bool secondSide, QSize sheet);

// Page n (from 1) of a page set runs down the first column, then the next.
TilePosition TileForPage(int pageNumber, int tilesDown);
// The current face placed so that the page's canvas region starts at the sheet corner.
FacePlacement TilePlacement(const Document& doc, int pageNumber, QSize sheet);

// Every face of sheet `sheetNumber` (from 1) as the preview shows it and as the
// printer prints page `sheetNumber` of a page set or the given side of a card.
std::vector<FacePlacement> SheetPlacements(const Document& doc, int pageNumber, bool secondSide,
                                           QSize sheet);

// The dotted fold lines over a sheet of `sheet` dots: a vertical line unless the fold
// is 0, a horizontal one unless it is 1, each a tenth of the sheet short of its edges.
std::vector<QLine> FoldLines(int cardType, QSize sheet);

// Page-set counts from a file or a dialog, brought into 1..10.
int ClampTileCount(int count);

}  // namespace quenby
