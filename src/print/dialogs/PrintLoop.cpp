#include "print/dialogs/PrintLoop.h"

#include "platform/MessageBoxes.h"
#include "platform/widgets/PrinterObject.h"
#include "print/PdfFileOutput.h"
#include "print/StudioPrintout.h"
#include "print/dialogs/PrintProgressDialog.h"

#include <QApplication>
#include <QPagedPaintDevice>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStorageInfo>

#include <algorithm>
#include <memory>

namespace quenby {
namespace {

// A PDF file that cannot be written is most often a full disk; anything else the
// device does not explain.
PrintFailure StartFailure(const QPrinter& device) {
    if (device.outputFormat() == QPrinter::PdfFormat) {
        const QStorageInfo storage(QFileInfo(device.outputFileName()).absolutePath());
        if (storage.isValid() && storage.bytesAvailable() == 0) {
            return PrintFailure::OutOfDisk;
        }
    }
    return PrintFailure::General;
}

PrintFailure Report(PrintFailure failure, const QString& title, MessageBoxes& messages) {
    messages.Show(PrintFailureText(title, failure), PrintFailureCaption(), MessageButtons::Ok,
                  MessageIcon::Exclamation);
    return failure;
}

}  // namespace

bool WidgetPrintDialogs::Run(QPrinter& device, bool setupMode, const PrintDialogInfo& pages) {
    QPrintDialog dialog(&device, parent_);
    if (setupMode) {
        dialog.setWindowTitle(QStringLiteral("Configuración de impresión"));
        dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    } else {
        dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile |
                          QAbstractPrintDialog::PrintShowPageSize);
        dialog.setMinMax(pages.minPage, pages.maxPage);
        device.setFromTo(pages.fromPage, pages.toPage);
    }
    return dialog.exec() == QDialog::Accepted;
}

PrintFailure RunPrintout(PrinterObject& printer, StudioPrintout& printout, PrintDialogs& dialogs,
                         MessageBoxes& messages, const PrintLoopOptions& options) {
    const PrintDialogInfo pages = printout.GetDialogInfo(printer.Settings());
    std::unique_ptr<QPrinter> device = printer.CreateDevice();
    device->setDocName(printout.Title());
    device->setPrintRange(QPrinter::AllPages);
    if (options.prompt && !dialogs.Run(*device, false, pages)) {
        return PrintFailure::NotStarted;
    }
    printer.ReadBack(*device);
    // The document's paper and orientation win over the dialog's.
    printer.ApplyModeTo(*device);
    device->setDocName(printout.Title());

    PrinterSettings& settings = printer.Settings();
    const int first = std::max(settings.fromPage, pages.minPage);
    const int last = std::min(settings.toPage < 1 ? pages.maxPage : settings.toPage, pages.maxPage);
    const PrinterCaps caps = PrinterObject::CapsOf(*device);

    std::unique_ptr<PrintProgressDialog> progress;
    if (options.showProgress && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        progress = std::make_unique<PrintProgressDialog>(printout.Title(), settings.device,
                                                         settings.port, options.parent);
        progress->show();
        QCoreApplication::processEvents();
    }

    // The PDF-file printer's file is written beside the chosen one and replaces it only
    // when complete; a print queue gets the printer device itself.
    std::unique_ptr<PdfFileOutput> pdf;
    if (device->outputFormat() == QPrinter::PdfFormat) {
        pdf = std::make_unique<PdfFileOutput>(device->outputFileName(), device->pageLayout(),
                                              device->resolution(), device->docName());
        if (!pdf->Open()) {
            progress.reset();
            return Report(pdf->OpenFailure(), printout.Title(), messages);
        }
    }
    QPagedPaintDevice& sheets = pdf ? pdf->Device() : static_cast<QPagedPaintDevice&>(*device);
    QPainter painter;
    if (!painter.begin(&sheets)) {
        progress.reset();
        return Report(pdf ? PrintFailure::General : StartFailure(*device), printout.Title(),
                      messages);
    }
    bool firstPage = true;
    PrintFailure failure = PrintFailure::None;
    for (int page = first; page <= last; ++page) {
        if (!printout.HasPage(settings, page)) {
            continue;
        }
        if (!firstPage && !sheets.newPage()) {
            failure = PrintFailure::General;
            break;
        }
        firstPage = false;
        painter.save();
        printout.PrintPage(page, painter, caps);
        painter.restore();
        if (progress) {
            QCoreApplication::processEvents();
            if (progress->CancelRequested()) {
                failure = PrintFailure::Cancelled;
                break;
            }
        }
    }
    if (failure == PrintFailure::Cancelled && !pdf) {
        device->abort();
    }
    const bool ended = painter.end();
    if (failure == PrintFailure::None && !pdf) {
        if (device->printerState() == QPrinter::Error) {
            failure = PrintFailure::General;
        } else if (device->printerState() == QPrinter::Aborted) {
            failure = PrintFailure::SpoolerAborted;
        }
    }
    if (failure == PrintFailure::None && pdf) {
        // A cancelled or failed job leaves the chosen file as it was (the output's
        // destructor removes what was written).
        failure = ended ? pdf->Commit() : PrintFailure::General;
    }
    progress.reset();
    if (failure != PrintFailure::None) {
        return Report(failure, printout.Title(), messages);
    }
    return PrintFailure::None;
}

}  // namespace quenby
