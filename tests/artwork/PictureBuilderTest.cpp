// The picture library's builder: its lists refuse what would make a faulty library,
// and a drawing comes out at the length its list gives, whatever blank space its
// view box leaves around the ink.
#include "ArtworkCanvas.h"
#include "LibraryBuilder.h"
#include "PictureList.h"

#include "graphics/GraphicFile.h"
#include "platform/Dib.h"
#include "support/Fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quenby::artwork {
namespace {

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A 100 × 100 drawing whose only ink is a filled square of `side` units in the middle.
QByteArray Square(int side) {
    const int at = (100 - side) / 2;
    return QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 100 100\">"
               "<rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%3\" fill=\"#3A86FF\"/></svg>")
        .arg(at)
        .arg(side)
        .arg(side / 2)
        .toUtf8();
}

class PictureListTest : public ::testing::Test {
protected:
    QString List(const QByteArray& text) {
        const QString path = dir.filePath(QStringLiteral("list.txt"));
        WriteText(path, text);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(PictureListTest, ReadsNamesAndLengthsSkippingComments) {
    QString error;
    const auto list =
        ReadPictureList(List("# a comment\n\ndragon  60   # behind a line\n0hola 72\n"), &error);
    ASSERT_TRUE(list) << error.toStdString();
    ASSERT_EQ(list->size(), 2u);
    EXPECT_EQ((*list)[0].name, QStringLiteral("dragon"));
    EXPECT_DOUBLE_EQ((*list)[0].longSideMm, 60);
    EXPECT_EQ((*list)[1].name, QStringLiteral("0hola"));
}

TEST_F(PictureListTest, RefusesFaultyLinesSayingWhere) {
    const std::pair<const char*, const char*> faulty[] = {
        {"cat 60\ndog\n", ":2:"},                    // no length
        {"cat 60 70\n", ":1:"},                     // a word too many
        {"Cat 60\n", ":1:"},                        // capitals
        {"gato_niño 60\n", ":1:"},                  // outside ASCII
        {"cat 60\ncat 62\n", "twice"},              // the same file twice
        {"cat 49\n", "50 to 80"},                   // too small on a card
        {"cat 81\n", "50 to 80"},                   // too large
        {"cat sixty\n", "50 to 80"},                // not a number
    };
    for (const auto& [text, why] : faulty) {
        SCOPED_TRACE(text);
        QString error;
        EXPECT_FALSE(ReadPictureList(List(text), &error));
        EXPECT_TRUE(error.contains(QLatin1String(why))) << error.toStdString();
    }
    const QByteArray longest(kLongestName, 'a');
    QString error;
    EXPECT_TRUE(ReadPictureList(List(longest + " 60\n"), &error));
    EXPECT_FALSE(ReadPictureList(List(longest + "a 60\n"), &error));
    EXPECT_FALSE(ReadPictureList(dir.filePath(QStringLiteral("missing.txt")), &error));
    EXPECT_TRUE(error.contains(QLatin1String("cannot read")));
}

TEST_F(PictureListTest, ComparesTheListWithTheDrawingsBothWays) {
    WriteText(dir.filePath(QStringLiteral("cat.svg")), Square(50));
    WriteText(dir.filePath(QStringLiteral("stray.svg")), Square(50));
    const std::vector<ListedPicture> list = {{QStringLiteral("cat"), 60},
                                             {QStringLiteral("dog"), 60}};
    const QString faults = CompareWithDrawings(list, dir.path());
    EXPECT_TRUE(faults.contains(QLatin1String("no drawing dog.svg")));
    EXPECT_TRUE(faults.contains(QLatin1String("stray.svg is not listed")));
    EXPECT_FALSE(faults.contains(QLatin1String("cat")));
    EXPECT_TRUE(CompareWithDrawings({{QStringLiteral("cat"), 60}, {QStringLiteral("stray"), 60}},
                                    dir.path())
                    .isEmpty());
}

TEST(PictureRendering, TheInkNotTheViewBoxGetsTheListedLength) {
    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("small.svg"));
    const QString large = dir.filePath(QStringLiteral("large.svg"));
    WriteText(small, Square(30));  // much blank space around it
    WriteText(large, Square(90));
    for (const QString& svg : {small, large}) {
        const QImage picture = DrawLibraryPicture(svg, 60);
        ASSERT_FALSE(picture.isNull());
        EXPECT_NEAR(picture.width(), PixelsFor(60, 1), 1);
        // The square is drawn twice as wide as high; proportions are kept.
        EXPECT_NEAR(picture.height() - 4, (picture.width() - 4) / 2, 2);
        // A transparent margin, then ink with hard edges: no half-covered pixels.
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
        const QRgb middle = picture.pixel(picture.width() / 2, picture.height() / 2);
        EXPECT_EQ(qAlpha(middle), 255);
        EXPECT_EQ(middle & 0xFFFFFF, 0x3A86FFu);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const int a = qAlpha(picture.pixel(x, y));
                ASSERT_TRUE(a == 0 || a == 255) << x << "," << y;
            }
    }
}

TEST(PictureRendering, DrawingsWithoutInkOrNotSvgGiveNothing) {
    QTemporaryDir dir;
    const QString blank = dir.filePath(QStringLiteral("blank.svg"));
    WriteText(blank, "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 100 100\"/>");
    const QString broken = dir.filePath(QStringLiteral("broken.svg"));
    WriteText(broken, "this is no drawing");
    EXPECT_TRUE(DrawLibraryPicture(blank, 60).isNull());
    EXPECT_TRUE(DrawLibraryPicture(broken, 60).isNull());
    EXPECT_TRUE(DrawLibraryPicture(dir.filePath(QStringLiteral("missing.svg")), 60).isNull());
    EXPECT_TRUE(RenderSvgFitted(dir.filePath(QStringLiteral("missing.svg")), 4, 2).isNull());
}

class LibraryBuildTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = 1; n <= 7; ++n) {
            WriteText(sources.filePath(QStringLiteral("%1.txt").arg(n)), "");
            QDir(sources.path()).mkpath(QString::number(n));
        }
        WriteText(sources.filePath(QStringLiteral("6/ball.svg")), Square(60));
        WriteText(sources.filePath(QStringLiteral("6.txt")), "ball 55\n");
    }
    QString Out() const { return out.filePath(QStringLiteral("Images")); }
    QTemporaryDir sources, out;
};

TEST_F(LibraryBuildTest, WritesGraphicFilesTheProgramReadsAndTheMarker) {
    ASSERT_TRUE(BuildLibrary(sources.path(), Out()));
    EXPECT_TRUE(QFile::exists(Out() + QStringLiteral("/images.def")));
    test::FakeMessages messages;
    int transparent = 0, resolution = 0;
    const std::unique_ptr<Dib> dib =
        LoadGraphicFile(messages, Out() + QStringLiteral("/6/ball.wxg"), transparent, &resolution);
    ASSERT_TRUE(dib);
    EXPECT_EQ(transparent, 1);
    EXPECT_EQ(resolution, 1);
    EXPECT_NEAR(dib->Width() * 25.4 / 150, 55, 0.5);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LibraryBuildTest, StopsOnAListThatDoesNotMatchItsDrawings) {
    WriteText(sources.filePath(QStringLiteral("6.txt")), "ball 55\nkite 55\n");
    EXPECT_FALSE(BuildLibrary(sources.path(), Out()));
    WriteText(sources.filePath(QStringLiteral("6.txt")), "");
    EXPECT_FALSE(BuildLibrary(sources.path(), Out()));  // ball.svg is not listed
    QFile::remove(sources.filePath(QStringLiteral("3.txt")));
    WriteText(sources.filePath(QStringLiteral("6.txt")), "ball 55\n");
    EXPECT_FALSE(BuildLibrary(sources.path(), Out()));  // a category without its list
}

TEST_F(LibraryBuildTest, ADrawingThatCannotBeDrawnFailsTheBuild) {
    WriteText(sources.filePath(QStringLiteral("6/ball.svg")), "not a drawing");
    EXPECT_FALSE(BuildLibrary(sources.path(), Out()));
    EXPECT_FALSE(QFile::exists(Out() + QStringLiteral("/6/ball.wxg")));
}

}  // namespace
}  // namespace quenby::artwork
