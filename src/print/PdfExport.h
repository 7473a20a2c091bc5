#pragma once

#include <QString>

namespace quenby {

struct Document;
class MessageBoxes;

// Prints the document to a PDF file as the PDF-file printer receives it, with no
// dialog and no prompt: every sheet in printing order (a half-fold card's first
// side, then its second side; every page of a page set), on the document's paper
// and orientation, at `printerDpi` dots per inch. Failures are reported through
// `messages`; true when the file was written.
bool PrintDocumentToPdf(const Document& doc, const QString& path, int printerDpi,
                        double screenPixelsPerMm, MessageBoxes& messages);

}  // namespace quenby
