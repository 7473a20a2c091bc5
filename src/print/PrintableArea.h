#pragma once

#include <QRect>

namespace quenby {

struct PrinterCaps;

// The printer's printable area in document units, for the page view's outline of
// the print margins, from a printer's portrait capabilities; for a landscape document
// x and y are exchanged. Empty for a printer that reports no resolution.
QRect PrintableAreaDocUnits(const PrinterCaps& portraitCaps, int orientation, double pixelsPerMm);

// The print set-up dialog is open: the outline is not drawn meanwhile.
bool IsPrintSetupOpen();
void SetPrintSetupOpen(bool open);

}  // namespace quenby
