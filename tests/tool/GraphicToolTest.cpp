// quenby-tool wxg-info, wxg2png and png2wxg, run as a user would run them.
#include "graphics/GraphicFile.h"
#include "platform/Dib.h"
#include "support/Fakes.h"
#include "support/ToolRun.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenby {
namespace {

using test::Tool;
using test::ToolRun;

// A sticker: a red disc with a soft edge and a blue square on nothing.
QString WriteSticker(const QTemporaryDir& dir) {
    QImage image(60, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 20, 30));
    p.drawEllipse(QRectF(2, 2, 30, 30));
    p.fillRect(40, 10, 15, 15, QColor(20, 40, 200));
    p.end();
    const QString path = dir.filePath("sticker.png");
    image.save(path);
    return path;
}

TEST(GraphicTool, Png2WxgMakesAFileTheProgramReads) {
    QTemporaryDir dir;
    const QString png = WriteSticker(dir);
    const QString wxg = dir.filePath("sticker.wxg");
    ToolRun r = Tool({"png2wxg", png, wxg});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    test::FakeMessages messages;
    int transparent = -1, resolution = -1;
    const std::unique_ptr<Dib> dib = LoadGraphicFile(messages, wxg, transparent, &resolution);
    ASSERT_TRUE(dib);
    EXPECT_EQ(transparent, 1);
    EXPECT_EQ(resolution, 1);
    const QImage back = dib->ToImage();
    EXPECT_EQ(back.pixelIndex(59, 39), 255);
    EXPECT_EQ(back.pixelIndex(36, 20), 255);
    EXPECT_NE(back.pixelIndex(17, 17), 255);
    EXPECT_EQ(back.pixel(17, 17) & 0xFFFFFF, 0xDC141Eu);
    EXPECT_EQ(back.pixel(47, 17) & 0xFFFFFF, 0x1428C8u);

    r = Tool({"wxg-info", wxg});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject info = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(info.value("width").toInt(), 60);
    EXPECT_EQ(info.value("height").toInt(), 40);
    EXPECT_EQ(info.value("transparent").toInt(), 1);
    EXPECT_EQ(info.value("resolution").toInt(), 1);
}

TEST(GraphicTool, OpaqueAndLowResolutionOptionsReachTheHeader) {
    QTemporaryDir dir;
    const QString wxg = dir.filePath("o.wxg");
    ToolRun r = Tool({"png2wxg", WriteSticker(dir), wxg, "--opaque", "--resolution", "0"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = Tool({"wxg-info", wxg});
    const QJsonObject info = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(info.value("transparent").toInt(), 0);
    EXPECT_EQ(info.value("resolution").toInt(), 0);
}

TEST(GraphicTool, Wxg2PngWritesAnIndexedPictureWithTransparentBackground) {
    QTemporaryDir dir;
    const QString wxg = dir.filePath("s.wxg");
    ASSERT_EQ(Tool({"png2wxg", WriteSticker(dir), wxg}).exitCode, 0);
    const QString out = dir.filePath("s.png");
    const ToolRun r = Tool({"wxg2png", wxg, out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage png(out);
    ASSERT_EQ(png.format(), QImage::Format_Indexed8);
    EXPECT_EQ(qAlpha(png.pixel(59, 39)), 0);
    EXPECT_EQ(png.pixel(17, 17), qRgb(220, 20, 30));

    const QString opaqueWxg = dir.filePath("o.wxg");
    ASSERT_EQ(Tool({"png2wxg", WriteSticker(dir), opaqueWxg, "--opaque"}).exitCode, 0);
    ASSERT_EQ(Tool({"wxg2png", opaqueWxg, out}).exitCode, 0);
    EXPECT_EQ(QImage(out).pixel(59, 39), qRgb(255, 255, 255));
}

TEST(GraphicTool, RefusesBadInputWithTheProgramsMessageAndWritesNothing) {
    QTemporaryDir dir;
    const QString junk = dir.filePath("junk.wxg");
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100, 'x'));
    f.close();
    ToolRun r = Tool({"wxg-info", junk});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QString::fromUtf8("No es un fichero de gráficos")))
        << r.err.toStdString();

    const QString out = dir.filePath("none.png");
    EXPECT_EQ(Tool({"wxg2png", junk, out}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(out));

    EXPECT_EQ(Tool({"png2wxg", junk, dir.filePath("x.wxg")}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.wxg")));
    EXPECT_EQ(
        Tool({"png2wxg", WriteSticker(dir), dir.filePath("y.wxg"), "--resolution", "2"}).exitCode,
        1);
}

}  // namespace
}  // namespace quenby
