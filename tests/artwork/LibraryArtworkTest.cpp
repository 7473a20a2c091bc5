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

TEST(LibraryArtwork, EveryCategoryHoldsLoadableTransparentPictures) {
    const QDir images(QDir(ProgramFolder()).filePath(QStringLiteral("Images")));
    ASSERT_TRUE(QFile::exists(images.filePath(QStringLiteral("images.def"))));
    int sized = 0, total = 0;
    for (int category = 1; category <= 7; ++category) {
        const QDir folder(images.filePath(QString::number(category)));
        const QStringList files = folder.entryList({QStringLiteral("*.wxg")}, QDir::Files);
        int everyLanguage = 0;
        QSet<QChar> languages;
        for (const QString& name : files) {
            Picture p;
            ASSERT_TRUE(LoadInfo(folder.filePath(name), p)) << name.toStdString();
            EXPECT_EQ(p.transparent, 1) << name.toStdString();
            if (name.front().isDigit())
                languages.insert(name.front());
            else
                ++everyLanguage;
            const double longSide = Millimetres(std::max(p.width, p.height), p.resolution);
            sized += longSide >= 30 && longSide <= 120;
            ++total;
        }
        EXPECT_GE(everyLanguage, 25) << "category " << category;
    }
    EXPECT_GE(sized * 10, total * 9) << "most pictures print 3 to 12 cm";
    // Pictures with words exist for Spanish and English.
    for (const char* name : {"7/0cumpleanos.wxg", "7/1cumpleanos.wxg"}) {
        Picture p;
        EXPECT_TRUE(LoadInfo(images.filePath(QLatin1String(name)), p)) << name;
    }
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
    EXPECT_GE(designs.size(), 8);
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
