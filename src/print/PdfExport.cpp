#include "print/PdfExport.h"

#include "document/Document.h"
#include "platform/MessageBoxes.h"
#include "platform/PrinterSettings.h"
#include "print/PaperLayout.h"
#include "print/PdfFileOutput.h"
#include "print/PrintFailure.h"
#include "print/SheetLayout.h"
#include "print/StudioPrintout.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace quenby {

namespace {

// The PDF-file printer as the print dialog's "Fichero PDF" writes: the document's
// paper and orientation, no unprintable edge, `printerDpi` dots per inch. A PDF
// writer of Qt Gui does it, so that batch printing needs no widgets.
PrintFailure PrintSheets(const Document& doc, const QString& path, int printerDpi,
                         double screenPixelsPerMm, const QString& title) {
    PrinterSettings settings;
    ApplyDocumentLayout(settings.deviceMode, doc);
    const int dpi = printerDpi > 0 ? printerDpi : 300;

    // The sheets go to a file beside the target, which replaces it only when every byte
    // of it reached the disk, so a failed print never leaves half a file.
    PdfFileOutput output(path, settings.deviceMode.PageLayout(), dpi, title);
    if (!output.Open()) {
        return output.OpenFailure();
    }
    QPagedPaintDevice& sheets = output.Device();
    const PrinterCaps caps = PrinterCaps::Of(sheets.pageLayout(), dpi);
    QPainter painter;
    if (!painter.begin(&sheets)) {
        return PrintFailure::General;
    }
    bool firstPage = true;
    auto printSide = [&](bool secondSide) {
        StudioPrintout printout(title, doc, screenPixelsPerMm, secondSide);
        printout.GetDialogInfo(settings);
        for (int page = 1; page <= settings.maxPage; ++page) {
            if (!firstPage && !sheets.newPage()) {
                return false;
            }
            firstPage = false;
            painter.save();
            printout.PrintPage(page, painter, caps);
            painter.restore();
        }
        return true;
    };
    bool ok = printSide(false);
    if (ok && IsHalfFoldCard(doc)) {
        ok = printSide(true);
    }
    ok = painter.end() && ok;
    if (!ok) {
        return PrintFailure::General;
    }
    return output.Commit();
}

}  // namespace

bool PrintDocumentToPdf(const Document& doc, const QString& path, int printerDpi,
                        double screenPixelsPerMm, MessageBoxes& messages) {
    const QString title = NextJobTitle();
    const PrintFailure failure = PrintSheets(doc, path, printerDpi, screenPixelsPerMm, title);
    if (failure != PrintFailure::None) {
        messages.Show(PrintFailureText(title, failure), PrintFailureCaption());
        return false;
    }
    return true;
}

}  // namespace quenby
