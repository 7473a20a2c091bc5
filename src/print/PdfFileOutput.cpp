#include "print/PdfFileOutput.h"

#include "platform/ReplacingFile.h"
#include "print/PrintFailure.h"

#include <QPdfWriter>

namespace quenby {

PdfFileOutput::PdfFileOutput(const QString& path, const QPageLayout& layout, int dpi,
                             const QString& title)
    : file_(std::make_unique<ReplacingFile>(path)),
      writer_(std::make_unique<QPdfWriter>(file_.get())) {
    writer_->setResolution(dpi);
    writer_->setPageLayout(layout);
    writer_->setTitle(title);
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
