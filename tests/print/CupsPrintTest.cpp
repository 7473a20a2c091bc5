// A card printed through a real print-system queue: the PDF queue that
// cups_setup.sh adds, whose files are checked when they arrive.
#include "PrintTestSupport.h"

#include "platform/widgets/PrinterObject.h"
#include "print/dialogs/PrintCommands.h"
#include "support/Fakes.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace quenby {
namespace {

const QString kQueue = QStringLiteral("QuenbyPDF");
const QString kOutput = QStringLiteral("/var/spool/cups-pdf/quenby");

// Runs the set-up script once; the reason to skip when the print system cannot run.
QString PrintSystemProblem() {
    static const QString problem = [] {
        QProcess setup;
        setup.start(QStringLiteral("sh"),
                    {QStringLiteral(QUENBY_SOURCE_DIR "/tests/print/cups_setup.sh"), kOutput});
        if (!setup.waitForFinished(60000)) {
            return QStringLiteral("cups_setup.sh did not finish");
        }
        if (setup.exitCode() != 0) {
            return QStringLiteral("print system not available: ") +
                   QString::fromLocal8Bit(setup.readAllStandardError()).trimmed();
        }
        if (!QPrinterInfo::availablePrinterNames().contains(kQueue)) {
            return QStringLiteral("queue %1 not visible to Qt").arg(kQueue);
        }
        return QString();
    }();
    return problem;
}

// The files of job `title` written since `since`, once cups-pdf has written them: the
// queue's folder may still hold the files of an earlier run that stopped short.
QStringList WaitForJobFiles(const QString& title, int count, const QDateTime& since) {
    QString pattern = title;
    pattern.replace(QLatin1Char(' '), QLatin1Char('_'));
    QDeadlineTimer deadline(60000);
    QStringList found;
    while (!deadline.hasExpired()) {
        found.clear();
        for (const QFileInfo& file : QDir(kOutput).entryInfoList(
                 {pattern + QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed)) {
            if (file.lastModified() >= since) {
                found.append(file.fileName());
            }
        }
        if (found.size() >= count) {
            // cups-pdf may still be writing: wait until the file ends.
            QFile f(QDir(kOutput).filePath(found.first()));
            if (f.open(QIODevice::ReadOnly) && f.readAll().trimmed().endsWith("%%EOF")) {
                break;
            }
        }
        QThread::msleep(200);
    }
    for (QString& name : found) {
        name = QDir(kOutput).filePath(name);
    }
    return found;
}

TEST(CupsPrint, AHalfFoldCardArrivesAsTwoJobsOfOnePageEach) {
    const QString problem = PrintSystemProblem();
    if (!problem.isEmpty()) {
        GTEST_SKIP() << problem.toStdString();
    }
    auto doc = test::MakeCard(0);
    doc->pageColour = MakeColourRef(250, 200, 0);
    doc->printFoldLines = true;
    test::AddBox(*doc, 0, 40, 40, 400, 300);

    PrinterObject printer;
    printer.SelectPrinter(kQueue);
    ASSERT_FALSE(printer.IsPdfFilePrinter());
    test::FakeMessages messages;
    messages.answers = {MessageAnswer::Ok};
    test::FakePrintDialogs dialogs;
    PrintContext context(*doc, printer, messages, dialogs);
    context.showProgress = false;
    // File times have whole seconds on some file systems.
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    ASSERT_EQ(PrintDocument(context), 2);
    ASSERT_EQ(dialogs.calls.size(), 2u);

    for (const auto& call : dialogs.calls) {
        const QStringList files = WaitForJobFiles(call.docName, 1, started);
        ASSERT_EQ(files.size(), 1) << call.docName.toStdString();
        EXPECT_EQ(test::CountPdfPages(files.first()), 1) << files.first().toStdString();
        QFile::remove(files.first());
    }
}

}  // namespace
}  // namespace quenby
