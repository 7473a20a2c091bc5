#include "print/PdfExport.h"

#include "document/Document.h"
#include "platform/MessageBoxes.h"
#include "platform/PrinterObject.h"
#include "print/PaperLayout.h"
#include "print/PdfFileOutput.h"
#include "print/PrintCommands.h"
#include "print/PrintLoop.h"
#include "print/SheetLayout.h"
#include "print/StudioPrintout.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <memory>

namespace quenby {

namespace {

PrintFailure PrintSheets(Document& doc, const QString& path, int printerDpi,
                         double screenPixelsPerMm, const QString& title) {
    PrinterObject printer;
    printer.SetPdfOutputFile(path);
    ApplyLayoutToPrinter(printer, doc);
    printer.Settings().deviceMode.printQuality = printerDpi > 0 ? printerDpi : 300;
    std::unique_ptr<QPrinter> device = printer.CreateDevice();
    device->setDocName(title);
    const PrinterCaps caps = PrinterObject::CapsOf(*device);

    // The sheets go to a file beside the target, which replaces it only when every byte
    // of it reached the disk, so a failed print never leaves half a file.
    PdfFileOutput output(*device);
    if (!output.Open()) {
        return output.OpenFailure();
    }
    QPagedPaintDevice& sheets = output.Device();
    QPainter painter;
    if (!painter.begin(&sheets)) {
        return PrintFailure::General;
    }
    bool firstPage = true;
    auto printSide = [&](bool secondSide) {
        StudioPrintout printout(title, doc, screenPixelsPerMm, secondSide);
        printout.GetDialogInfo(printer);
        for (int page = 1; page <= printer.Settings().maxPage; ++page) {
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

bool PrintDocumentToPdf(Document& doc, const QString& path, int printerDpi,
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
