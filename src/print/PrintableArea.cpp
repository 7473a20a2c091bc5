#include "print/PrintableArea.h"

#include "platform/PrinterSettings.h"

#include <cmath>
#include <utility>

namespace quenby {
namespace {

bool printSetupOpen = false;  // process-wide, as the print set-up dialog is

int ToDocUnits(int dots, double dotsPerMm, double unitsPerMm) {
    return static_cast<int>(std::lround(dots / dotsPerMm * unitsPerMm));
}

}  // namespace

bool IsPrintSetupOpen() {
    return printSetupOpen;
}
void SetPrintSetupOpen(bool open) {
    printSetupOpen = open;
}

QRect PrintableAreaDocUnits(const PrinterCaps& caps, int orientation, double pixelsPerMm) {
    if (caps.dpiX <= 0 || caps.dpiY <= 0 || !(pixelsPerMm > 0)) {
        return {};
    }
    const double unitsPerMm = 4.0 * pixelsPerMm;
    const double xDotsPerMm = caps.dpiX / 25.4;
    const double yDotsPerMm = caps.dpiY / 25.4;
    int left = ToDocUnits(caps.offsetX, xDotsPerMm, unitsPerMm);
    int top = ToDocUnits(caps.offsetY, yDotsPerMm, unitsPerMm);
    int right = ToDocUnits(caps.offsetX + caps.printableWidth, xDotsPerMm, unitsPerMm);
    int bottom = ToDocUnits(caps.offsetY + caps.printableHeight, yDotsPerMm, unitsPerMm);
    if (orientation == 1) {
        std::swap(left, top);
        std::swap(right, bottom);
    }
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

}  // namespace quenby
