#pragma once

#include <QRect>

namespace quenby {

struct Document;
class PrinterObject;
struct PrinterCaps;

// The printer's printable area in document units, for the page view's outline of
// the print margins. Built from the current printer settings in portrait terms;
// for a landscape document x and y are exchanged. Empty while the print set-up
// dialog is open, and for a printer that reports no resolution.
QRect PrintableAreaDocUnits(const PrinterObject& printer, const Document& doc, double pixelsPerMm);
// The same from a printer's portrait capabilities (the arithmetic alone).
QRect PrintableAreaDocUnits(const PrinterCaps& portraitCaps, int orientation, double pixelsPerMm);

// The print set-up dialog is open: the outline is not drawn meanwhile.
bool IsPrintSetupOpen();
void SetPrintSetupOpen(bool open);

}  // namespace quenby
