// quenby-tool render, run as a user would run it.
#include "support/ByteBuilder.h"
#include "support/ToolRun.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenby {
namespace {

test::ToolRun Render(const QStringList& args) {
    return test::Tool(QStringList{QStringLiteral("render")} + args);
}

// A card folded once across (card type 0, portrait A4: faces of 210 × 148.5 mm) with
// a red box on the front, a green one on the inside and a cream page colour.
std::vector<std::uint8_t> CardWithTwoBoxes() {
    test::ByteBuilder b;
    test::HeaderFields h;
    h.isCard = 1;
    h.cardType = 0;
    h.pageColour = 0x00DDEEFF;
    test::AppendHeader(b, h);
    test::RecordFields front;
    front.kind = 2;
    const float corners[8] = {40, 40, 440, 40, 440, 240, 40, 240};  // 10..110 × 10..60 px at 100 %
    std::copy(std::begin(corners), std::end(corners), front.corners);
    front.fillOn = 1;
    front.fillColour = 0x000000FF;
    front.outlineOn = 0;
    test::AppendRecord(b, front);
    test::RecordFields inside = front;
    inside.page = 1;
    inside.fillColour = 0x0000FF00;
    test::AppendRecord(b, inside);
    return b.bytes;
}

TEST(RenderTool, WritesTheFaceAloneAtItsZoomWithThePageColour) {
    QTemporaryDir dir;
    const QString in = test::WriteFile(dir.filePath("card.wxd"), CardWithTwoBoxes());
    const QString out = dir.filePath("front.png");
    const test::ToolRun r = Render({in, "--face", "0", "--zoom", "100", "--out", out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage front(out);
    // 210 mm × 96 / 25.4 = 793.7 → 794; half of 297 mm → 561.3 → 562.
    EXPECT_EQ(front.size(), QSize(794, 562));
    EXPECT_EQ(front.pixel(5, 5), qRgb(0xFF, 0xEE, 0xDD));
    EXPECT_EQ(front.pixel(50, 30), qRgb(255, 0, 0));
    EXPECT_EQ(front.pixel(110, 30), qRgb(0xFF, 0xEE, 0xDD));

    const QString inside = dir.filePath("inside.png");
    ASSERT_EQ(Render({in, "--face", "1", "--zoom", "50", "--out", inside, "--dpi", "192"}).exitCode,
              0);
    const QImage half(inside);
    EXPECT_EQ(half.size(), QSize(794, 562));         // half the zoom at twice the dpi
    EXPECT_EQ(half.pixel(20, 12), qRgb(0, 255, 0));  // at 50 %: 5..55 × 5..30
    EXPECT_EQ(half.pixel(60, 12), qRgb(0xFF, 0xEE, 0xDD));
}

TEST(RenderTool, RefusesBadArgumentsAndFilesWithoutWritingAnything) {
    QTemporaryDir dir;
    const QString in = test::WriteFile(dir.filePath("card.wxd"), CardWithTwoBoxes());
    const QString out = dir.filePath("out.png");
    for (const QStringList& args :
         {QStringList{in, "--zoom", "100", "--out", out},
          QStringList{in, "--face", "4", "--zoom", "100", "--out", out},
          QStringList{in, "--face", "0", "--zoom", "5", "--out", out},
          QStringList{in, "--face", "0", "--zoom", "100"},
          QStringList{in, "--face", "x", "--zoom", "100", "--out", out}}) {
        const test::ToolRun r = Render(args);
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    const QString bad = test::WriteFile(dir.filePath("bad.wxd"), {'N', 'O', 'P', 'E'});
    EXPECT_EQ(Render({bad, "--face", "0", "--zoom", "100", "--out", out}).exitCode, 1);
    EXPECT_EQ(Render({dir.filePath("missing.wxd"), "--face", "0", "--zoom", "100", "--out", out})
                  .exitCode,
              1);
    // A document with no layout chosen has no face to draw.
    test::ByteBuilder plain;
    test::AppendHeader(plain, test::HeaderFields{});
    const QString none = test::WriteFile(dir.filePath("none.wxd"), plain.bytes);
    const test::ToolRun r = Render({none, "--face", "0", "--zoom", "100", "--out", out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(QFile::exists(out));
}

}  // namespace
}  // namespace quenby
