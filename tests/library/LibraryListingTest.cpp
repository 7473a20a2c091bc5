// Which picture files a category lists, in which order, under which language.
#include "library/LibraryListing.h"

#include "LibraryTestSupport.h"

#include <gtest/gtest.h>

namespace quenby {
namespace {

using namespace library_listing;

void Touch(const test::ArtworkFolder& art, const QString& relative, const QByteArray& content = {}) {
    art.Put(relative, std::vector<std::uint8_t>(content.begin(), content.end()));
}

TEST(LibraryListing, LanguageFilterShowsOwnLanguageAndLanguageFreeNames) {
    EXPECT_TRUE(PassesLanguageFilter(QStringLiteral("2castle.wxg"), 2));
    EXPECT_TRUE(PassesLanguageFilter(QStringLiteral("tower.wxg"), 2));
    EXPECT_FALSE(PassesLanguageFilter(QStringLiteral("1castle.wxg"), 2));
    EXPECT_TRUE(PassesLanguageFilter(QStringLiteral("0gracias.wxg"), 0));
    EXPECT_FALSE(PassesLanguageFilter(QStringLiteral("0gracias.wxg"), 3));
    // Only the first character counts, and only the ten ASCII digits are digits.
    EXPECT_TRUE(PassesLanguageFilter(QStringLiteral("x1.wxg"), 0));
    EXPECT_TRUE(PassesLanguageFilter(QString::fromUtf8("\u0663abc.wxg"), 0));
    // A language beyond 9 has no digit of its own: only names without one show.
    EXPECT_FALSE(PassesLanguageFilter(QStringLiteral("1a.wxg"), 12));
    EXPECT_TRUE(PassesLanguageFilter(QStringLiteral("a.wxg"), 12));
}

TEST(LibraryListing, NamesSortByTheBytesOfTheProductCharacterSet) {
    QStringList names{QStringLiteral("b.wxg"),        QStringLiteral("_x.wxg"),
                      QStringLiteral("B.wxg"),        QString::fromUtf8("éclair.wxg"),
                      QString::fromUtf8("€uro.wxg"), QStringLiteral("a.wxg"),
                      QStringLiteral("Zeta.wxg"),     QStringLiteral("a0.wxg")};
    SortByteWise(names);
    // Upper case before '_' before lower case; the euro sign (0x80) before é (0xE9),
    // although its UTF-8 form would sort after it.
    EXPECT_EQ(names, (QStringList{QStringLiteral("B.wxg"), QStringLiteral("Zeta.wxg"),
                                  QStringLiteral("_x.wxg"), QStringLiteral("a.wxg"),
                                  QStringLiteral("a0.wxg"), QStringLiteral("b.wxg"),
                                  QString::fromUtf8("€uro.wxg"),
                                  QString::fromUtf8("éclair.wxg")}));
}

TEST(LibraryListing, CategoryListsGraphicFilesOfTheLanguageSorted) {
    test::ArtworkFolder art;
    for (const char* name : {"tower.wxg", "2castle.wxg", "1castle.wxg", "Apple.WXG", "notes.txt",
                             ".hidden.wxg", "wxg", "zebra.wxg"}) {
        Touch(art, QStringLiteral("Images/3/") + QString::fromUtf8(name));
    }
    QDir().mkpath(art.Path(QStringLiteral("Images/3/folder.wxg")));
    const QString folder = art.Path(QStringLiteral("Images/3"));
    EXPECT_EQ(ListCategory(folder, 2), (QStringList{QStringLiteral("2castle.wxg"),
                                                    QStringLiteral("Apple.WXG"),
                                                    QStringLiteral("tower.wxg"),
                                                    QStringLiteral("zebra.wxg")}));
    EXPECT_EQ(ListCategory(folder, 0).size(), 3);
    EXPECT_EQ(CategoryFolder(0), QStringLiteral("1"));
    EXPECT_EQ(CategoryFolder(6), QStringLiteral("7"));
}

TEST(LibraryListing, MissingOrEmptyFoldersListNothing) {
    test::ArtworkFolder art;
    QDir().mkpath(art.Path(QStringLiteral("Images/1")));
    EXPECT_TRUE(ListCategory(art.Path(QStringLiteral("Images/1")), 0).isEmpty());
    EXPECT_TRUE(ListCategory(art.Path(QStringLiteral("Images/9")), 0).isEmpty());
    EXPECT_TRUE(ListCategory(QString(), 0).isEmpty());
    EXPECT_TRUE(ListDesigns(art.Path(QStringLiteral("Calendars/styles"))).isEmpty());
}

// Names as long as the file system allows, and names the 8-bit character set cannot
// write, are kept whole: each still opens its own file.
TEST(LibraryListing, LongAndForeignNamesEachKeepTheirOwnFile) {
    test::ArtworkFolder art;
    const QString stem(150, u'a');
    const QStringList written{stem + QStringLiteral("1.wxg"), stem + QStringLiteral("2.wxg"),
                              QString::fromUtf8("日本.wxg"), QString::fromUtf8("中国.wxg")};
    for (const QString& name : written) {
        Touch(art, QStringLiteral("Images/1/") + name, name.toUtf8());
    }
    const QString folder = art.Path(QStringLiteral("Images/1"));
    const QStringList listed = ListCategory(folder, 0);
    ASSERT_EQ(listed.size(), 4);
    // Equal over the compared bytes: the whole name decides, the same way every time.
    EXPECT_EQ(listed.indexOf(stem + QStringLiteral("1.wxg")) + 1,
              listed.indexOf(stem + QStringLiteral("2.wxg")));
    for (const QString& name : listed) {
        QFile f(folder + u'/' + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(f.readAll(), name.toUtf8());
    }
}

TEST(LibraryListing, ThousandsOfFilesAreListedInOrder) {
    test::ArtworkFolder art;
    QDir().mkpath(art.Path(QStringLiteral("Images/6")));
    for (int i = 2999; i >= 0; --i) {
        Touch(art, QStringLiteral("Images/6/p%1.wxg").arg(i, 4, 10, QLatin1Char('0')));
    }
    const QStringList listed = ListCategory(art.Path(QStringLiteral("Images/6")), 0);
    ASSERT_EQ(listed.size(), 3000);
    EXPECT_EQ(listed.front(), QStringLiteral("p0000.wxg"));
    EXPECT_EQ(listed.back(), QStringLiteral("p2999.wxg"));
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()));
}

TEST(LibraryListing, DesignsAreTheLowerCaseGraphicFilesWithoutTheirExtension) {
    test::ArtworkFolder art;
    for (const char* name : {"flores.wxg", "Estrellas.wxg", "SHOUT.WXG", "notes.txt", ".wxg"}) {
        Touch(art, QStringLiteral("Calendars/styles/") + QString::fromUtf8(name));
    }
    QDir().mkpath(art.Path(QStringLiteral("Calendars/styles/sub.wxg")));
    EXPECT_EQ(ListDesigns(art.Path(QStringLiteral("Calendars/styles"))),
              (QStringList{QStringLiteral("Estrellas"), QStringLiteral("flores")}));
}

}  // namespace
}  // namespace quenby
