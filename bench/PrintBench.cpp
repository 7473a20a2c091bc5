// Printing an A4 quarter-fold card whose four faces are the busy face: to a PDF
// file at 300 and 600 dots per inch (time and file size) and one repaint of its
// preview, each beside drawing the same sheet into an image of the same size.
#include "BusyFace.h"

#include "platform/MessageBoxes.h"
#include "platform/widgets/PrinterObject.h"
#include "print/PdfExport.h"
#include "print/SheetPainter.h"
#include "print/dialogs/PreviewFrame.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace quenby {
namespace {

constexpr double kScreenPixelsPerMm = 96 / 25.4;

struct BusyCard {
    BusyCard() { bench::BuildBusyCard(doc); }
    Document doc;
};

// A4 at `dpi` with no unprintable edge, as the PDF-file printer reports it.
SheetGeometry A4Sheet(int dpi) {
    PrinterCaps caps;
    caps.dpiX = caps.dpiY = dpi;
    caps.physicalWidth = caps.printableWidth = int(210 / 25.4 * dpi);
    caps.physicalHeight = caps.printableHeight = int(297 / 25.4 * dpi);
    return SheetGeometry::ForPrinter(caps, kScreenPixelsPerMm);
}

void BM_QuarterCardToPdf(benchmark::State& state) {
    BusyCard card;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("card.pdf"));
    SilentMessageBoxes messages;
    for (auto _ : state) {
        if (!PrintDocumentToPdf(card.doc, path, int(state.range(0)), kScreenPixelsPerMm,
                                messages)) {
            state.SkipWithError("printing failed");
            break;
        }
    }
    state.counters["pdf_bytes"] = double(QFileInfo(path).size());
    // The drawing zoom the print job computes for this resolution (625 at 600 dpi).
    state.counters["zoom"] = A4Sheet(int(state.range(0))).zoomPercent;
}
BENCHMARK(BM_QuarterCardToPdf)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_QuarterCardToImage(benchmark::State& state) {
    BusyCard card;
    const SheetGeometry sheet = A4Sheet(int(state.range(0)));
    QImage image(sheet.sheet, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawSheet(card.doc, painter, sheet, {});
    }
    state.counters["image_bytes"] = double(image.sizeInBytes());
}
BENCHMARK(BM_QuarterCardToImage)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(2);

// One repaint of the preview's sheet window at a usual window size.
void BM_QuarterCardPreviewRepaint(benchmark::State& state) {
    BusyCard card;
    QTemporaryDir dir;
    PrinterObject printer;
    printer.SetPdfOutputFile(dir.filePath(QStringLiteral("unused.pdf")));
    PreviewFrame frame(card.doc, printer, kScreenPixelsPerMm);
    frame.resize(1000, 800);
    frame.show();
    QCoreApplication::processEvents();
    QImage image(frame.Page()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        frame.Page()->render(&image);
    }
    state.counters["width"] = image.width();
}
BENCHMARK(BM_QuarterCardPreviewRepaint)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_QuarterCardPreviewSizedImage(benchmark::State& state) {
    BusyCard card;
    QTemporaryDir dir;
    PrinterObject printer;
    printer.SetPdfOutputFile(dir.filePath(QStringLiteral("unused.pdf")));
    const QRect r = PreviewPageRect({1000, 800 - 42}, {2480, 3508});
    SheetGeometry sheet;
    sheet.sheet = sheet.printable = r.size();
    sheet.zoomPercent = DrawingZoom(r.width() / 210.0, kScreenPixelsPerMm);
    QImage image(r.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawSheet(card.doc, painter, sheet, {});
    }
    state.counters["width"] = image.width();
}
BENCHMARK(BM_QuarterCardPreviewSizedImage)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace quenby
