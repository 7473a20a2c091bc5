#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/ElementOperations.h"
#include "document/ElementOwner.h"
#include "platform/ByteSource.h"
#include "support/ByteBuilder.h"

#include <gtest/gtest.h>

namespace quenby {
namespace {

using test::AppendHeader;
using test::AppendRecord;
using test::AppendTextBlock;
using test::ByteBuilder;

struct Loaded {
    std::unique_ptr<Document> doc = std::make_unique<Document>();
    wxd::ReadOutcome outcome;
};

Loaded Read(const std::vector<std::uint8_t>& bytes) {
    Loaded l;
    MemorySource source(bytes);
    l.outcome = wxd::ReadDocument(source, *l.doc);
    return l;
}

std::vector<std::uint8_t> Write(const Document& doc) {
    std::vector<std::uint8_t> out;
    wxd::WriteDocument(doc, out);
    return out;
}

TEST(DocumentFile, HeaderOfANewDocumentByTheByteTable) {
    Document doc;
    doc.pageColour = kWhite;
    const auto bytes = Write(doc);
    ASSERT_EQ(bytes.size(), 86u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "WXQU");
    EXPECT_EQ(bytes[4], 1);      // version
    EXPECT_EQ(bytes[5], 3);      // card type
    EXPECT_EQ(bytes[7], 1);      // tiles across
    EXPECT_EQ(bytes[9], 1);      // tiles down
    EXPECT_EQ(bytes[29], 1);     // margins shown
    EXPECT_EQ(bytes[30], 1);     // A4
    EXPECT_EQ(bytes[32], 0xFF);  // page colour white
    EXPECT_EQ(bytes[34], 0xFF);
    EXPECT_EQ(bytes[35], 0);
    EXPECT_TRUE(std::all_of(bytes.begin() + 37, bytes.end(), [](auto b) { return b == 0; }));
}

TEST(DocumentFile, ReadsEveryHeaderFieldFromItsOffset) {
    ByteBuilder b;
    test::HeaderFields h;
    h.version = 7;  // not checked
    h.cardType = 5;
    h.tilesAcross = 3;
    h.tilesDown = 2;
    h.isCard = 2;
    h.currentPage = 3;
    h.viewSwitchA = 9;  // any nonzero byte is a set switch
    h.gridX = 12;
    h.gridY = 0xFFFF;  // widened without sign
    h.snap = 1;
    h.originX = -40;
    h.originY = 77;
    h.orientation = 1;
    h.margins = 0;
    h.paperSize = 6;
    h.pageColour = 0x00123456;
    h.foldLines = 2;
    AppendHeader(b, h);
    const Loaded l = Read(b.bytes);
    ASSERT_EQ(l.outcome, wxd::ReadOutcome::Loaded);
    const Document& d = *l.doc;
    EXPECT_EQ(d.cardType, 5);
    EXPECT_EQ(d.tilesAcross, 3);
    EXPECT_EQ(d.tilesDown, 2);
    EXPECT_EQ(d.isCard, 2);
    EXPECT_EQ(d.currentPage, 3);
    EXPECT_TRUE(d.viewSwitchA);
    EXPECT_EQ(d.gridSpacingX, 12);
    EXPECT_EQ(d.gridSpacingY, 65535);
    EXPECT_TRUE(d.snapToGrid);
    EXPECT_EQ(d.originX, -40);
    EXPECT_EQ(d.originY, 77);
    EXPECT_EQ(d.orientation, 1);
    EXPECT_FALSE(d.showMargins);
    EXPECT_EQ(d.paperSize, 6);
    EXPECT_EQ(d.pageColour, 0x00123456u);
    EXPECT_TRUE(d.printFoldLines);
    EXPECT_EQ(d.elements.Count(), 0);
}

TEST(DocumentFile, OutOfRangeTableIndexesAndDivisorsAreBroughtIntoRange) {
    ByteBuilder b;
    test::HeaderFields h;
    h.cardType = 6;
    h.paperSize = 900;
    h.orientation = 2;
    h.tilesAcross = 0;
    h.tilesDown = 11;
    h.isCard = 3;
    h.currentPage = 4;
    AppendHeader(b, h);
    const Loaded l = Read(b.bytes);
    const Document& d = *l.doc;
    EXPECT_EQ(d.cardType, 3);
    EXPECT_EQ(d.paperSize, 1);
    EXPECT_EQ(d.orientation, 0);
    EXPECT_EQ(d.tilesAcross, 1);
    EXPECT_EQ(d.tilesDown, 10);
    EXPECT_EQ(d.isCard, 2);
    EXPECT_EQ(d.currentPage, 0);
}

TEST(DocumentFile, RefusesAWrongMarkOrAShortHeaderWithoutApplyingAnything) {
    for (auto bytes : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>(86, 'W')}) {
        Loaded l = Read(bytes);
        EXPECT_EQ(l.outcome, wxd::ReadOutcome::NotADocument);
    }
    ByteBuilder b;
    test::HeaderFields h;
    h.cardType = 1;
    AppendHeader(b, h);
    b.bytes.resize(85);
    Loaded l = Read(b.bytes);
    EXPECT_EQ(l.outcome, wxd::ReadOutcome::NotADocument);
    EXPECT_EQ(l.doc->cardType, 3);
}

TEST(DocumentFile, PictureThenTextReadBackIntactAndFieldsByOffset) {
    ByteBuilder b;
    AppendHeader(b, {});
    test::RecordFields pic;
    pic.kind = 5;
    pic.transparentByte = 0;  // the file holds 0 for a transparent picture
    pic.groupId = 4;
    pic.reservedFill = 0x5A;
    AppendRecord(b, pic);
    b.append(test::Bitmap8(7, 5));
    test::RecordFields text;
    text.kind = 6;
    text.page = 2;
    text.corners[5] = -12.5f;
    text.outlineColour = 0x0000FF;
    text.fillStyle = 2;
    text.gradientAngle = 270;
    text.centreX = -3;
    text.groupMember = 4;
    AppendRecord(b, text);
    test::TextFields tb;
    tb.face = "Blotwell";
    tb.chars = "Hola\r\nmam\xE1";
    tb.shadowOn = 1;
    tb.shadowDx = -7;
    tb.shadowColour = 0x00112233;
    tb.reservedFill = 0x77;
    AppendTextBlock(b, tb);
    test::RecordFields group;
    group.groupId = 9;
    AppendRecord(b, group);

    Loaded l = Read(b.bytes);
    ASSERT_EQ(l.outcome, wxd::ReadOutcome::Loaded);
    const ElementList& list = l.doc->elements;
    ASSERT_EQ(list.Count(), 3);
    const Element& p = *list.At(0);
    ASSERT_TRUE(p.picture);
    EXPECT_EQ(p.picture->Width(), 7);
    EXPECT_EQ(p.transparent, 1);
    EXPECT_EQ(p.selected, 0);
    EXPECT_EQ(p.reserved[44], 0x5A);
    const Element& t = *list.At(1);
    EXPECT_EQ(t.kind, ElementKind::Text);
    EXPECT_EQ(t.page, 2);
    EXPECT_EQ(t.corners[2].y, -12.5f);
    EXPECT_EQ(t.outlineColour, 0x0000FFu);
    EXPECT_EQ(t.fillStyle, 2);
    EXPECT_EQ(t.gradientAngle, 270);
    EXPECT_EQ(t.gradientCentreX, -3);
    EXPECT_EQ(t.transparent, 0);
    EXPECT_EQ(t.groupMember, 4);
    ASSERT_TRUE(t.text);
    EXPECT_EQ(t.text->font.Face(), QStringLiteral("Blotwell"));
    EXPECT_EQ(t.text->Text(), QStringLiteral("Hola\r\nmamá"));
    EXPECT_EQ(t.text->shadowOn, 1);
    EXPECT_EQ(t.text->shadowDx, -7);
    EXPECT_EQ(t.text->shadowColour, 0x00112233u);
    EXPECT_EQ(t.text->reserved[0], 0x77);
    EXPECT_EQ(l.doc->lastGroupId, 9);

    // What the program wrote comes back byte for byte.
    EXPECT_EQ(Write(*l.doc), b.bytes);
}

TEST(DocumentFile, WriterPutsTheInvertedTransparencyAndTheRecordLayout) {
    Document doc;
    ElementPtr e = CreateElement(FixedOwner(), 1, ElementKind::Ellipse,
                                 {QPoint(1, 2), QPoint(3, 2), QPoint(3, 4), QPoint(1, 4)});
    e->transparent = 0;
    e->groupMember = 0x0102;
    doc.elements.Append(std::move(e));
    const auto bytes = Write(doc);
    ASSERT_EQ(bytes.size(), 86u + 110);
    const std::uint8_t* r = bytes.data() + 86;
    EXPECT_EQ(r[0], 3);
    EXPECT_EQ(r[33], 1);  // face
    EXPECT_EQ(r[60], 1);  // opaque
    EXPECT_EQ(r[63], 0x02);
    EXPECT_EQ(r[64], 0x01);
    // corner 0 x = 4.0f
    EXPECT_EQ(r[1] | r[2] << 8 | r[3] << 16 | r[4] << 24, 0x40800000);
}

TEST(DocumentFile, ShortFilesKeepWhatWasRead) {
    ByteBuilder b;
    AppendHeader(b, {});
    test::RecordFields box;
    box.outlineWidth = 9;
    AppendRecord(b, box);
    b.bytes.resize(b.bytes.size() - 74);  // ends inside the record, after the width
    Loaded l = Read(b.bytes);
    ASSERT_EQ(l.outcome, wxd::ReadOutcome::Loaded);
    ASSERT_EQ(l.doc->elements.Count(), 1);
    EXPECT_EQ(l.doc->elements.At(0)->outlineWidth, 9);
    EXPECT_EQ(l.doc->elements.At(0)->fillColour2, kWhite);  // unread: blank default

    ByteBuilder t;
    AppendHeader(t, {});
    test::RecordFields text;
    text.kind = 8;
    AppendRecord(t, text);
    test::TextFields tf;
    tf.chars = std::string(600, 'a');  // no terminating zero within the field
    tf.reservedFill = 0x33;
    AppendTextBlock(t, tf);
    t.bytes.resize(t.bytes.size() - 60);
    Loaded lt = Read(t.bytes);
    ASSERT_EQ(lt.doc->elements.Count(), 1);
    const TextBlock& block = *lt.doc->elements.At(0)->text;
    EXPECT_EQ(block.Text().size(), 499);
    EXPECT_EQ(block.reserved[0], 0);  // not reached
}

TEST(DocumentFile, ABrokenPictureEndsTheLoadAndKeepsWhatCameBefore) {
    auto withPicture = [](std::vector<std::uint8_t> bitmap) {
        ByteBuilder b;
        AppendHeader(b, {});
        AppendRecord(b, {});
        test::RecordFields pic;
        pic.kind = 5;
        AppendRecord(b, pic);
        b.append(bitmap);
        AppendRecord(b, {});
        return b.bytes;
    };
    auto huge = test::Bitmap8(4, 4);
    huge[14 + 8] = 0xFF;  // height 255 rows ...
    huge[14 + 9] = 0x7F;  // ... 32767 rows: far more than the file holds
    for (const auto& bitmap :
         {std::vector<std::uint8_t>{'X', 'M', 0, 0}, huge, std::vector<std::uint8_t>{}}) {
        Loaded l = Read(withPicture(bitmap));
        EXPECT_EQ(l.outcome, wxd::ReadOutcome::Damaged);
        EXPECT_EQ(l.doc->elements.Count(), 1);
    }
}

TEST(DocumentFile, ReadsAtMostAThousandElements) {
    ByteBuilder b;
    AppendHeader(b, {});
    for (int i = 0; i < 1002; ++i)
        AppendRecord(b, {});
    Loaded l = Read(b.bytes);
    EXPECT_EQ(l.doc->elements.Count(), 1000);
    EXPECT_EQ(l.doc->elements.At(1000), nullptr);
}

}  // namespace
}  // namespace quenby
