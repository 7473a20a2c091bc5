// Where the browser's preview draws a face, and what a row's small picture shows.
#include "library/TemplatePreview.h"
#include "library/TemplateRowPicture.h"

#include "TemplateTestSupport.h"
#include "document/DocumentController.h"
#include "print/PaperLayout.h"

#include <QImage>

#include <gtest/gtest.h>

namespace quenby {
namespace {

constexpr ColourRef kRed = 0x0000FF;
constexpr QSize kBox(300, 300);

// An A4 card of `fold`.
struct Card : Document {
    explicit Card(int fold) {
        isCard = kCard;
        cardType = static_cast<std::uint16_t>(fold);
        paperSize = 1;
    }
};

// A card's face with its flap a tenth of the face all round fits 90 % of the box along
// its longer side, centred.
TEST(TemplatePreviewPlacement, ACardWithItsFlapFitsNinetyPercentOfTheBoxCentred) {
    // Fold 3: a quarter of A4, 397 × 562 pixels at 100 %; 475 × 674 with the flap.
    const Card card(3);
    const PreviewPlacement at = PlacePreview(card, kBox, test::kTemplatePixelsPerMm);
    EXPECT_EQ(at.zoomPercent, 40);  // 300 × 90 / 674, the taller side
    // 159 × 225 at 40 %, with 15 and 22 pixels of flap: 189 × 269 centred in 300 × 300.
    EXPECT_EQ(at.face, QRect(55 + 15, 15 + 22, 159, 225));

    // Fold 0, wider than high: the width decides. A half A4 sheet, 794 × 562 at 100 %.
    const PreviewPlacement wide = PlacePreview(Card(0), kBox, test::kTemplatePixelsPerMm);
    EXPECT_EQ(wide.zoomPercent, 300 * 90 / (794 + 2 * 79));
    const QRect widened = WidenedPageRect(Card(0), wide.zoomPercent, test::kTemplatePixelsPerMm);
    EXPECT_EQ(wide.face.left() + widened.left(), (300 - widened.width()) / 2);
    EXPECT_EQ(wide.face.top() + widened.top(), (300 - widened.height()) / 2);
}

TEST(TemplatePreviewPlacement, APageSetFitsNinetyPercentOfTheBoxCentred) {
    Document posters;
    posters.isCard = kPageSet;
    posters.paperSize = 1;
    posters.orientation = 1;
    posters.tilesAcross = 2;
    // Two landscape A4 sheets side by side: 2246 × 794 pixels at 100 %.
    const PreviewPlacement at = PlacePreview(posters, kBox, test::kTemplatePixelsPerMm);
    EXPECT_EQ(at.zoomPercent, 12);  // 300 × 90 / 2246
    EXPECT_EQ(at.face, QRect(15, 102, 270, 96));
    // Its shadow, 8 pixels right and down, stays in the box too.
    EXPECT_TRUE(QRect(QPoint(0, 0), kBox).contains(at.face.translated(8, 8)));

    // One portrait sheet: taller than wide, the height decides.
    posters.orientation = 0;
    posters.tilesAcross = 1;
    const PreviewPlacement sheet = PlacePreview(posters, kBox, test::kTemplatePixelsPerMm);
    EXPECT_EQ(sheet.zoomPercent, 300 * 90 / 1123);
    EXPECT_TRUE(QRect(QPoint(0, 0), kBox).contains(sheet.face.translated(8, 8)));
}

TEST(TemplatePreviewPlacement, NothingIsPlacedWithoutALayoutOrABox) {
    EXPECT_TRUE(PlacePreview(Document{}, kBox, test::kTemplatePixelsPerMm).face.isEmpty());
    EXPECT_TRUE(PlacePreview(Card(3), QSize(0, 0), test::kTemplatePixelsPerMm).face.isEmpty());
    // A box too small for any zoom still shows the face, at 1 %.
    EXPECT_EQ(PlacePreview(Card(3), QSize(3, 3), test::kTemplatePixelsPerMm).zoomPercent, 1);
}

// The preview draws the document's current face as the page view would, and leaves the
// document as it was.
TEST(TemplatePreviewWidget, DrawsTheCurrentFaceInsideItsFrame) {
    test::TemplateFolder folder;
    const QString path = folder.Put(1, QStringLiteral("A.wxd"), test::CardTemplate(kRed, 1));
    Document doc;
    test::FakeMessages messages;
    ASSERT_TRUE(DocumentController::LoadWithoutWindow(path, doc, messages));
    TemplatePreview preview(test::kTemplatePixelsPerMm);
    preview.ShowDocument(&doc);
    const QImage shot = preview.grab().toImage();
    const QRect face = preview.Placement().face;
    ASSERT_FALSE(face.isEmpty());
    // The red box covers the left half of the front; the right half is the white page.
    EXPECT_EQ(shot.pixelColor(face.left() + face.width() / 4, face.center().y()), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(face.left() + face.width() * 3 / 4, face.center().y()),
              QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::black));  // the frame
    EXPECT_EQ(doc.elements.At(0)->selected, 0);
    EXPECT_EQ(doc.currentPage, 0);

    preview.ShowDocument(nullptr);
    const QImage empty = preview.grab().toImage();
    EXPECT_NE(empty.pixelColor(face.left() + face.width() / 4, face.center().y()), QColor(Qt::red));
}

// Red blended into white: a pixel on the soft edge of a red shape on the white page.
bool Blended(QRgb c) {
    return qRed(c) == 255 && qGreen(c) > 0 && qGreen(c) < 255 && qGreen(c) == qBlue(c);
}

TEST(TemplatePreviewWidget, AndRowPictureShowShapesWithSmoothEdges) {
    Card doc(3);
    doc.pageColour = kWhite;
    ElementPtr disc = test::FilledBox(0, 200, 200, 1200, 1200, kRed);
    disc->kind = ElementKind::Ellipse;
    doc.elements.Append(std::move(disc));
    TemplatePreview preview(test::kTemplatePixelsPerMm);
    preview.ShowDocument(&doc);
    const QImage shot = preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int soft = 0, red = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            soft += Blended(shot.pixel(x, y));
            red += shot.pixel(x, y) == qRgb(255, 0, 0);
        }
    }
    EXPECT_GT(red, 100);
    EXPECT_GT(soft, 20);  // round the disc's edge

    const QImage row = template_row_picture::Draw(doc, test::kTemplatePixelsPerMm);
    int rowSoft = 0;
    for (int y = 0; y < row.height(); ++y) {
        for (int x = 0; x < row.width(); ++x) {
            rowSoft += Blended(row.pixel(x, y));
        }
    }
    EXPECT_GT(rowSoft, 3);
}

TEST(TemplateRowPicture, ShowsTheFrontFaceOnItsPageColourWithAnEdge) {
    test::TemplateFolder folder;
    // Red on the left half of the front; a red box inside too, which must not show.
    const QString path =
        folder.Put(1, QStringLiteral("A.wxd"), test::CardTemplate(kRed, 1, 0x00FFFF));
    const QImage picture = template_row_picture::Load(path, test::kTemplatePixelsPerMm);
    ASSERT_EQ(picture.size(), QSize(template_row_picture::kSize, template_row_picture::kSize));

    // The card is taller than wide: it fills the height, less a pixel at each end.
    int left = -1;
    int right = -1;
    const int middle = template_row_picture::kSize / 2;
    for (int x = 0; x < picture.width(); ++x) {
        if (qAlpha(picture.pixel(x, middle)) == 255) {
            right = x;
            if (left < 0) {
                left = x;
            }
        }
    }
    ASSERT_GE(left, 0);
    EXPECT_EQ(picture.pixelColor(left, middle), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(right, middle), QColor(Qt::black));
    EXPECT_EQ(qAlpha(picture.pixel(0, middle)), 0);  // transparent beside the card
    EXPECT_EQ(picture.pixelColor(left + (right - left) / 4, middle), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(left + (right - left) * 3 / 4, middle), QColor(Qt::yellow));
    EXPECT_EQ(qAlpha(picture.pixel(middle, 1)), 255);
    EXPECT_EQ(qAlpha(picture.pixel(middle, 0)), 0);
}

TEST(TemplateRowPicture, AFileThatCannotBeReadGivesTheEmptyPictureSilently) {
    test::TemplateFolder folder;
    const QString damaged = folder.Put(1, QStringLiteral("B.wxd"), {'W', 'X'});
    for (const QString& path : {damaged, folder.PathOf(1, QStringLiteral("missing.wxd"))}) {
        const QImage picture = template_row_picture::Load(path, test::kTemplatePixelsPerMm);
        ASSERT_EQ(picture.size(), QSize(template_row_picture::kSize, template_row_picture::kSize));
        bool blank = true;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                blank = blank && qAlpha(picture.pixel(x, y)) == 0;
            }
        }
        EXPECT_TRUE(blank);
    }
    EXPECT_TRUE(folder.art.messages.shown.empty());
}

}  // namespace
}  // namespace quenby
