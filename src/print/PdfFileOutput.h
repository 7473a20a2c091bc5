#pragma once

#include <QPageLayout>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPdfWriter;

namespace quenby {

class ReplacingFile;
enum class PrintFailure;

// What the PDF-file printer prints, painted by the PDF engine into a file that
// replaces the chosen file only when it is complete. The printer device would open
// the file itself and report none of its write failures; this output keeps the
// earlier file on a full disk and says so.
class PdfFileOutput {
public:
    // Sheets of `layout` at `dpi` dots per inch, for the file `path`.
    PdfFileOutput(const QString& path, const QPageLayout& layout, int dpi, const QString& title);
    ~PdfFileOutput();
    PdfFileOutput(const PdfFileOutput&) = delete;
    PdfFileOutput& operator=(const PdfFileOutput&) = delete;

    // Makes the temporary file beside the chosen one; false when it cannot be made.
    bool Open();
    // The device to paint the sheets on, once open.
    QPagedPaintDevice& Device();
    // After the painter has ended: replaces the chosen file with the new one. None on
    // success; OutOfDisk when the disk, quota or file-size limit had no room; General
    // for any other failure. The chosen file is untouched on failure.
    PrintFailure Commit();
    // Why Open failed, as Commit would say it.
    PrintFailure OpenFailure() const;

private:
    std::unique_ptr<ReplacingFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
};

}  // namespace quenby
