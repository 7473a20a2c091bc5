// The print commands end to end on the PDF-file printer: job titles, the page
// range, the reinsertion prompt and the second job, cancelling, and set-up.
#include "PrintTestSupport.h"

#include "platform/ResourceStrings.h"
#include "platform/widgets/PrinterObject.h"
#include "print/dialogs/PrintCommands.h"
#include "print/dialogs/PrintLoop.h"
#include "print/dialogs/PrintProgressDialog.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPageLayout>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace quenby {
namespace {

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        printer.SetPdfOutputFile(dir.filePath(QStringLiteral("out.pdf")));
        printer.Settings().deviceMode.printQuality = 72;  // small files, quick tests
    }
    PrintContext Context(Document& doc) {
        PrintContext c(doc, printer, messages, dialogs);
        c.repaint = [this] { ++repaints; };
        c.showProgress = false;
        return c;
    }
    int JobNumber(int call) const {
        return dialogs.calls.at(std::size_t(call)).docName.right(2).toInt();
    }

    QTemporaryDir dir;
    PrinterObject printer;
    test::FakeMessages messages;
    test::FakePrintDialogs dialogs;
    int repaints = 0;
};

TEST_F(PrintJobTest, HalfFoldCardAsksForReinsertionAndPrintsTheInsideAsASecondJob) {
    auto doc = test::MakeCard(0);
    PrintContext context = Context(*doc);
    messages.answers = {MessageAnswer::Ok};
    // Each job writes its own file, as each is its own print job.
    dialogs.onRun = [this](QPrinter& device) {
        device.setOutputFileName(dir.filePath(QString::number(dialogs.calls.size()) + ".pdf"));
    };
    EXPECT_EQ(PrintDocument(context), 2);
    ASSERT_EQ(dialogs.calls.size(), 2u);  // each job with its own print dialog
    EXPECT_TRUE(dialogs.calls[0].docName.startsWith(QStringLiteral("Wexmoor Arts ")));
    EXPECT_EQ(JobNumber(1), JobNumber(0) + 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, ResourceString(8300));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Imprimir una tarjeta"));
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(test::CountPdfPages(dir.filePath("1.pdf")), 1);
    EXPECT_EQ(test::CountPdfPages(dir.filePath("2.pdf")), 1);
    EXPECT_GE(repaints, 2);

    // The next command goes on counting.
    const int last = JobNumber(1);
    messages.answers = {MessageAnswer::Ok};
    EXPECT_EQ(PrintDocument(context), 2);
    EXPECT_EQ(JobNumber(2), last + 1);
    EXPECT_EQ(JobNumber(3), last + 2);
}

TEST_F(PrintJobTest, TheSecondSideOnThePdfFilePrinterDoesNotOverwriteTheFirst) {
    auto doc = test::MakeCard(0);
    PrintContext context = Context(*doc);
    messages.answers = {MessageAnswer::Ok};
    EXPECT_EQ(PrintDocument(context), 2);
    EXPECT_EQ(test::CountPdfPages(dir.filePath("out.pdf")), 1);
    EXPECT_EQ(test::CountPdfPages(dir.filePath("out-2.pdf")), 1);
    EXPECT_EQ(printer.Settings().port, dir.filePath("out.pdf"));  // the next print starts there
}

TEST_F(PrintJobTest, LandscapeHalfFoldAsksWithTheLandscapeTextAndCancelEndsAfterTheFirstSide) {
    auto doc = test::MakeCard(1);
    PrintContext context = Context(*doc);
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_EQ(PrintDocument(context), 1);
    EXPECT_EQ(dialogs.calls.size(), 1u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, ResourceString(8301));
    // Landscape paper reached the printer.
    auto device = printer.CreateDevice();
    EXPECT_EQ(device->pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.Settings().deviceMode.orientation, 2);
}

TEST_F(PrintJobTest, QuarterFoldPrintsOneJobWithoutPrompt) {
    auto doc = test::MakeCard(5);
    PrintContext context = Context(*doc);
    EXPECT_EQ(PrintDocument(context), 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(test::CountPdfPages(dir.filePath("out.pdf")), 1);
}

TEST_F(PrintJobTest, CancelledPrintDialogPrintsNothingAndDoesNotPrompt) {
    auto doc = test::MakeCard(0);
    PrintContext context = Context(*doc);
    dialogs.accept = false;
    EXPECT_EQ(PrintDocument(context), 0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(QFile::exists(dir.filePath("out.pdf")));
}

TEST_F(PrintJobTest, PageSetOffersEveryPageAndPrintsTheChosenRange) {
    auto doc = test::MakePageSet(3, 2);
    PrintContext context = Context(*doc);
    EXPECT_EQ(PrintDocument(context), 1);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].pages.minPage, 1);
    EXPECT_EQ(dialogs.calls[0].pages.maxPage, 6);
    EXPECT_EQ(test::CountPdfPages(dir.filePath("out.pdf")), 6);

    dialogs.fromPage = dialogs.toPage = 5;
    EXPECT_EQ(PrintDocument(context), 1);
    EXPECT_EQ(test::CountPdfPages(dir.filePath("out.pdf")), 1);
}

TEST_F(PrintJobTest, AFileThatCannotBeWrittenIsReportedUnderThePrintErrorCaption) {
    auto doc = test::MakeCard(2);
    PrintContext context = Context(*doc);
    printer.SetPdfOutputFile(QStringLiteral("/nonexistent-folder/out.pdf"));
    EXPECT_EQ(PrintDocument(context), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Error de impresión"));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("' no impreso. ")));
    EXPECT_TRUE(messages.shown[0].text.endsWith(QStringLiteral(".")));
}

TEST_F(PrintJobTest, SetUpKeepsTheDocumentsOrientation) {
    auto doc = test::MakeCard(4);  // portrait
    PrintContext context = Context(*doc);
    dialogs.onRun = [](QPrinter& device) { device.setPageOrientation(QPageLayout::Landscape); };
    PrintSetup(context);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].setupMode);
    EXPECT_EQ(printer.Settings().deviceMode.orientation, 1);
    EXPECT_EQ(printer.Settings().flags, 0u);
    EXPECT_EQ(doc->orientation, 0);
    EXPECT_EQ(repaints, 1);

    dialogs.accept = false;
    PrintSetup(context);
    EXPECT_EQ(repaints, 1);  // cancel repaints nothing
}

TEST_F(PrintJobTest, CancelInTheProgressDialogStopsTheJobAndSaysSo) {
    auto doc = test::MakePageSet(3, 3);
    PrintContext context = Context(*doc);
    context.showProgress = true;
    QStringList lines;
    QTimer::singleShot(0, [&lines] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* progress = qobject_cast<PrintProgressDialog*>(w)) {
                lines << progress->windowTitle();
                for (const QLabel* l : progress->findChildren<QLabel*>()) {
                    lines << l->text();
                }
                progress->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
            }
        }
    });
    EXPECT_EQ(PrintDocument(context), 0);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("Imprimiendo"));
    EXPECT_EQ(lines[1], QStringLiteral("Imprimiendo"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("'Wexmoor Arts ")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("' en el")));
    EXPECT_EQ(lines[3],
              QStringLiteral("Fichero PDF on ") + dir.filePath(QStringLiteral("out.pdf")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(
        messages.shown[0].text.endsWith(QStringLiteral(" no impreso. Impresión cancelada.")));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Error de impresión"));
}

TEST(PrintFailureText, FormatsTitleAndReason) {
    EXPECT_EQ(PrintFailureText(QStringLiteral("Wexmoor Arts 07"), PrintFailure::Cancelled),
              QStringLiteral("'Wexmoor Arts 07' no impreso. Impresión cancelada."));
    EXPECT_EQ(PrintFailureText(QStringLiteral("X"), PrintFailure::OutOfDisk),
              QStringLiteral("'X' no impreso. Espacio de disco agotado."));
}

TEST(PrinterObjectTest, OffersThePdfFilePrinterAlways) {
    EXPECT_TRUE(PrinterObject::PrinterNames().contains(PrinterObject::PdfFilePrinterName()));
    EXPECT_TRUE(PrinterObject::HasPrinter());
    PrinterObject printer;
    printer.SelectPrinter(QStringLiteral("no such queue"));
    EXPECT_TRUE(printer.IsPdfFilePrinter());
    printer.ApplyPaper(27);
    printer.ApplyOrientation(0);
    const PrinterCaps caps = printer.Caps();
    EXPECT_NEAR(caps.physicalWidth * 25.4 / caps.dpiX, 110, 0.5);  // DL envelope
    EXPECT_NEAR(caps.physicalHeight * 25.4 / caps.dpiY, 220, 0.5);
    printer.ApplyPaper(9, 123, 77);  // the custom paper keeps its own size
    const PrinterCaps custom = printer.Caps();
    EXPECT_NEAR(custom.physicalWidth * 25.4 / custom.dpiX, 123, 0.5);
}

}  // namespace
}  // namespace quenby
