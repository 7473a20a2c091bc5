#include "print/PdfFileOutput.h"

#include "platform/ReplacingFile.h"
#include "print/PrintLoop.h"

#include <QPdfWriter>
#include <QPrinter>

namespace quenby {

PdfFileOutput::PdfFileOutput(const QPrinter& printer)
    : file_(std::make_unique<ReplacingFile>(printer.outputFileName())),
      writer_(std::make_unique<QPdfWriter>(file_.get())) {
    writer_->setResolution(printer.resolution());
    writer_->setPageLayout(printer.pageLayout());
    writer_->setTitle(printer.docName());
    writer_->setCreator(printer.creator());
}

PdfFileOutput::~PdfFileOutput() {
    writer_.reset();  // before the file it writes into
}

bool PdfFileOutput::Open() {
    return file_->open(QIODevice::WriteOnly);
}

QPagedPaintDevice& PdfFileOutput::Device() {
    return *writer_;
}

PrintFailure PdfFileOutput::OpenFailure() const {
    return file_->IsOutOfSpace() ? PrintFailure::OutOfDisk : PrintFailure::General;
}

PrintFailure PdfFileOutput::Commit() {
    if (file_->commit()) {
        return PrintFailure::None;
    }
    return OpenFailure();
}

}  // namespace quenby
