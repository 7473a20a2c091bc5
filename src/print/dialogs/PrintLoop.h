#pragma once

#include "print/PrintFailure.h"

#include <QString>

class QPrinter;
class QWidget;

namespace quenby {

class MessageBoxes;
class PrinterObject;
class StudioPrintout;
struct PrintDialogInfo;

// The print dialog. In print mode the chosen page range is left on the device.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // False when the user cancels.
    virtual bool Run(QPrinter& device, bool setupMode, const PrintDialogInfo& pages) = 0;
};

// The platform's print dialog (QPrintDialog): the print system's queues and the
// PDF-file printer.
class WidgetPrintDialogs final : public PrintDialogs {
public:
    explicit WidgetPrintDialogs(QWidget* parent) : parent_(parent) {}
    bool Run(QPrinter& device, bool setupMode, const PrintDialogInfo& pages) override;

private:
    QWidget* parent_;
};

// Takes the printer as it is and every page, without asking (batch printing).
class AcceptingPrintDialogs final : public PrintDialogs {
public:
    bool Run(QPrinter&, bool, const PrintDialogInfo&) override { return true; }
};

struct PrintLoopOptions {
    bool prompt = true;        // show the print dialog first
    bool showProgress = true;  // the "Imprimiendo" dialog with its Cancel button
    QWidget* parent = nullptr;
};

// The printing loop: the print dialog, then every page of the chosen range that the
// printout has, each on a page of its own, with the progress dialog serviced between
// pages. Failures are reported under "Error de impresión"; a cancelled print dialog
// is not. Returns None when the job was printed.
PrintFailure RunPrintout(PrinterObject& printer, StudioPrintout& printout, PrintDialogs& dialogs,
                         MessageBoxes& messages, const PrintLoopOptions& options);

}  // namespace quenby
