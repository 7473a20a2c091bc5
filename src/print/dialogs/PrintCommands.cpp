#include "print/dialogs/PrintCommands.h"

#include "document/Document.h"
#include "platform/MessageBoxes.h"
#include "platform/ResourceStrings.h"
#include "platform/widgets/PrinterObject.h"
#include "print/PaperLayout.h"
#include "print/PrintableArea.h"
#include "print/SheetLayout.h"
#include "print/StudioPrintout.h"
#include "print/dialogs/PreviewFrame.h"
#include "print/dialogs/PrintLoop.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace quenby {
namespace {

constexpr int kReinsertPortrait = 8300;
constexpr int kReinsertLandscape = 8301;
constexpr int kReinsertCaption = 8302;

// "card.pdf" → "card-2.pdf".
QString SecondSideFileName(const QString& path) {
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("pdf") : info.suffix();
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("-2.") + suffix);
}

void Repaint(PrintContext& context) {
    if (context.repaint) {
        context.repaint();
    }
}

void ApplyDocumentLayout(PrintContext& context) {
    ApplyLayoutToPrinter(context.printer, context.doc);
}

bool PrintOneJob(PrintContext& context, bool secondSide) {
    StudioPrintout printout(NextJobTitle(), context.doc, context.pixelsPerMm, secondSide);
    PrintLoopOptions options;
    options.parent = context.parent;
    options.showProgress = context.showProgress;
    const PrintFailure result =
        RunPrintout(context.printer, printout, context.dialogs, context.messages, options);
    Repaint(context);
    return result == PrintFailure::None;
}

}  // namespace

void ApplyLayoutToPrinter(PrinterObject& printer, const Document& doc) {
    ApplyDocumentLayout(printer.Settings().deviceMode, doc);
}

QRect PrintableAreaDocUnits(const PrinterObject& printer, const Document& doc, double pixelsPerMm) {
    if (IsPrintSetupOpen()) {
        return {};
    }
    return PrintableAreaDocUnits(printer.CapsFor(1), doc.orientation, pixelsPerMm);
}

void PrintSetup(PrintContext& context) {
    SetPrintSetupOpen(true);
    PrinterSettings& settings = context.printer.Settings();
    settings.flags = kPrintSetupFlag;
    ApplyDocumentLayout(context);
    std::unique_ptr<QPrinter> device = context.printer.CreateDevice();
    PrintDialogInfo pages;
    const bool accepted = context.dialogs.Run(*device, true, pages);
    SetPrintSetupOpen(false);
    if (!accepted) {
        return;
    }
    context.printer.ReadBack(*device);
    ApplyDocumentLayout(context);
    settings.flags = 0;
    Repaint(context);
}

int PrintDocument(PrintContext& context) {
    ApplyDocumentLayout(context);
    context.printer.Settings().flags = 0;
    if (!PrintOneJob(context, false)) {
        return 0;
    }
    if (!IsHalfFoldCard(context.doc)) {
        return 1;
    }
    const int textId = context.doc.orientation == 1 ? kReinsertLandscape : kReinsertPortrait;
    const MessageAnswer answer =
        context.messages.Show(ResourceString(textId), ResourceString(kReinsertCaption),
                              MessageButtons::OkCancel, MessageIcon::Exclamation);
    if (answer != MessageAnswer::Ok) {
        return 1;
    }
    const QString firstFile = context.printer.Settings().port;
    const bool toFile = context.printer.IsPdfFilePrinter();
    if (toFile) {
        // The first side's file is what the user needs besides the second: the second
        // job goes to a file of its own unless the dialog says otherwise.
        context.printer.SetPdfOutputFile(SecondSideFileName(firstFile));
    }
    const int jobs = PrintOneJob(context, true) ? 2 : 1;
    if (toFile && context.printer.Settings().port == SecondSideFileName(firstFile)) {
        context.printer.SetPdfOutputFile(firstFile);
    }
    Repaint(context);
    return jobs;
}

void OpenPrintPreview(PrintContext& context, QWidget* mainFrame) {
    ApplyDocumentLayout(context);
    {
        PreviewFrame frame(context.doc, context.printer, context.pixelsPerMm);
        frame.Exec(mainFrame);
    }
    Repaint(context);
}

}  // namespace quenby
