#include "print/PdfExport.h"

#include "document/Document.h"
#include "platform/MessageBoxes.h"
#include "platform/PrinterSettings.h"
#include "print/PaperLayout.h"
#include "print/PrintFailure.h"
#include "print/SheetLayout.h"
#include "print/StudioPrintout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

namespace quenby {

namespace {

// The PDF-file printer as the print dialog's "Fichero PDF" writes: the document's
// paper and orientation, no unprintable edge, `printerDpi` dots per inch. A PDF
// writer of Qt Gui does it, so that batch printing needs no widgets.
bool PrintSheets(const Document& doc, const QString& path, int printerDpi,
                 double screenPixelsPerMm, MessageBoxes& messages) {
    PrinterSettings settings;
    ApplyDocumentLayout(settings.deviceMode, doc);
    const int dpi = printerDpi > 0 ? printerDpi : 300;

    const QString title = NextJobTitle();
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setResolution(dpi);
    writer.setPageLayout(settings.deviceMode.PageLayout());
    const PrinterCaps caps = PrinterCaps::Of(writer.pageLayout(), writer.resolution());

    QPainter painter;
    if (!painter.begin(&writer)) {
        messages.Show(PrintFailureText(title, PrintFailure::General), PrintFailureCaption());
        return false;
    }
    bool firstPage = true;
    auto printSide = [&](bool secondSide) {
        StudioPrintout printout(title, doc, screenPixelsPerMm, secondSide);
        printout.GetDialogInfo(settings);
        for (int page = 1; page <= settings.maxPage; ++page) {
            if (!firstPage && !writer.newPage()) {
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
        messages.Show(PrintFailureText(title, PrintFailure::General), PrintFailureCaption());
        return false;
    }
    return true;
}

}  // namespace

bool PrintDocumentToPdf(const Document& doc, const QString& path, int printerDpi,
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
