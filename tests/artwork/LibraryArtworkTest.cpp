// The picture library, the calendar artwork and the typefaces the build puts in the
// program folder, read back through the program's own reader.
#include "graphics/CalendarArtwork.h"
#include "graphics/GraphicFile.h"
#include "graphics/ProductFonts.h"
#include "platform/Dib.h"
#include "support/Fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

namespace quenby {
namespace {

QString ProgramFolder() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/quenby"));
}

struct Picture {
    int width = 0, height = 0, transparent = -1, resolution = -1;
};

bool LoadInfo(const QString& path, Picture& info) {
    test::FakeMessages messages;
    const std::unique_ptr<Dib> dib =
        LoadGraphicFile(messages, path, info.transparent, &info.resolution);
    if (!dib)
        return false;
    info.width = dib->Width();
    info.height = dib->Height();
    return true;
}

double Millimetres(int pixels, int resolution) {
    return pixels * 25.4 / wxg::DotsPerInch(resolution);
}

// The image library shows a name whose first character is a digit only under that
// language; every other name under all of them.
bool ShownUnder(const QString& name, int language) {
    return !name.front().isDigit() || name.front().digitValue() == language;
}

QDir ImagesFolder() {
    return QDir(QDir(ProgramFolder()).filePath(QStringLiteral("Images")));
}

TEST(LibraryArtwork, EveryCategoryOffersThirtyPicturesThatPrintSharpAtCardSize) {
    const QDir images = ImagesFolder();
    ASSERT_TRUE(QFile::exists(images.filePath(QStringLiteral("images.def"))));
    for (int category = 1; category <= 7; ++category) {
        SCOPED_TRACE(category);
        const QDir folder(images.filePath(QString::number(category)));
        const QStringList files = folder.entryList({QStringLiteral("*.wxg")}, QDir::Files);
        int spanish = 0;
        for (const QString& name : files) {
            SCOPED_TRACE(name.toStdString());
            Picture p;
            ASSERT_TRUE(LoadInfo(folder.filePath(name), p));
            EXPECT_EQ(p.transparent, 1);
            EXPECT_EQ(p.resolution, 1);
            // About 5 to 8 cm on its longer side, as the picture comes onto a card face.
            const double longSide = Millimetres(std::max(p.width, p.height), p.resolution);
            EXPECT_GE(longSide, 49.5);
            EXPECT_LE(longSide, 80.5);
            // The program keeps a name in 128 bytes with its terminator.
            EXPECT_LE(name.toUtf8().size(), 127);
            spanish += ShownUnder(name, 0);
        }
        EXPECT_GE(spanish, 30);
    }
}

TEST(LibraryArtwork, TransparentPicturesLeaveTheirBackgroundOut) {
    // A drawing's corner is blank, so it must come out as the transparent index; a
    // picture that filled its corners with white would hide what lies under it.
    int checked = 0;
    for (int category : {1, 3, 6}) {
        const QDir folder(ImagesFolder().filePath(QString::number(category)));
        for (const QString& name : folder.entryList({QStringLiteral("*.wxg")}, QDir::Files)) {
            test::FakeMessages messages;
            int transparent = 0;
            const std::unique_ptr<Dib> dib =
                LoadGraphicFile(messages, folder.filePath(name), transparent);
            ASSERT_TRUE(dib) << name.toStdString();
            EXPECT_EQ(dib->ToImage().pixelIndex(0, 0), wxg::kTransparentIndex) << name.toStdString();
            ++checked;
        }
    }
    EXPECT_GE(checked, 90);
}

TEST(LibraryArtwork, PicturesWithWordsCarryTheirLanguageAndComeInSpanish) {
    const QDir sources(QStringLiteral(QUENBY_SOURCE_DIR "/artwork/images"));
    QSet<QString> spanish, other;
    int words = 0;
    for (int category = 1; category <= 7; ++category) {
        const QDir folder(sources.filePath(QString::number(category)));
        for (const QString& file : folder.entryList({QStringLiteral("*.svg")}, QDir::Files)) {
            QFile svg(folder.filePath(file));
            ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
            const bool hasWords = svg.readAll().contains("<text");
            const bool languageOwn = file.front().isDigit();
            EXPECT_EQ(hasWords, languageOwn) << file.toStdString()
                                             << ": words only in a name with a language digit";
            if (!languageOwn)
                continue;
            ++words;
            (file.front() == QLatin1Char('0') ? spanish : other).insert(file.mid(1));
        }
    }
    EXPECT_GE(words, 8);
    // Every banner of another language has its Spanish one, the program's own language.
    for (const QString& name : other)
        EXPECT_TRUE(spanish.contains(name)) << name.toStdString();
    // And the built library lists them only under their own language.
    const QDir logos(ImagesFolder().filePath(QStringLiteral("5")));
    EXPECT_TRUE(logos.exists(QStringLiteral("0gracias.wxg")));
    EXPECT_FALSE(ShownUnder(QStringLiteral("0gracias.wxg"), 1));
    EXPECT_TRUE(ShownUnder(QStringLiteral("smiley.wxg"), 1));
}

TEST(CalendarArtwork, AllMonthGridsWeekdaysAndDesignsShareOneCanvas) {
    namespace names = calendar_artwork;
    const QDir calendars(QDir(ProgramFolder()).filePath(QStringLiteral("Calendars")));
    Picture first;
    ASSERT_TRUE(LoadInfo(calendars.filePath(names::WeekdayNamesFile(0)), first));
    auto sameCanvas = [&](const QString& relative) {
        Picture p;
        ASSERT_TRUE(LoadInfo(calendars.filePath(relative), p)) << relative.toStdString();
        EXPECT_EQ(p.transparent, 1) << relative.toStdString();
        EXPECT_NEAR(Millimetres(p.width, p.resolution), Millimetres(first.width, first.resolution),
                    0.5)
            << relative.toStdString();
        EXPECT_NEAR(Millimetres(p.height, p.resolution),
                    Millimetres(first.height, first.resolution), 0.5)
            << relative.toStdString();
    };
    sameCanvas(names::WeekdayNamesFile(1));
    for (int day = 0; day < 7; ++day)
        for (int length = names::kShortestMonth; length <= names::kLongestMonth; ++length)
            sameCanvas(names::MonthGridFile(day, length));
    const QStringList designs = QDir(calendars.filePath(names::DesignFolder()))
                                    .entryList({names::DesignPattern()}, QDir::Files);
    // The nine designs keep their names, which documents may show.
    QStringList expected = QString::fromUtf8(
                               "Animales Cumpleaños Dinosaurios Espacio Invierno Mar Otoño "
                               "Primavera Verano")
                               .split(QLatin1Char(' '));
    QStringList found;
    for (const QString& d : designs)
        found << d.chopped(4);
    found.sort();
    expected.sort();
    EXPECT_EQ(found, expected);
    for (const QString& d : designs)
        sameCanvas(names::DesignFile(d.chopped(4)));
    // The title frame (50 mm in, 65 mm wide) lies inside the canvas.
    EXPECT_GT(Millimetres(first.width, first.resolution), 115);
    EXPECT_EQ(names::MonthGridFile(1, 29), QStringLiteral("months/129.wxg"));
    EXPECT_EQ(names::FirstDayDigit(0), 6);
    EXPECT_EQ(names::FirstDayDigit(1), 0);
}

int InkPixels(const QString& family, const QString& text) {
    QImage image(400, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont font(family);
    font.setPixelSize(80);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(image.rect(), Qt::AlignCenter, text);
    p.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

TEST(ProductFonts, AllSixFacesAreRegisteredAndTheOutlineFacesAreHollow) {
    const QStringList registered = RegisterProductFonts(ProgramFolder());
    const QStringList families = QFontDatabase::families();
    for (const char* name : kProductTypefaces) {
        EXPECT_TRUE(families.contains(QLatin1String(name))) << name;
        EXPECT_TRUE(registered.contains(QLatin1String(name))) << name;
        EXPECT_TRUE(IsProductTypeface(QLatin1String(name)));
    }
    EXPECT_FALSE(IsProductTypeface(QStringLiteral("blotwell")));
    // A second call adds nothing twice.
    RegisterProductFonts(ProgramFolder());
    EXPECT_EQ(QFontDatabase::families().count(QStringLiteral("Blotwell")), 1);

    EXPECT_LT(InkPixels("BlotwellOutline", "HOLA") * 10, InkPixels("Blotwell", "HOLA") * 7);
    EXPECT_LT(InkPixels("BlotwellFitcapsOutline", "HOLA") * 10,
              InkPixels("BlotwellFitCaps", "HOLA") * 7);
    // The capitals face writes small letters as capitals.
    // (the same glyphs; only kerning between them may differ)
    const int capitals = InkPixels("BlotwellFitCaps", "HOLA");
    EXPECT_NEAR(InkPixels("BlotwellFitCaps", "hola"), capitals, capitals / 50);
}

}  // namespace
}  // namespace quenby
