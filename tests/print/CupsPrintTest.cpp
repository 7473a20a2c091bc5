// A card printed through a real print-system queue: the PDF queue that
// cups_setup.sh adds, whose files are checked when they arrive.
#include "PrintTestSupport.h"

#include "platform/widgets/PrinterObject.h"
#include "print/dialogs/PrintCommands.h"
#include "support/Fakes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

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

// The files cups-pdf holds now; a job's files are those that were not there before it.
QStringList OutputFiles() {
    return QDir(kOutput).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

// The files of job `title` once cups-pdf has written them, leaving out those of earlier
// runs that the shared output folder may still hold.
QStringList WaitForJobFiles(const QString& title, int count, const QStringList& before) {
    QString pattern = title;
    pattern.replace(QLatin1Char(' '), QLatin1Char('_'));
    QDeadlineTimer deadline(60000);
    QStringList found;
    while (!deadline.hasExpired()) {
        found = QDir(kOutput).entryList({pattern + QStringLiteral("*.pdf")}, QDir::Files);
        found.removeIf([&before](const QString& name) { return before.contains(name); });
        // cups-pdf may still be writing: wait until every file ends.
        const bool complete = std::all_of(found.begin(), found.end(), [](const QString& name) {
            QFile f(QDir(kOutput).filePath(name));
            return f.open(QIODevice::ReadOnly) && f.readAll().trimmed().endsWith("%%EOF");
        });
        if (found.size() >= count && complete) {
            break;
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
    const QStringList before = OutputFiles();
    PrintContext context(*doc, printer, messages, dialogs);
    context.showProgress = false;
    ASSERT_EQ(PrintDocument(context), 2);
    ASSERT_EQ(dialogs.calls.size(), 2u);

    // Both sides may carry the same job title: count the new files per title.
    std::map<QString, int> jobsPerTitle;
    for (const auto& call : dialogs.calls) {
        ++jobsPerTitle[call.docName];
    }
    for (const auto& [title, jobs] : jobsPerTitle) {
        const QStringList files = WaitForJobFiles(title, jobs, before);
        ASSERT_EQ(files.size(), jobs) << title.toStdString();
        for (const QString& file : files) {
            EXPECT_EQ(test::CountPdfPages(file), 1) << file.toStdString();
            QFile::remove(file);
        }
    }
}

}  // namespace
}  // namespace quenby
