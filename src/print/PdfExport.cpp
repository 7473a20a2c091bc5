#include "print/PdfExport.h"

#include "document/Document.h"
#include "platform/MessageBoxes.h"
#include "platform/PrinterObject.h"
#include "print/PaperLayout.h"
#include "print/PrintCommands.h"
#include "print/PrintLoop.h"
#include "print/SheetLayout.h"
#include "print/StudioPrintout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

namespace quenby {

namespace {

bool PrintSheets(Document& doc, const QString& path, int printerDpi, double screenPixelsPerMm,
                 MessageBoxes& messages) {
    PrinterObject printer;
    printer.SetPdfOutputFile(path);
    ApplyLayoutToPrinter(printer, doc);
    printer.Settings().deviceMode.printQuality = printerDpi > 0 ? printerDpi : 300;

    const QString title = NextJobTitle();
    std::unique_ptr<QPrinter> device = printer.CreateDevice();
    device->setDocName(title);
    const PrinterCaps caps = PrinterObject::CapsOf(*device);

    QPainter painter;
    if (!painter.begin(device.get())) {
        messages.Show(PrintFailureText(title, PrintFailure::General), PrintFailureCaption());
        return false;
    }
    bool firstPage = true;
    auto printSide = [&](bool secondSide) {
        StudioPrintout printout(title, doc, screenPixelsPerMm, secondSide);
        printout.GetDialogInfo(printer);
        for (int page = 1; page <= printer.Settings().maxPage; ++page) {
            if (!firstPage && !device->newPage()) {
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
    painter.end();
    if (!ok || device->printerState() == QPrinter::Error) {
        messages.Show(PrintFailureText(title, PrintFailure::General), PrintFailureCaption());
        return false;
    }
    return true;
}

}  // namespace

bool PrintDocumentToPdf(Document& doc, const QString& path, int printerDpi,
                        double screenPixelsPerMm, MessageBoxes& messages) {
    // The sheets go to a file beside the target, which replaces it only when
    // complete, so a failed print never leaves half a file.
    const QFileInfo target(path);
    QTemporaryFile partial(target.absoluteDir().filePath(QStringLiteral(".quenby-XXXXXX.pdf")));
    if (!partial.open()) {
        messages.Show(PrintFailureText(NextJobTitle(), PrintFailure::General),
                      PrintFailureCaption());
        return false;
    }
    partial.close();
    if (!PrintSheets(doc, partial.fileName(), printerDpi, screenPixelsPerMm, messages)) {
        return false;
    }
    QFile::remove(target.absoluteFilePath());
    if (!QFile::rename(partial.fileName(), target.absoluteFilePath())) {
        messages.Show(PrintFailureText(QStringLiteral("Wexmoor Arts"), PrintFailure::General),
                      PrintFailureCaption());
        return false;
    }
    partial.setAutoRemove(false);
    return true;
}

}  // namespace quenby
