// The font lists: which fonts they list, the styles with the three made from the
// first, the product typefaces in red while they are marked, rows in their own faces.
#include "controls/FontList.h"
#include "graphics/FontRows.h"
#include "graphics/FontSource.h"
#include "graphics/ProductFonts.h"
#include "platform/ArtworkLocations.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace quenby {
namespace {

// Fonts of every kind, including the raster fonts this machine does not have.
class FakeFonts final : public FontSource {
public:
    void Add(const QString& family, EnumeratedFont::Kind kind, bool fixed = false) {
        EnumeratedFont f;
        f.logFont.SetFace(family);
        f.logFont.weight = 400;
        f.logFont.pitchAndFamily = fixed ? 1 : 2;
        f.kind = kind;
        families.push_back(f);
    }
    void AddStyle(const QString& family, const QString& style, int weight, bool italic,
                  EnumeratedFont::Kind kind) {
        EnumeratedFont f;
        f.logFont.SetFace(family);
        f.logFont.weight = weight;
        f.logFont.italic = italic;
        f.kind = kind;
        f.styleText = style;
        styles[family].push_back(f);
    }
    std::vector<EnumeratedFont> Families() const override { return families; }
    std::vector<EnumeratedFont> StylesOf(const QString& family) const override {
        const auto it = styles.find(family);
        return it == styles.end() ? std::vector<EnumeratedFont>{} : it->second;
    }

    std::vector<EnumeratedFont> families;
    std::map<QString, std::vector<EnumeratedFont>> styles;
};

QStringList RowTexts(const FontList& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts.append(list.item(i)->text());
    }
    return texts;
}

QStringList RowTexts(const std::vector<FontEntry>& rows, bool styles) {
    QStringList texts;
    for (const FontEntry& row : rows) {
        texts.append(styles ? row.styleName : row.logFont.Face());
    }
    return texts;
}

using Kind = EnumeratedFont::Kind;

TEST(FontRows, FaceModeListsTheKindsTheFilterAsksFor) {
    FakeFonts fonts;
    fonts.Add(QStringLiteral("Outline"), Kind::Outline);
    fonts.Add(QStringLiteral("Fixedsys"), Kind::Bitmap, true);
    fonts.Add(QStringLiteral("Printer"), Kind::Device);
    fonts.Add(QStringLiteral("Mono"), Kind::Outline, true);
    fonts.Add(QStringLiteral("Outline"), Kind::Outline);  // listed twice: one row
    EXPECT_EQ(RowTexts(ListFontRows(fonts, fontfilter::kTrueType, {}), false),
              QStringList({"Outline", "Mono"}));
    EXPECT_EQ(RowTexts(ListFontRows(fonts, fontfilter::kRaster | fontfilter::kDevice, {}), false),
              QStringList({"Fixedsys", "Printer"}));
    EXPECT_EQ(RowTexts(ListFontRows(fonts, 0x07 | fontfilter::kFixedPitchOnly, {}), false),
              QStringList({"Fixedsys", "Mono"}));
    const auto all = ListFontRows(fonts, 0x07, {});
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0].fontType, kTrueTypeFontType);
    EXPECT_EQ(all[1].fontType, kRasterFontType);
    EXPECT_EQ(all[2].fontType, kDeviceFontType);
}

TEST(FontRows, StylesOfARasterFamilyAreNamedAndCompletedWithThreeMore) {
    FakeFonts fonts;
    fonts.AddStyle(QStringLiteral("Fixedsys"), QStringLiteral("Regular"), 400, false, Kind::Bitmap);
    EXPECT_EQ(
        RowTexts(ListFontRows(fonts, fontfilter::kStyleMode | 0x07, QStringLiteral("Fixedsys")),
                 true),
        QStringList({"Normal", "Negritas", "Cursiva", "Cursiva en negritas"}));

    // A raster style of weight 400 with the italic flag is "Cursiva"; the made-up
    // "Cursiva" is then not repeated.
    FakeFonts slanted;
    slanted.AddStyle(QStringLiteral("Terminal"), QStringLiteral("Italic"), 400, true, Kind::Bitmap);
    slanted.AddStyle(QStringLiteral("Terminal"), QStringLiteral("Heavy"), 800, false, Kind::Bitmap);
    const auto rows =
        ListFontRows(slanted, fontfilter::kStyleMode | 0x07, QStringLiteral("Terminal"));
    EXPECT_EQ(RowTexts(rows, true), QStringList({"Cursiva", "Negritas", "Cursiva en negritas"}));
    // The made-up styles take the first row's record and change weight and slant.
    EXPECT_EQ(rows[2].logFont.weight, 700);
    EXPECT_EQ(rows[2].logFont.italic, 1);
    EXPECT_EQ(rows[2].logFont.Face(), QStringLiteral("Terminal"));

    // Outline fonts keep their own style names; the Spanish ones are added.
    FakeFonts outline;
    outline.AddStyle(QStringLiteral("Sans"), QStringLiteral("Book"), 400, false, Kind::Outline);
    outline.AddStyle(QStringLiteral("Sans"), QStringLiteral("Bold"), 700, false, Kind::Outline);
    EXPECT_EQ(RowTexts(ListFontRows(outline, fontfilter::kStyleMode, QStringLiteral("Sans")), true),
              QStringList({"Book", "Bold", "Negritas", "Cursiva", "Cursiva en negritas"}));
    // No family of that name: nothing, not even made-up styles.
    EXPECT_TRUE(ListFontRows(outline, fontfilter::kStyleMode, QString()).empty());
}

TEST(FontRows, StyleNamesByWeightAndSlant) {
    EXPECT_EQ(StyleNameFor(400, false), QStringLiteral("Normal"));
    EXPECT_EQ(StyleNameFor(300, true), QStringLiteral("Cursiva"));
    EXPECT_EQ(StyleNameFor(401, false), QStringLiteral("Negritas"));
    EXPECT_EQ(StyleNameFor(900, true), QStringLiteral("Cursiva en negritas"));
}

TEST(InstalledFonts, ListsTheMachinesFamiliesAndTheProductsOwn) {
    RegisterProductFonts(ArtworkLocations::DefaultProgramFolder());
    const InstalledFonts installed;
    const auto families = installed.Families();
    QStringList names;
    for (const EnumeratedFont& f : families) {
        names.append(f.logFont.Face());
        EXPECT_TRUE(InstalledFonts::CanBeStored(f.logFont.Face()));
    }
    EXPECT_TRUE(names.contains(QStringLiteral("DejaVu Sans")));
    for (const char* face : kProductTypefaces) {
        EXPECT_TRUE(names.contains(QString::fromLatin1(face))) << face;
    }
    const auto styles = installed.StylesOf(QStringLiteral("DejaVu Sans"));
    ASSERT_FALSE(styles.empty());
    bool bold = false;
    for (const EnumeratedFont& s : styles) {
        bold |= s.logFont.weight == 700;
    }
    EXPECT_TRUE(bold);
    EXPECT_TRUE(installed.StylesOf(QStringLiteral("No Such Family 42")).empty());

    EXPECT_FALSE(InstalledFonts::CanBeStored(QString(32, QLatin1Char('A'))));
    EXPECT_TRUE(InstalledFonts::CanBeStored(QString(31, QLatin1Char('A'))));
    EXPECT_FALSE(InstalledFonts::CanBeStored(QStringLiteral("Noto Sans 中文")));
    EXPECT_FALSE(InstalledFonts::CanBeStored(QString()));
}

struct FontListFixture : ::testing::Test {
    FontListFixture() {
        RegisterProductFonts(ArtworkLocations::DefaultProgramFolder());
        fonts.Add(QStringLiteral("DejaVu Sans"), Kind::Outline);
        fonts.Add(QStringLiteral("Blotwell"), Kind::Outline);
        fonts.Add(QStringLiteral("blotwell"), Kind::Outline);  // not the product's
        fonts.Add(QStringLiteral("DejaVu Serif"), Kind::Outline);
        fonts.Add(QStringLiteral("RavelockWizard"), Kind::Outline);
    }
    ~FontListFixture() override { SetMarkProductFonts(true); }

    // Pure red pixels in the rectangle of a row, as the list draws it.
    int RedPixels(FontList& list, int row) {
        list.resize(300, 200);
        list.show();
        const QImage image = list.viewport()->grab().toImage();
        const QRect rect = list.visualItemRect(list.item(row)) & image.rect();
        int red = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                red += QColor(image.pixel(x, y)) == QColor(255, 0, 0);
            }
        }
        return red;
    }

    FakeFonts fonts;
};

TEST_F(FontListFixture, ProductTypefacesAreRedOnlyWhileMarked) {
    FontList list(nullptr, &fonts);
    list.Fill();
    ASSERT_EQ(RowTexts(list), QStringList({"DejaVu Sans", "Blotwell", "blotwell", "DejaVu Serif",
                                           "RavelockWizard"}));
    EXPECT_EQ(list.currentRow(), 0);  // the first row is selected after filling

    SetMarkProductFonts(true);
    EXPECT_GT(RedPixels(list, 1), 20);
    EXPECT_GT(RedPixels(list, 4), 20);
    EXPECT_EQ(RedPixels(list, 0), 0);
    EXPECT_EQ(RedPixels(list, 2), 0);  // the case of a face name counts
    list.setCurrentRow(1);             // red even on the selected row
    EXPECT_GT(RedPixels(list, 1), 20);

    SetMarkProductFonts(false);
    list.viewport()->update();
    EXPECT_EQ(RedPixels(list, 1), 0);
    EXPECT_EQ(RedPixels(list, 4), 0);
}

TEST_F(FontListFixture, RowsAreWrittenInTheirOwnTypeface) {
    FontList list(nullptr, &fonts);
    list.Fill();
    for (int row : {0, 1, 3, 4}) {
        EXPECT_EQ(QFontInfo(list.RowFont(row)).family(), list.item(row)->text());
    }
    // The row height follows the row font: 14 points, or what the list is asked for.
    const int dpi = list.logicalDpiY();
    EXPECT_EQ(list.RowFontHeight(), int(std::lround(dpi * 14 / 72.0)));
    EXPECT_EQ(list.visualItemRect(list.item(2)).height(), list.RowFontHeight() + 2);
    list.SetRowPointSize(12);
    EXPECT_EQ(list.RowFontHeight(), int(std::lround(dpi * 12 / 72.0)));
    EXPECT_EQ(list.visualItemRect(list.item(2)).height(), list.RowFontHeight() + 2);
    // The text of face rows is indented, that of style rows is not.
    list.resize(300, 200);
    list.show();
    const QImage image = list.viewport()->grab().toImage();
    const QRect first = list.visualItemRect(list.item(4));
    int leftmost = first.right();
    for (int y = first.top(); y <= first.bottom(); ++y) {
        for (int x = first.left(); x <= first.right(); ++x) {
            if (QColor(image.pixel(x, y)) == QColor(255, 0, 0)) {
                leftmost = std::min(leftmost, x);
            }
        }
    }
    EXPECT_GE(leftmost, first.left() + 20);
    EXPECT_LE(leftmost, first.left() + 26);
}

TEST_F(FontListFixture, RefillingKeepsTheSelectedRowAndStylesFollowTheFace) {
    FontList faces(nullptr, &fonts);
    faces.Fill();
    ASSERT_TRUE(faces.SelectRowText(QStringLiteral("DejaVu Serif")));
    fonts.families.erase(fonts.families.begin());  // a family goes away
    faces.Fill();
    EXPECT_EQ(faces.currentItem()->text(), QStringLiteral("DejaVu Serif"));
    LogFont wanted;
    wanted.SetFace(QStringLiteral("RavelockWizard"));
    EXPECT_TRUE(faces.SelectFace(wanted));
    EXPECT_EQ(faces.SelectedFont()->Face(), QStringLiteral("RavelockWizard"));
    wanted.SetFace(QStringLiteral("Not Here"));
    EXPECT_FALSE(faces.SelectFace(wanted));

    fonts.AddStyle(QStringLiteral("Sans"), QStringLiteral("Book"), 400, false, Kind::Outline);
    fonts.AddStyle(QStringLiteral("Serif"), QStringLiteral("Roman"), 400, false, Kind::Outline);
    FontList styles(nullptr, &fonts);
    styles.ShowStylesOf(QStringLiteral("Sans"));
    EXPECT_TRUE(styles.IsStyleMode());
    EXPECT_EQ(styles.TypeFilter() & 0x07, 0x07);
    ASSERT_TRUE(styles.SelectRowText(QStringLiteral("Cursiva")));
    styles.ShowStylesOf(QStringLiteral("Serif"));
    EXPECT_EQ(RowTexts(styles),
              QStringList({"Roman", "Negritas", "Cursiva", "Cursiva en negritas"}));
    EXPECT_EQ(styles.currentItem()->text(), QStringLiteral("Cursiva"));
    const auto font = styles.SelectedFont();
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->italic, 1);
    EXPECT_EQ(font->weight, 400);

    // A family without styles leaves the list empty and nothing selected.
    styles.ShowStylesOf(QStringLiteral("Nothing"));
    EXPECT_EQ(styles.count(), 0);
    EXPECT_FALSE(styles.SelectedFont().has_value());
    styles.ShowStylesOf(QString());
    EXPECT_EQ(styles.StyleFace(), QStringLiteral("System"));
}

}  // namespace
}  // namespace quenby
