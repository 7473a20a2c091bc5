// Printing to a file keeps the earlier file unless the new one is complete: on a full
// disk, past the file-size limit, and from the desktop's print loop as from the tool.
#include "PrintTestSupport.h"

#include "platform/Dib.h"
#include "platform/widgets/PrinterObject.h"
#include "print/PdfExport.h"
#include "print/dialogs/PrintCommands.h"
#include "support/Fakes.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace quenby {
namespace {

const QByteArray kEarlier = "%PDF-1.4 the earlier print, which must survive\n";

// A card whose printed sheet cannot be squeezed small: a picture of noise.
std::unique_ptr<Document> NoisyCard() {
    auto doc = test::MakeCard(3);
    ElementPtr e = CreateBlankElement();
    e->kind = ElementKind::Picture;
    e->corners = {DocPoint{0, 0}, DocPoint{800, 0}, DocPoint{800, 800}, DocPoint{0, 800}};
    e->selected = 0;
    e->picture = Dib::Create(300, 300, 8);
    QRandomGenerator noise(19);
    for (std::uint8_t& b : e->picture->Bits()) {
        b = std::uint8_t(noise.bounded(256));
    }
    for (int i = 0; i < 256; ++i) {
        e->picture->SetColour(i, noise.generate() & 0xFFFFFF);
    }
    doc->elements.Append(std::move(e));
    return doc;
}

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Leftovers(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral(".quenby-*")}, QDir::Files | QDir::Hidden);
}

// A small file system of its own, filled to the last byte after the earlier print was
// written into it. Mounting needs root; elsewhere the tests say so and skip.
class FullDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) {
            GTEST_SKIP() << "mounting a small tmpfs to fill needs root";
        }
        ASSERT_TRUE(dir.isValid());
        mountPoint = dir.filePath(QStringLiteral("disk"));
        ASSERT_TRUE(QDir().mkpath(mountPoint));
        if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0,
                    "size=256k") != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
        }
        mounted = true;
        target = mountPoint + QStringLiteral("/tarjeta.pdf");
        QFile earlier(target);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write(kEarlier);
        earlier.close();
        QFile filler(mountPoint + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
    }
    void TearDown() override {
        if (mounted) {
            ::umount2(QFile::encodeName(mountPoint).constData(), MNT_DETACH);
        }
    }

    void ExpectEarlierFileKept() {
        EXPECT_EQ(Contents(target), kEarlier);
        EXPECT_TRUE(Leftovers(mountPoint).isEmpty()) << Leftovers(mountPoint).join(u' ').toStdString();
    }

    QTemporaryDir dir;
    QString mountPoint;
    QString target;
    bool mounted = false;
    test::FakeMessages messages;
};

TEST_F(FullDiskTest, PrintingToAPdfKeepsTheEarlierFileAndSaysTheDiskIsFull) {
    auto doc = NoisyCard();
    EXPECT_FALSE(PrintDocumentToPdf(*doc, target, 150, 96 / 25.4, messages));
    ExpectEarlierFileKept();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.endsWith(QStringLiteral(" no impreso. Espacio de disco agotado.")))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Error de impresión"));
}

TEST_F(FullDiskTest, TheDesktopPrintLoopKeepsTheEarlierFileToo) {
    auto doc = NoisyCard();
    PrinterObject printer;
    printer.SetPdfOutputFile(target);
    printer.Settings().deviceMode.printQuality = 150;
    test::FakePrintDialogs dialogs;
    PrintContext context(*doc, printer, messages, dialogs);
    context.showProgress = false;
    EXPECT_EQ(PrintDocument(context), 0);
    ExpectEarlierFileKept();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.endsWith(QStringLiteral("Espacio de disco agotado.")));
}

TEST(PrintSafety, AFileSizeLimitEndsThePrintWithAMessageNotASignal) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("ruido.wxd"));
    ASSERT_TRUE(test::WriteDocumentFile(*NoisyCard(), in));
    const QString out = dir.filePath(QStringLiteral("ruido.pdf"));
    QFile earlier(out);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write(kEarlier);
    earlier.close();

    QProcess tool;
    tool.setChildProcessModifier([] {
        const rlimit limit{20000, 20000};  // bytes; the sheet needs far more
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    tool.start(QStringLiteral(QUENBY_TOOL),
               {QStringLiteral("print"), in, QStringLiteral("--out"), out,
                QStringLiteral("--printer-dpi"), QStringLiteral("150")});
    ASSERT_TRUE(tool.waitForFinished(120000));
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(tool.readAllStandardError())
                    .contains(QStringLiteral("no impreso. Espacio de disco agotado.")));
    EXPECT_EQ(Contents(out), kEarlier);
    EXPECT_TRUE(Leftovers(dir.path()).isEmpty());

    // Without the limit the same print replaces the earlier file.
    QProcess free;
    free.start(QStringLiteral(QUENBY_TOOL),
               {QStringLiteral("print"), in, QStringLiteral("--out"), out,
                QStringLiteral("--printer-dpi"), QStringLiteral("150")});
    ASSERT_TRUE(free.waitForFinished(120000));
    EXPECT_EQ(free.exitCode(), 0);
    EXPECT_EQ(test::CountPdfPages(out), 1);
    EXPECT_TRUE(Leftovers(dir.path()).isEmpty());
}

}  // namespace
}  // namespace quenby
