#pragma once

#include "platform/PrinterSettings.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class QPrinter;

namespace quenby {

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
    void ApplyOrientation(int documentOrientation) {
        settings_.deviceMode.SetDocumentOrientation(documentOrientation);
    }
    // The paper code of the paper table's row; the custom row also carries its size.
    void ApplyPaper(int paperCode, double customWidthMm = 0, double customHeightMm = 0) {
        settings_.deviceMode.SetPaper(paperCode, customWidthMm, customHeightMm);
    }

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
