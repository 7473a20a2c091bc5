#pragma once

#include <QString>

class QPainter;

namespace quenby {

struct Document;
struct PrinterCaps;
struct PrinterSettings;

// The pages the print dialog offers.
struct PrintDialogInfo {
    int minPage = 1;
    int maxPage = 1;
    int fromPage = 1;
    int toPage = 1;
};

// One print job of the open document: its title, which side of a half-fold card it
// prints, and the page operations the printing loop calls.
class StudioPrintout {
public:
    StudioPrintout(QString title, const Document& doc, double screenPixelsPerMm,
                   bool secondSide = false);

    const QString& Title() const { return title_; }
    bool IsSecondSide() const { return secondSide_; }

    // Pages 1 to the page count; also written into the settings' page range, with
    // the document's orientation.
    PrintDialogInfo GetDialogInfo(PrinterSettings& settings) const;
    // Between the settings' lowest and highest page, both included.
    bool HasPage(const PrinterSettings& settings, int page) const;
    // Draws page `page` on a printer whose painter starts at the printable area.
    void PrintPage(int page, QPainter& painter, const PrinterCaps& caps);

private:
    QString title_;
    const Document& doc_;
    double screenPixelsPerMm_;
    bool secondSide_;
};

// "Wexmoor Arts %02d" with the process-wide job counter, which then grows by one;
// the first job of a run is 01.
QString NextJobTitle();

}  // namespace quenby
