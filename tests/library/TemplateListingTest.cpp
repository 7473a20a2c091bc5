// Which templates a category lists, under which names and in which order.
#include "library/TemplateListing.h"

#include "LibraryTestSupport.h"

#include <gtest/gtest.h>

namespace quenby {
namespace {

using namespace template_listing;

QStringList Shown(const std::vector<TemplateEntry>& entries) {
    QStringList names;
    for (const TemplateEntry& e : entries) {
        names << e.shownName;
    }
    return names;
}

QStringList Files(const std::vector<TemplateEntry>& entries) {
    QStringList names;
    for (const TemplateEntry& e : entries) {
        names << e.fileName;
    }
    return names;
}

void Touch(const test::ArtworkFolder& art, const QString& relative) {
    art.Put(relative, {'W', 'X', 'Q', 'U'});
}

TEST(TemplateListing, LanguageTemplatesLoseTheirDigitAndGainABlank) {
    EXPECT_EQ(ShownName(QStringLiteral("2Abc"), 2), QStringLiteral("Abc "));
    EXPECT_EQ(ShownName(QStringLiteral("Def"), 2), QStringLiteral("Def"));
    EXPECT_EQ(ShownName(QStringLiteral("0Gracias"), 0), QStringLiteral("Gracias "));
    // Only the language's own digit is dropped; only the first character counts.
    EXPECT_EQ(ShownName(QStringLiteral("3Xyz"), 2), QStringLiteral("3Xyz"));
    EXPECT_EQ(ShownName(QStringLiteral("A2"), 2), QStringLiteral("A2"));
    EXPECT_EQ(ShownName(QStringLiteral("2"), 2), QStringLiteral(" "));
    // A language beyond 9 has no digit: names are shown as they stand.
    EXPECT_EQ(ShownName(QStringLiteral("1Abc"), 11), QStringLiteral("1Abc"));
    EXPECT_EQ(CategoryFolder(1), QStringLiteral("1"));
    EXPECT_EQ(CategoryFolder(12), QStringLiteral("12"));
}

TEST(TemplateListing, CategoryListsItsLanguageAndWordlessTemplatesSorted) {
    test::ArtworkFolder art;
    for (const char* name : {"Def.wxd", "3Xyz.wxd", "2Abc.wxd", "Ghi.WXD", "notes.txt",
                             ".hidden.wxd", "wxd", ".wxd", "2Zeta.wxd"}) {
        Touch(art, QStringLiteral("Templates/1/") + QString::fromUtf8(name));
    }
    QDir().mkpath(art.Path(QStringLiteral("Templates/1/folder.wxd")));
    const QString folder = art.Path(QStringLiteral("Templates/1"));

    const std::vector<TemplateEntry> listed = ListTemplates(folder, 2);
    EXPECT_EQ(Shown(listed), (QStringList{QStringLiteral("Abc "), QStringLiteral("Zeta "),
                                          QStringLiteral("Def"), QStringLiteral("Ghi")}));
    // Each row keeps the file it opens, the digit and the extension's case with it.
    EXPECT_EQ(Files(listed), (QStringList{QStringLiteral("2Abc.wxd"), QStringLiteral("2Zeta.wxd"),
                                          QStringLiteral("Def.wxd"), QStringLiteral("Ghi.WXD")}));
    EXPECT_EQ(Shown(ListTemplates(folder, 3)),
              (QStringList{QStringLiteral("Xyz "), QStringLiteral("Def"), QStringLiteral("Ghi")}));
    EXPECT_EQ(Shown(ListTemplates(folder, 10)),
              (QStringList{QStringLiteral("Def"), QStringLiteral("Ghi")}));
}

TEST(TemplateListing, MissingOrEmptyCategoriesListNothing) {
    test::ArtworkFolder art;
    QDir().mkpath(art.Path(QStringLiteral("Templates/4")));
    EXPECT_TRUE(ListTemplates(art.Path(QStringLiteral("Templates/4")), 0).empty());
    EXPECT_TRUE(ListTemplates(art.Path(QStringLiteral("Templates/5")), 0).empty());
    EXPECT_TRUE(ListTemplates(QString(), 0).empty());
}

// A name longer than 128 bytes, names the 8-bit character set cannot hold and a name
// that ends in a blank of its own each keep their own file; two names that differ only
// after the first 128 bytes stay two rows in a stable order.
TEST(TemplateListing, LongForeignAndBlankEndedNamesKeepTheirOwnFiles) {
    test::ArtworkFolder art;
    const QString stem(200, u'a');
    const QStringList written{stem + QStringLiteral("2.wxd"), stem + QStringLiteral("1.wxd"),
                              QString::fromUtf8("日本.wxd"), QString::fromUtf8("0Ñandú.wxd"),
                              QStringLiteral("Abc .wxd"), QStringLiteral("0Abc.wxd")};
    for (const QString& name : written) {
        Touch(art, QStringLiteral("Templates/2/") + name);
    }
    const std::vector<TemplateEntry> listed =
        ListTemplates(art.Path(QStringLiteral("Templates/2")), 0);
    ASSERT_EQ(listed.size(), std::size_t(written.size()));
    // Characters without a byte sort as '?' does, between the digits and the letters.
    EXPECT_EQ(Files(listed),
              (QStringList{QStringLiteral("0Abc.wxd"), QString::fromUtf8("0Ñandú.wxd"),
                           QString::fromUtf8("日本.wxd"), QStringLiteral("Abc .wxd"),
                           stem + QStringLiteral("1.wxd"), stem + QStringLiteral("2.wxd")}));
    // Both show as "Abc ", and each opens its own file.
    EXPECT_EQ(listed[0].shownName, QStringLiteral("Abc "));
    EXPECT_EQ(listed[3].shownName, QStringLiteral("Abc "));
    EXPECT_EQ(listed[1].shownName, QString::fromUtf8("Ñandú "));
    EXPECT_EQ(listed[4].shownName, stem + u'1');
    for (const TemplateEntry& e : listed) {
        EXPECT_TRUE(QFileInfo::exists(art.Path(QStringLiteral("Templates/2/") + e.fileName)))
            << e.fileName.toStdString();
    }
}

}  // namespace
}  // namespace quenby
