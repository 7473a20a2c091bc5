#include "platform/widgets/PrinterObject.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace quenby {

PrinterObject::PrinterObject() {
    const QString name = QPrinterInfo::defaultPrinterName();
    SelectPrinter(name.isEmpty() ? PdfFilePrinterName() : name);
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
    const QPageLayout layout = settings_.deviceMode.PageLayout();
    device.setPageSize(layout.pageSize());
    device.setPageOrientation(layout.orientation());
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
    return PrinterCaps::Of(device.pageLayout(), device.resolution());
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
