#pragma once

#include <QRect>

#include <functional>

class QWidget;

namespace quenby {

struct Document;
class MessageBoxes;
class PrintDialogs;
class PrinterObject;

// What the print commands work on: the editor's document, the application's
// printer, the message boxes and print dialogs to use, and how to repaint the view.
struct PrintContext {
    PrintContext(Document& d, PrinterObject& p, MessageBoxes& m, PrintDialogs& pd)
        : doc(d), printer(p), messages(m), dialogs(pd) {}

    Document& doc;
    PrinterObject& printer;
    MessageBoxes& messages;
    PrintDialogs& dialogs;
    double pixelsPerMm = 96 / 25.4;  // the screen's
    QWidget* parent = nullptr;
    std::function<void()> repaint;
    bool showProgress = true;
};

// Writes the document's orientation (+ 1) and its paper's code (and, for the custom
// paper, its size) into the printer's device-mode record: after the paper choice, the
// orientation commands 5000/5001 and loading a document.
void ApplyLayoutToPrinter(PrinterObject& printer, const Document& doc);

// The printer's printable area in document units for the page view's outline of the
// print margins, from the current printer settings in portrait terms (x and y
// exchanged for a landscape document). Empty while the print set-up dialog is open.
QRect PrintableAreaDocUnits(const PrinterObject& printer, const Document& doc, double pixelsPerMm);

// Command 24338: the print dialog in set-up mode. The document's orientation wins
// over one chosen in the dialog. Always enabled.
void PrintSetup(PrintContext& context);

// Command 24337: one job, and for a half-fold card whose first side printed, the
// reinsertion prompt and a second job for the inside. Returns the jobs printed.
int PrintDocument(PrintContext& context);

// Command 24340: the preview over `mainFrame` until the user closes it. The caller
// sets and clears the editor's previewing flag around it.
void OpenPrintPreview(PrintContext& context, QWidget* mainFrame);

// Enabler of 24337 and 24340 (and 24334): everything but while the start screen is up.
inline bool PrintEnabled(bool startScreenUp) {
    return !startScreenUp;
}
inline bool PrintSetupEnabled() {
    return true;
}

}  // namespace quenby
