#include "document/Document.h"
#include "document/DocumentController.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "support/ByteBuilder.h"
#include "support/Fakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quenby {
namespace {

class DocumentControllerTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    void AddBox() {
        doc->elements.Append(
            CreateElement(owner, doc->currentPage, ElementKind::Box,
                          {QPoint(0, 0), QPoint(9, 0), QPoint(9, 9), QPoint(0, 9)}));
        doc->modified = true;
    }
    QByteArray Contents(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    FixedOwner owner;
    std::unique_ptr<Document> doc = std::make_unique<Document>();
    test::FakeHost host;
    test::FakeMessages messages;
    test::FakeFileDialogs dialogs;
    DocumentController files{*doc, host, messages, dialogs};
};

TEST_F(DocumentControllerTest, SaveAsThenOpenRoundTripsTheDocument) {
    doc->pageColour = kWhite;
    doc->cardType = 1;
    AddBox();
    dialogs.choices.push_back(Path("tarjeta.wxd"));
    files.SaveAs();
    EXPECT_FALSE(doc->modified);
    EXPECT_EQ(doc->documentPath, Path("tarjeta.wxd"));
    EXPECT_EQ(host.titles.last(), Path("tarjeta.wxd"));
    EXPECT_EQ(host.recent, QStringList{Path("tarjeta.wxd")});
    EXPECT_EQ(files.LastFolder(), dir.path() + "/");
    ASSERT_FALSE(dialogs.requests.empty());
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Seleccionar nombre de fichero "));
    EXPECT_EQ(dialogs.requests[0].defaultExtension, QStringLiteral("WXD"));

    doc->cardType = 4;
    doc->elements.Clear();
    dialogs.choices.push_back(Path("tarjeta.wxd"));
    files.Open();
    EXPECT_EQ(doc->cardType, 1);
    EXPECT_EQ(doc->elements.Count(), 1);
    EXPECT_EQ(doc->elements.At(0)->selected, 0);
    EXPECT_FALSE(doc->modified);
    EXPECT_EQ(host.titles.last(), QStringLiteral("tarjeta"));
    EXPECT_EQ(host.snapshots, 1);
    EXPECT_EQ(host.busyDepth, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DocumentControllerTest, LoadFailuresSayWhyAndLeaveThePathAlone) {
    doc->documentPath = QStringLiteral("/before.wxd");
    EXPECT_FALSE(files.LoadDocument(Path("missing.wxd"), false));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("No se puede abrir el fichero "));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);

    test::WriteFile(Path("otro.wxd"), std::vector<std::uint8_t>(100, 'x'));
    EXPECT_FALSE(files.LoadDocument(Path("otro.wxd"), false));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("Fichero no válido"));
    EXPECT_EQ(messages.shown[1].caption, QStringLiteral("Abrir documento"));
    EXPECT_EQ(doc->documentPath, QStringLiteral("/before.wxd"));
}

TEST_F(DocumentControllerTest, OnlyPlainFilesAreOpenedAndTheMarkIsReadFirst) {
    // A FIFO would wait for a writer and a device never ends: both are refused before
    // they are opened.
    const QString fifo = Path("fifo.wxd");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(files.LoadDocument(fifo, true));
    EXPECT_FALSE(files.LoadDocument(QStringLiteral("/dev/zero"), true));
    EXPECT_FALSE(files.LoadDocument(dir.path(), true));
    ASSERT_EQ(messages.shown.size(), 3u);
    for (const auto& shown : messages.shown) {
        EXPECT_EQ(shown.text, QStringLiteral("No se puede abrir el fichero "));
    }

    // Sixteen gigabytes that are not a document: refused on their first four bytes (a
    // sparse file, so it costs no disk).
    QFile huge(Path("grande.wxd"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64(16) << 30));
    huge.close();
    EXPECT_FALSE(files.LoadDocument(huge.fileName(), true));
    EXPECT_EQ(messages.shown.back().text, QStringLiteral("Fichero no válido"));

    // The same length behind a document's header is read as far as its elements go.
    test::ByteBuilder b;
    test::HeaderFields h;
    h.isCard = kCard;
    test::AppendHeader(b, h);
    test::AppendRecord(b, {});
    ASSERT_TRUE(huge.open(QIODevice::ReadWrite));
    ASSERT_EQ(huge.write(test::ToQByteArray(b.bytes)), qint64(b.size()));
    huge.close();
    EXPECT_TRUE(files.LoadDocument(huge.fileName(), true));
    EXPECT_EQ(doc->isCard, kCard);
    EXPECT_EQ(doc->elements.Count(), ElementList::kCapacity);  // then blank records to the end
    EXPECT_EQ(doc->elements.At(0)->kind, ElementKind::Box);
    EXPECT_EQ(messages.shown.size(), 4u);
}

TEST_F(DocumentControllerTest, ADamagedFileIsShownButNotTakenAsTheDocumentsPath) {
    test::ByteBuilder b;
    test::AppendHeader(b, {});
    test::AppendRecord(b, {});
    test::RecordFields pic;
    pic.kind = 5;
    test::AppendRecord(b, pic);
    b.text("XM");
    test::WriteFile(Path("roto.wxd"), b.bytes);
    EXPECT_FALSE(files.LoadDocument(Path("roto.wxd"), false));
    EXPECT_EQ(doc->elements.Count(), 1);
    EXPECT_TRUE(doc->documentPath.isEmpty());
    EXPECT_EQ(messages.shown.back().text, QStringLiteral("Fichero no válido"));
    EXPECT_FALSE(doc->modified);
}

TEST_F(DocumentControllerTest, TileControlsFollowTheDocumentType) {
    test::ByteBuilder b;
    test::HeaderFields h;
    h.isCard = 2;
    h.tilesAcross = 3;
    h.tilesDown = 2;
    test::AppendHeader(b, h);
    test::WriteFile(Path("poster.wxd"), b.bytes);
    ASSERT_TRUE(files.LoadDocument(Path("poster.wxd"), false));
    EXPECT_TRUE(host.tilesEnabled);
    EXPECT_EQ(host.tiles, std::make_pair(3, 2));

    h.paperSize = 4;  // an envelope: one sheet
    b = {};
    test::AppendHeader(b, h);
    test::WriteFile(Path("sobre.wxd"), b.bytes);
    ASSERT_TRUE(files.LoadDocument(Path("sobre.wxd"), false));
    EXPECT_FALSE(host.tilesEnabled);
    EXPECT_EQ(host.tiles, std::make_pair(1, 1));

    // A quiet load (template preview) leaves the window alone.
    host.titles.clear();
    ASSERT_TRUE(files.LoadDocument(Path("poster.wxd"), true));
    EXPECT_TRUE(host.titles.isEmpty());
    EXPECT_EQ(host.snapshots, 2);
}

TEST_F(DocumentControllerTest, AFailedSaveKeepsTheOldFileAndTheModifiedFlag) {
    AddBox();
    ASSERT_TRUE(files.SaveDocument(Path("c.wxd")));
    const QByteArray saved = Contents(Path("c.wxd"));
    AddBox();
    doc->documentPath = Path("c.wxd");

    // The folder cannot take the temporary file.
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool writable = QFileInfo(dir.path()).isWritable();  // root writes anyway
    if (!writable) {
        files.Save();
        EXPECT_TRUE(doc->modified);
        EXPECT_EQ(messages.shown.back().text, QStringLiteral("No se puede abrir el fichero "));
        EXPECT_EQ(Contents(Path("c.wxd")), saved);
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // A path that cannot be created fails on any machine; Save As keeps the old path.
    messages.shown.clear();
    dialogs.choices.push_back(Path("no/such/folder/x.wxd"));
    files.SaveAs();
    EXPECT_TRUE(doc->modified);
    EXPECT_EQ(doc->documentPath, Path("c.wxd"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(Contents(Path("c.wxd")), saved);
    EXPECT_FALSE(QDir(dir.path()).entryList(QDir::Files).join(' ').contains('~'));
}

TEST_F(DocumentControllerTest, SaveChangesQuestionDecidesWhetherTheCommandGoesOn) {
    EXPECT_TRUE(files.ConfirmDiscard());  // nothing to lose: no question
    EXPECT_TRUE(messages.shown.empty());

    AddBox();
    messages.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(files.ConfirmDiscard());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Wexmoor Arts Craftbox"));
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_FALSE(messages.shown[0].owned);

    messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(files.ConfirmDiscard());

    // Yes with the save dialog cancelled: still modified, so the command stops.
    messages.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(files.ConfirmDiscard());

    messages.answers = {MessageAnswer::Yes};
    dialogs.choices.push_back(Path("guardado.wxd"));
    EXPECT_TRUE(files.ConfirmDiscard());
    EXPECT_TRUE(QFile::exists(Path("guardado.wxd")));
}

TEST_F(DocumentControllerTest, NewEmptiesTheDocumentOnlyWhenAllowed) {
    AddBox();
    doc->isCard = kCard;
    messages.answers = {MessageAnswer::Cancel};
    files.NewDocument();
    EXPECT_EQ(doc->elements.Count(), 1);

    messages.answers = {MessageAnswer::No};
    doc->lastGroupId = 5;
    doc->documentPath = QStringLiteral("x");
    doc->pageColour = 0;
    files.NewDocument();
    EXPECT_EQ(doc->elements.Count(), 0);
    EXPECT_EQ(doc->lastGroupId, 0);
    EXPECT_EQ(doc->isCard, kNoLayout);
    EXPECT_EQ(doc->pageColour, kWhite);
    EXPECT_TRUE(doc->documentPath.isEmpty());
    EXPECT_FALSE(doc->modified);
    EXPECT_EQ(host.discards, 1);
    EXPECT_EQ(host.titles.last(), QStringLiteral("Wexmoor Arts Craftbox"));
}

}  // namespace
}  // namespace quenby
