#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QString>

#include <cstdint>

namespace quenby {

// The part of the printer's device-mode record the program keeps: orientation and
// paper number as the printer subsystem numbers them, and the print quality.
struct DeviceMode {
    std::int16_t orientation = 1;  // 1 portrait, 2 landscape
    std::int16_t paperSize = 9;    // standard paper number; 9 is A4
    // A size of the program's own (the custom paper); 0 × 0 takes the size of the
    // paper number.
    double paperWidthMm = 0;
    double paperHeightMm = 0;
    int printQuality = 0;  // dots per inch; 0 leaves the printer's own

    // Device-mode orientation = document orientation (0 portrait, 1 landscape) + 1.
    void SetDocumentOrientation(int documentOrientation);
    // A standard paper number; a size of its own for the custom paper.
    void SetPaper(int paperCode, double customWidthMm = 0, double customHeightMm = 0);

    // The sheet as a page layout: paper, orientation and the given margins.
    QPageLayout PageLayout(const QMarginsF& marginsMm = {}) const;
};

inline constexpr std::uint32_t kPrintSetupFlag = 0x40;

// The printer settings record shared by printing and preview.
struct PrinterSettings {
    std::uint32_t flags = 0;
    int fromPage = -1;
    int toPage = -1;
    int minPage = -1;
    int maxPage = -1;
    int copies = 1;
    QString driver;
    QString device;
    QString port;  // the output file for the PDF-file printer
    DeviceMode deviceMode;
};

// What a printer reports of itself, in printer dots.
struct PrinterCaps {
    int dpiX = 0;
    int dpiY = 0;
    int printableWidth = 0;  // width and height of the printable area
    int printableHeight = 0;
    int physicalWidth = 0;  // the whole sheet
    int physicalHeight = 0;
    int offsetX = 0;  // where the printable area starts on the sheet
    int offsetY = 0;

    // A printer that reports no resolution or no size gets an empty page.
    bool IsUsable() const {
        return dpiX > 0 && dpiY > 0 && physicalWidth > 0 && physicalHeight > 0 &&
               printableWidth > 0 && printableHeight > 0;
    }

    // What a device with this page layout reports at `dpi` dots per inch.
    static PrinterCaps Of(const QPageLayout& layout, int dpi);
};

}  // namespace quenby
