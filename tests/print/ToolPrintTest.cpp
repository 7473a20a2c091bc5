// quenby-tool print, run as a user would: one PDF page per printed sheet, in
// printing order, on the document's paper.
#include "PrintTestSupport.h"
#include "support/ToolRun.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenby {
namespace {

using test::ToolRun;

ToolRun Tool(const QStringList& args) {
    return test::Tool(args, 120000);
}

// The media box of the first page, in points.
QSizeF FirstPageSizePt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"));
    const auto m = box.match(QString::fromLatin1(file.readAll()));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

class ToolPrintTest : public ::testing::Test {
protected:
    QString Print(const Document& doc, const QString& name, QStringList extra = {}) {
        const QString in = dir.filePath(name + ".wxd");
        EXPECT_TRUE(test::WriteDocumentFile(doc, in));
        const QString out = dir.filePath(name + ".pdf");
        const ToolRun r = Tool(QStringList{"print", in, "--out", out} + extra);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return out;
    }
    QTemporaryDir dir;
};

TEST_F(ToolPrintTest, OnePdfPagePerPrintedSheet) {
    EXPECT_EQ(test::CountPdfPages(Print(*test::MakeCard(0), "half")), 2);
    EXPECT_EQ(test::CountPdfPages(Print(*test::MakeCard(3), "quarter")), 1);
    EXPECT_EQ(test::CountPdfPages(Print(*test::MakePageSet(2, 3), "poster")), 6);
}

TEST_F(ToolPrintTest, PrintsOnTheDocumentsPaperAndOrientation) {
    // A4 portrait is 595 × 842 points; a half-vertical card is landscape.
    const QSizeF a4 = FirstPageSizePt(Print(*test::MakeCard(0), "portrait"));
    EXPECT_NEAR(a4.width(), 595, 2);
    EXPECT_NEAR(a4.height(), 842, 2);
    const QSizeF landscape = FirstPageSizePt(Print(*test::MakeCard(1), "landscape"));
    EXPECT_NEAR(landscape.width(), 842, 2);
    EXPECT_NEAR(landscape.height(), 595, 2);
    const QSizeF a5 =
        FirstPageSizePt(Print(*test::MakePageSet(1, 1, 2), "a5", {"--printer-dpi", "600"}));
    EXPECT_NEAR(a5.width(), 420, 2);
}

TEST_F(ToolPrintTest, BadArgumentsAndFilesFailWithoutOutput) {
    EXPECT_EQ(Tool({"print"}).exitCode, 1);
    const QString in = dir.filePath("card.wxd");
    ASSERT_TRUE(test::WriteDocumentFile(*test::MakeCard(2), in));
    EXPECT_EQ(Tool({"print", in, "--out", dir.filePath("x.pdf"), "--printer-dpi", "0"}).exitCode,
              1);
    EXPECT_EQ(Tool({"print", in}).exitCode, 1);
    QFile junk(dir.filePath("junk.wxd"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a document");
    junk.close();
    EXPECT_EQ(Tool({"print", junk.fileName(), "--out", dir.filePath("junk.pdf")}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("junk.pdf")));
    EXPECT_EQ(Tool({"print", in, "--out", "/nonexistent-folder/x.pdf"}).exitCode, 1);
}

}  // namespace
}  // namespace quenby
