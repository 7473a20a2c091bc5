#include "platform/PrinterObject.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace quenby {
namespace {

// The standard paper numbers the paper table uses, as page sizes.
QPageSize PageSizeForCode(int code) {
    switch (code) {
        case 1:
            return QPageSize(QPageSize::Letter);
        case 8:
            return QPageSize(QPageSize::A3);
        case 11:
            return QPageSize(QPageSize::A5);
        case 27:
            return QPageSize(QPageSize::EnvelopeDL);
        case 31:
            return QPageSize(QPageSize::EnvelopeC6);
        default:
            return QPageSize(QPageSize::A4);
    }
}

}  // namespace

PrinterObject::PrinterObject() {
    const QString name = QPrinterInfo::defaultPrinterName();
    SelectPrinter(name.isEmpty() ? PdfFilePrinterName() : name);
}

void PrinterObject::ApplyOrientation(int documentOrientation) {
    settings_.deviceMode.orientation = std::int16_t(documentOrientation == 1 ? 2 : 1);
}

void PrinterObject::ApplyPaper(int paperCode, double customWidthMm, double customHeightMm) {
    settings_.deviceMode.paperSize = std::int16_t(paperCode);
    settings_.deviceMode.paperWidthMm = customWidthMm > 0 ? customWidthMm : 0;
    settings_.deviceMode.paperHeightMm = customHeightMm > 0 ? customHeightMm : 0;
}

QString PrinterObject::PdfFilePrinterName() {
    return QStringLiteral("Fichero PDF");
}

QStringList PrinterObject::PrinterNames() {
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.removeAll(PdfFilePrinterName());
    names.append(PdfFilePrinterName());
    return names;
}

void PrinterObject::SelectPrinter(const QString& name) {
    if (name == PdfFilePrinterName() || !QPrinterInfo::printerInfo(name).isNull()) {
        settings_.device = name;
    } else {
        settings_.device = PdfFilePrinterName();
    }
    if (IsPdfFilePrinter()) {
        settings_.driver = QStringLiteral("pdf");
        if (settings_.port.isEmpty() || !settings_.port.endsWith(QLatin1String(".pdf"))) {
            settings_.port = QDir::home().filePath(QStringLiteral("tarjeta.pdf"));
        }
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(settings_.device);
        settings_.driver = QStringLiteral("cups");
        settings_.port = info.location().isEmpty() ? QStringLiteral("CUPS") : info.location();
    }
}

void PrinterObject::SetPdfOutputFile(const QString& path) {
    settings_.device = PdfFilePrinterName();
    settings_.driver = QStringLiteral("pdf");
    settings_.port = path;
}

std::unique_ptr<QPrinter> PrinterObject::CreateDevice() const {
    std::unique_ptr<QPrinter> printer;
    if (IsPdfFilePrinter()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(settings_.port);
    } else {
        printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(settings_.device),
                                             QPrinter::HighResolution);
    }
    if (settings_.deviceMode.printQuality > 0) {
        printer->setResolution(settings_.deviceMode.printQuality);
    }
    ApplyModeTo(*printer);
    printer->setCopyCount(settings_.copies > 0 ? settings_.copies : 1);
    return printer;
}

void PrinterObject::ApplyModeTo(QPrinter& device) const {
    const DeviceMode& mode = settings_.deviceMode;
    if (mode.paperWidthMm > 0 && mode.paperHeightMm > 0) {
        device.setPageSize(QPageSize(QSizeF(mode.paperWidthMm, mode.paperHeightMm),
                                     QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    } else {
        device.setPageSize(PageSizeForCode(mode.paperSize));
    }
    device.setPageOrientation(mode.orientation == 2 ? QPageLayout::Landscape
                                                    : QPageLayout::Portrait);
    if (device.outputFormat() == QPrinter::PdfFormat) {
        // A file has no unprintable edge.
        device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    }
}

void PrinterObject::ReadBack(const QPrinter& device) {
    if (device.outputFormat() == QPrinter::PdfFormat) {
        SetPdfOutputFile(device.outputFileName());
    } else {
        SelectPrinter(device.printerName());
    }
    settings_.copies = device.copyCount() > 0 ? device.copyCount() : 1;
    if (device.printRange() == QPrinter::PageRange) {
        settings_.fromPage = device.fromPage();
        settings_.toPage = device.toPage();
    } else {
        settings_.fromPage = settings_.minPage;
        settings_.toPage = settings_.maxPage;
    }
}

PrinterCaps PrinterObject::CapsOf(const QPrinter& device) {
    PrinterCaps caps;
    const int dpi = device.resolution();
    if (dpi <= 0) {
        return caps;
    }
    const QPageLayout layout = device.pageLayout();
    const QRect full = layout.fullRectPixels(dpi);
    const QRect paint = layout.paintRectPixels(dpi);
    caps.dpiX = dpi;
    caps.dpiY = dpi;
    caps.physicalWidth = full.width();
    caps.physicalHeight = full.height();
    caps.printableWidth = paint.width();
    caps.printableHeight = paint.height();
    caps.offsetX = paint.left() - full.left();
    caps.offsetY = paint.top() - full.top();
    return caps;
}

PrinterCaps PrinterObject::CapsFor(int orientation) const {
    DeviceMode m = settings_.deviceMode;
    m.orientation = std::int16_t(orientation == 2 ? 2 : 1);
    CapsCache& cache = capsCache_[m.orientation == 2 ? 1 : 0];
    const DeviceMode& c = cache.mode;
    const bool same = cache.valid && cache.device == settings_.device &&
                      c.paperSize == m.paperSize && c.paperWidthMm == m.paperWidthMm &&
                      c.paperHeightMm == m.paperHeightMm && c.printQuality == m.printQuality;
    if (!same) {
        PrinterObject probe = *this;
        probe.settings_.deviceMode = m;
        cache = {settings_.device, m, CapsOf(*probe.CreateDevice()), true};
    }
    return cache.caps;
}

}  // namespace quenby
