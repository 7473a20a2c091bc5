// The shipped templates: every one loads as the template browser loads it, lies on
// its faces, and each category offers some in the default language. And the builder
// that makes them refuses descriptions that would make a poor template.
#include "TemplateBuilder.h"
#include "TemplatePictures.h"

#include "document/Document.h"
#include "document/DocumentController.h"
#include "document/DocumentFile.h"
#include "document/ElementGeometry.h"
#include "document/ElementOwner.h"
#include "document/PageDrawing.h"
#include "platform/ByteSource.h"
#include "platform/DeviceContext.h"
#include "platform/Dib.h"
#include "support/Fakes.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>

#include <gtest/gtest.h>

namespace quenby {
namespace {

constexpr double kPixelsPerMm = 96.0 / 25.4;

QString TemplatesFolder() {
    return QFileInfo(QStringLiteral(QUENBY_TOOL))
        .dir()
        .filePath(QStringLiteral("../share/quenby/Templates"));
}

QStringList TemplateFiles(int category) {
    QDir folder(TemplatesFolder() + QLatin1Char('/') + QString::number(category));
    QStringList files;
    for (const QString& name : folder.entryList({QStringLiteral("*.wxd")}, QDir::Files)) {
        files << folder.filePath(name);
    }
    return files;
}

// The browser's language rule: a name that starts with a digit belongs to that language.
bool ListedFor(const QString& file, int language) {
    const QChar first = QFileInfo(file).fileName().at(0);
    return !first.isDigit() || first.digitValue() == language;
}

TEST(TemplatesTest, EveryCategoryOffersTemplatesInTheDefaultLanguage) {
    int languageOwn = 0;
    for (int category = 1; category <= 12; ++category) {
        SCOPED_TRACE(category);
        const QStringList files = TemplateFiles(category);
        int listed = 0;
        for (const QString& f : files) {
            listed += ListedFor(f, 0);
            languageOwn += QFileInfo(f).fileName().at(0).isDigit();
        }
        EXPECT_GE(listed, 3);
    }
    EXPECT_GT(languageOwn, 12);  // texts in the language of the names, not only pictures
}

TEST(TemplatesTest, EveryTemplateLoadsQuietlyAndLiesOnItsFaces) {
    int checked = 0;
    for (int category = 1; category <= 12; ++category) {
        for (const QString& path : TemplateFiles(category)) {
            SCOPED_TRACE(path.toStdString());
            Document doc;
            test::FakeMessages messages;
            ASSERT_TRUE(DocumentController::LoadWithoutWindow(path, doc, messages));
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_FALSE(doc.modified);
            ASSERT_TRUE(doc.isCard == kCard || doc.isCard == kPageSet);
            ASSERT_GT(doc.elements.Count(), 0);

            const QSizeF faceMm = templates::TemplateBuilder::FaceSizeMm(doc);
            const double unitsPerMm = 4 * kPixelsPerMm;
            const double bleed = 3.5 * unitsPerMm;
            bool frontUsed = false;
            for (const Element& e : doc.elements) {
                EXPECT_LT(e.page, doc.isCard == kCard ? 4 : 1);
                frontUsed |= e.page == 0;
                const ElementBox b = RawBounds(e);
                EXPECT_GE(b.left, -bleed);
                EXPECT_GE(b.top, -bleed);
                EXPECT_LE(b.right, faceMm.width() * unitsPerMm + bleed);
                EXPECT_LE(b.bottom, faceMm.height() * unitsPerMm + bleed);
                if (e.kind == ElementKind::Picture) {
                    ASSERT_TRUE(e.picture);
                    EXPECT_EQ(e.picture->BitCount(), 8);
                    EXPECT_EQ(e.picture->ColourCount(), 256);
                }
                if (HasTextBlock(e.kind)) {
                    ASSERT_TRUE(e.text);
                    EXPECT_FALSE(e.text->Text().isEmpty());
                    EXPECT_FALSE(e.text->Text().contains(QLatin1String("{year}")));
                }
            }
            EXPECT_TRUE(frontUsed);
            ++checked;
        }
    }
    EXPECT_GE(checked, 36);
}

TEST(TemplatesTest, FrontFacesDrawSomethingBesideThePaper) {
    for (const QString& path :
         {TemplateFiles(1).value(0), TemplateFiles(3).value(0), TemplateFiles(8).value(0)}) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        MemorySource source(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                      std::size_t(bytes.size())));
        Document doc;
        FixedOwner owner(25);
        ASSERT_EQ(wxd::ReadDocument(source, doc), wxd::ReadOutcome::Loaded);
        const QSizeF faceMm = templates::TemplateBuilder::FaceSizeMm(doc);
        QImage image(int(faceMm.width() * kPixelsPerMm / 4) + 1,
                     int(faceMm.height() * kPixelsPerMm / 4) + 1, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            DeviceContext dc(painter);
            DrawPage(doc, doc.currentPage, dc, owner, false, 0, 0);
        }
        int coloured = 0;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2) {
                coloured += image.pixel(x, y) != qRgb(255, 255, 255);
            }
        }
        EXPECT_GT(coloured, image.width() * image.height() / 40);
    }
}

QJsonObject Describe(const char* json) {
    return QJsonDocument::fromJson(QByteArray(json)).object();
}

TEST(TemplatesTest, BuilderRefusesWhatWouldMakeAPoorTemplate) {
    templates::TemplateBuilder builder(
        QStringLiteral(QUENBY_SOURCE_DIR "/artwork/templates/pictures"), 2027, kPixelsPerMm);
    Document doc;
    // A quarter-fold portrait face is 105 x 148.5 mm.
    EXPECT_TRUE(builder.Build(
        Describe(R"({"card": 5, "elements": [{"kind": "box", "at": [0, 0, 105, 148.5]}]})"), doc));
    EXPECT_EQ(doc.elements.Count(), 1);
    EXPECT_EQ(doc.elements[0]->selected, 0);
    EXPECT_FALSE(builder.Build(
        Describe(R"({"card": 5, "elements": [{"kind": "box", "at": [50, 0, 60, 20]}]})"), doc));
    EXPECT_FALSE(builder.Build(
        Describe(R"({"card": 5, "elements": [{"kind": "box", "face": 4, "at": [0, 0, 5, 5]}]})"),
        doc));
    // A page set has one face only.
    EXPECT_FALSE(builder.Build(
        Describe(
            R"({"pageSet": [1, 1], "elements": [{"kind": "box", "face": 1, "at": [0, 0, 5, 5]}]})"),
        doc));
    EXPECT_FALSE(builder.Build(
        Describe(
            R"({"card": 5, "elements": [{"kind": "picture", "picture": "nothing", "at": [0, 0, 5, 5]}]})"),
        doc));
    EXPECT_FALSE(builder.Build(
        Describe(
            R"({"card": 5, "elements": [{"kind": "text", "text": "Ω", "at": [0, 0, 50, 0]}]})"),
        doc));
    EXPECT_FALSE(builder.Build(
        Describe(R"({"card": 5, "elements": [{"kind": "star", "at": [0, 0, 5, 5]}]})"), doc));
    EXPECT_FALSE(builder.Errors().isEmpty());
}

TEST(TemplatesTest, BuilderSizesTextsAndPicturesByTheirOwnProportions) {
    templates::TemplateBuilder builder(
        QStringLiteral(QUENBY_SOURCE_DIR "/artwork/templates/pictures"), 2027, kPixelsPerMm);
    Document doc;
    ASSERT_TRUE(builder.Build(Describe(R"({"pageSet": [2, 1], "orientation": 1, "elements": [
        {"kind": "text", "at": [10, 10, 100, 0], "text": "¡Año {year}!"},
        {"kind": "picture", "picture": "crown", "at": [10, 60, 400, 0]}]})"),
                              doc));
    EXPECT_EQ(doc.isCard, kPageSet);
    EXPECT_EQ(doc.tilesAcross, 2);
    EXPECT_EQ(doc.orientation, 1);
    EXPECT_EQ(templates::TemplateBuilder::FaceSizeMm(doc), QSizeF(594, 210));

    const Element& text = *doc.elements[0];
    EXPECT_EQ(text.text->Text(), QStringLiteral("¡Año 2027!"));
    const double w = text.corners[1].x - text.corners[0].x;
    const double h = text.corners[3].y - text.corners[0].y;
    EXPECT_NEAR(w, 100 * 4 * kPixelsPerMm, 0.5);
    EXPECT_GT(w / h, 3.0);  // one line of ten letters is much wider than high
    EXPECT_LT(w / h, 12.0);

    // The crown drawing is four times as wide as high; its cut-out edge has no
    // half-covered pixels, so only index 255 is left out.
    const Element& crown = *doc.elements[1];
    ASSERT_TRUE(crown.picture);
    EXPECT_EQ(crown.transparent, 1);
    EXPECT_NEAR(
        (crown.corners[1].x - crown.corners[0].x) / (crown.corners[3].y - crown.corners[0].y), 4.0,
        0.05);
    EXPECT_EQ(crown.picture->Colour(255) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(TemplatesTest, MonthPictureIsAnOpaqueEightBitSheet) {
    const std::unique_ptr<Dib> month =
        templates::MonthPicture(2027, 2, QSize(280, 240), templates::MonthStyle{});
    ASSERT_TRUE(month);
    EXPECT_EQ(month->BitCount(), 8);
    EXPECT_EQ(month->Width(), 280);
    EXPECT_EQ(templates::MonthPicture(2027, 13, QSize(280, 240), {}), nullptr);
    // The band at the top carries the head colour.
    const QImage image = month->ToImage();
    EXPECT_EQ(image.pixel(3, 3) & 0xFFFFFF, 0x3A86FFu);
}

}  // namespace
}  // namespace quenby
