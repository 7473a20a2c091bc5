// Feeds arbitrary bytes to the document reader and sends whatever it accepts down
// the whole drawing path: every face at a few zooms into a small picture, the printed
// sheets of a 600-dpi printer, and the bounds, handles and hit tests of every element.
// Whatever a file holds, this must end in bounded time and memory without a fault.
#include "FuzzTarget.h"

#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/ElementDrawing.h"
#include "document/ElementGeometry.h"
#include "document/ElementOwner.h"
#include "document/PageDrawing.h"
#include "platform/ByteSource.h"
#include "platform/DeviceContext.h"
#include "platform/PrinterSettings.h"
#include "print/PaperLayout.h"
#include "print/SheetLayout.h"
#include "print/SheetPainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>

namespace quenby::fuzz {
namespace {

constexpr double kScreenPixelsPerMm = 96.0 / 25.4;
constexpr int kPrinterDpi = 600;
// Zoom and scroll origin of each view: the page's corner far out and close in, and a
// view scrolled into the middle of an A4 face.
struct View {
    int zoom;
    QPoint origin;
};
constexpr View kViews[] = {{25, {0, 0}}, {400, {0, 0}}, {100, {-400, -600}}};

// Text layout needs a GUI application; one for the whole run, on the offscreen platform.
void EnsureApplication() {
    if (QGuiApplication::instance()) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "fuzz_drawing_path";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// The geometry, handle and hit-test questions the mouse code asks of an element.
void Probe(const Element& element, const ElementOwner& view, DeviceContext& dc) {
    const ElementBox box = ElementBounds(element);
    const QRect rect = ElementDeviceRect(element, view, box);
    const std::array<QPoint, 8> handles = HandlePoints(element, view, box);
    for (const QPoint& p : {rect.topLeft(), rect.center(), rect.bottomRight(), handles[2]}) {
        (void)HitElement(element, view, p.x(), p.y(), box);
        (void)HitHandle(element, view, p.x() + 5, p.y() + 5, box);
    }
    (void)RawBounds(element);
    DrawSelection(element, dc, view);
    DrawElementGhost(element, dc, view);
}

void DrawFaces(Document& doc, FixedOwner& owner) {
    QImage image(96, 96, QImage::Format_RGB32);
    for (const View& view : kViews) {
        owner.SetZoomPercent(view.zoom);
        owner.SetScrollOrigin(view.origin);
        for (int face = 0; face < kFaceCount; ++face) {
            doc.currentPage = std::uint8_t(face);
            image.fill(Qt::white);
            QPainter painter(&image);
            DeviceContext dc(painter);
            DrawPage(doc, face, dc, owner, face == 3, 48, 48);
            for (const Element& element : doc.elements) {
                if (element.page == face) {
                    Probe(element, owner, dc);
                }
            }
        }
    }
}

// The sheets of a 600-dpi printer with a small unprintable edge, seen through a
// small window at the paper corner (the whole sheet would be 35 million pixels).
void DrawPrintedSheets(Document& doc) {
    const QSizeF mm = SheetSizeMm(doc);
    PrinterCaps caps;
    caps.dpiX = caps.dpiY = kPrinterDpi;
    caps.physicalWidth = int(mm.width() * kPrinterDpi / 25.4);
    caps.physicalHeight = int(mm.height() * kPrinterDpi / 25.4);
    caps.offsetX = caps.offsetY = 50;
    caps.printableWidth = caps.physicalWidth - 100;
    caps.printableHeight = caps.physicalHeight - 100;
    const SheetGeometry geometry = SheetGeometry::ForPrinter(caps, kScreenPixelsPerMm);
    const int pages = PrintPageCount(doc);
    QImage image(160, 160, QImage::Format_RGB32);
    for (const bool secondSide : {false, true}) {
        if (secondSide && !IsHalfFoldCard(doc)) {
            continue;
        }
        for (const int page : {1, pages}) {
            image.fill(Qt::white);
            QPainter painter(&image);
            SheetOptions options;
            options.pageNumber = page;
            options.secondSide = secondSide;
            DrawSheet(doc, painter, geometry, options);
        }
    }
}

}  // namespace

int DrawingPath(const std::uint8_t* data, std::size_t size) {
    EnsureApplication();
    FixedOwner owner;
    auto doc = std::make_unique<Document>();
    doc->pageColour = kWhite;
    MemorySource source(std::span<const std::uint8_t>(data, size));
    if (wxd::ReadDocument(source, *doc) == wxd::ReadOutcome::NotADocument) {
        return 0;
    }
    // A file may name no layout; draw it as the card or page set it would become.
    if (doc->isCard == kNoLayout) {
        doc->isCard = kCard;
    }
    DrawFaces(*doc, owner);
    DrawPrintedSheets(*doc);
    return 0;
}

}  // namespace quenby::fuzz
