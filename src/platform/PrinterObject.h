#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>

class QPrinter;

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
};

// The application's printer: the chosen printer and its settings, and the printer
// devices built from them. The print system's queues (CUPS) are offered together
// with a PDF-file printer, which is always there.
class PrinterObject {
public:
    // Starts on the print system's default queue, or the PDF-file printer.
    PrinterObject();

    PrinterSettings& Settings() { return settings_; }
    const PrinterSettings& Settings() const { return settings_; }

    // Device-mode orientation = document orientation + 1.
    void ApplyOrientation(int documentOrientation);
    // The paper code of the paper table's row; the custom row also carries its size.
    void ApplyPaper(int paperCode, double customWidthMm = 0, double customHeightMm = 0);

    static QString PdfFilePrinterName();
    // The print system's queues, then the PDF-file printer.
    static QStringList PrinterNames();
    // There is always at least the PDF-file printer.
    static bool HasPrinter() { return true; }

    bool IsPdfFilePrinter() const { return settings_.device == PdfFilePrinterName(); }
    void SelectPrinter(const QString& name);
    void SetPdfOutputFile(const QString& path);

    // A printer device made from the settings. Never null.
    std::unique_ptr<QPrinter> CreateDevice() const;
    // Puts the device-mode record's paper and orientation on `device` (after a print
    // dialog, where the document's own win over the dialog's).
    void ApplyModeTo(QPrinter& device) const;
    // Takes over what the user chose in a print dialog on `device`: printer, output
    // file, copies and page range. Orientation and paper stay the document's.
    void ReadBack(const QPrinter& device);

    static PrinterCaps CapsOf(const QPrinter& device);
    // The capabilities of the current printer with the current settings.
    PrinterCaps Caps() const { return CapsFor(settings_.deviceMode.orientation); }
    // The same with the device-mode orientation `orientation` (1 portrait, 2 landscape).
    PrinterCaps CapsFor(int orientation) const;

private:
    PrinterSettings settings_;
    // Building a printer device reads the queue's description; the page view asks
    // for the capabilities at every paint, so the last answer is kept.
    struct CapsCache {
        QString device;
        DeviceMode mode;
        PrinterCaps caps;
        bool valid = false;
    };
    mutable std::array<CapsCache, 2> capsCache_;  // portrait, landscape
};

}  // namespace quenby
