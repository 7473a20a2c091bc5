#include "print/StudioPrintout.h"

#include "document/Document.h"
#include "platform/PrinterSettings.h"
#include "print/SheetLayout.h"
#include "print/SheetPainter.h"

#include <QPainter>

#include <utility>

namespace quenby {

QString NextJobTitle() {
    static int jobCounter = 1;  // process-wide: never reset while the program runs
    return QString::asprintf("Wexmoor Arts %02d", jobCounter++);
}

StudioPrintout::StudioPrintout(QString title, const Document& doc, double screenPixelsPerMm,
                               bool secondSide)
    : title_(std::move(title)),
      doc_(doc),
      screenPixelsPerMm_(screenPixelsPerMm),
      secondSide_(secondSide) {}

PrintDialogInfo StudioPrintout::GetDialogInfo(PrinterSettings& settings) const {
    const int count = PrintPageCount(doc_);
    settings.deviceMode.SetDocumentOrientation(doc_.orientation);
    settings.minPage = 1;
    settings.maxPage = count;
    settings.fromPage = 1;
    settings.toPage = count;
    return {1, count, 1, count};
}

bool StudioPrintout::HasPage(const PrinterSettings& settings, int page) const {
    return page >= settings.minPage && page <= settings.maxPage;
}

void StudioPrintout::PrintPage(int page, QPainter& painter, const PrinterCaps& caps) {
    SheetOptions options;
    options.pageNumber = page;
    options.secondSide = secondSide_;
    DrawSheet(doc_, painter, SheetGeometry::ForPrinter(caps, screenPixelsPerMm_), options);
}

}  // namespace quenby
