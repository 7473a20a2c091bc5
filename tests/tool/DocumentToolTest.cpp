// quenby-tool info and resave, run as a user would run them.
#include "support/ByteBuilder.h"
#include "support/ToolRun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenby {
namespace {

using test::Tool;
using test::ToolRun;

std::vector<std::uint8_t> CardWithPictureAndText() {
    test::ByteBuilder b;
    test::HeaderFields h;
    h.isCard = 1;
    h.cardType = 2;
    h.pageColour = 0x00FFEEDD;
    test::AppendHeader(b, h);
    test::RecordFields pic;
    pic.kind = 5;
    pic.transparentByte = 0;
    pic.groupId = 3;
    pic.reservedFill = 0xAB;
    test::AppendRecord(b, pic);
    b.append(test::Bitmap8(30, 20));
    test::RecordFields text;
    text.kind = 6;
    text.page = 1;
    test::AppendRecord(b, text);
    test::TextFields tf;
    tf.chars =
        "Feliz\r\nd\xED"
        "a";
    test::AppendTextBlock(b, tf);
    return b.bytes;
}

TEST(DocumentTool, InfoPrintsTheDocumentAsJson) {
    QTemporaryDir dir;
    const QString path = test::WriteFile(dir.filePath("card.wxd"), CardWithPictureAndText());
    const ToolRun r = Tool({"info", path});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(o["cardType"].toInt(), 2);
    EXPECT_EQ(o["isCard"].toInt(), 1);
    EXPECT_EQ(o["pageColour"].toInteger(), 0x00FFEEDD);
    EXPECT_EQ(o["showMargins"].toBool(), true);
    EXPECT_EQ(o["lastGroupId"].toInt(), 3);
    const QJsonArray elements = o["elements"].toArray();
    ASSERT_EQ(elements.size(), 2);
    const QJsonObject pic = elements[0].toObject();
    EXPECT_EQ(pic["kind"].toInt(), 5);
    EXPECT_EQ(pic["transparent"].toInt(), 1);
    EXPECT_EQ(pic["picture"].toObject()["width"].toInt(), 30);
    EXPECT_EQ(pic["picture"].toObject()["bitCount"].toInt(), 8);
    EXPECT_EQ(pic["reserved"].toString(), QStringLiteral("ab").repeated(45));
    EXPECT_EQ(pic["corners"].toArray()[2].toArray()[0].toDouble(), 100.0);
    const QJsonObject text = elements[1].toObject()["text"].toObject();
    EXPECT_EQ(text["chars"].toString(), QStringLiteral("Feliz\r\ndía"));
    EXPECT_EQ(text["font"].toObject()["faceName"].toString(), QStringLiteral("RavelockWizard"));
    EXPECT_EQ(text["font"].toObject()["height"].toInt(), 136);
    EXPECT_EQ(text["shadowDx"].toInt(), 5);
    EXPECT_FALSE(elements[1].toObject().contains("picture"));
}

TEST(DocumentTool, ResaveGivesBackTheFileByteForByte) {
    QTemporaryDir dir;
    const auto bytes = CardWithPictureAndText();
    const QString in = test::WriteFile(dir.filePath("in.wxd"), bytes);
    const QString out = dir.filePath("out.wxd");
    const ToolRun r = Tool({"resave", in, out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), test::ToQByteArray(bytes));
}

TEST(DocumentTool, RefusedFilesExitOneWithTheProgramsMessage) {
    QTemporaryDir dir;
    const QString bad = test::WriteFile(dir.filePath("bad.wxd"), std::vector<std::uint8_t>(90, 1));
    ToolRun r = Tool({"info", bad});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Fichero no válido"))) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());

    r = Tool({"info", dir.filePath("missing.wxd")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("No se puede abrir el fichero")));

    r = Tool({"resave", bad, dir.filePath("x.wxd")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.wxd")));

    EXPECT_EQ(Tool({"no-such-command"}).exitCode, 1);
}

}  // namespace
}  // namespace quenby
