// The help as the program folder holds it: every page's links and pictures lead to
// files that are there, every picture file is used and says what it shows, and the
// program's own words that a page sets in bold are words the program really shows.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace {

const QString kSourceHelp = QStringLiteral(QUENBY_SOURCE_DIR "/docs/help");
const QString kInstalledHelp = QStringLiteral(QUENBY_HELP_DIR);

// The widest picture the help viewer shows without a horizontal scroll bar.
constexpr int kMaxPictureWidth = 800;
constexpr qint64 kMaxPictureBytes = 160 * 1024;

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QStringList Languages() {
    return QDir(kSourceHelp).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

QStringList Pages(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// The value of every href and src attribute of a page, in order.
QStringList Targets(const QString& html) {
    static const QRegularExpression attribute(QStringLiteral(R"re(\b(?:href|src)\s*=\s*"([^"]*)")re"));
    QStringList targets;
    for (const auto& match : attribute.globalMatch(html)) {
        targets << match.captured(1);
    }
    return targets;
}

QSet<QString> Anchors(const QString& html) {
    static const QRegularExpression anchor(QStringLiteral(R"re(\b(?:id|name)\s*=\s*"([^"]+)")re"));
    QSet<QString> anchors;
    for (const auto& match : anchor.globalMatch(html)) {
        anchors.insert(match.captured(1));
    }
    return anchors;
}

QString Unentity(QString text) {
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

// Every text the program can show: the string literals of its sources and of the string
// table, each cut at its tabs and line breaks (menu keys, tool-tips), without the "&"
// that marks an Alt key and without blanks at either end; and the words drawn on its
// pictures (the start screen's buttons).
QSet<QString> ProgramTexts() {
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)")re"));
    QSet<QString> texts;
    QDirIterator files(QStringLiteral(QUENBY_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                       QDirIterator::Subdirectories);
    QStringList paths{QStringLiteral(QUENBY_SOURCE_DIR "/resources/strings.inc")};
    while (files.hasNext()) {
        paths << files.next();
    }
    for (const QString& path : paths) {
        for (const auto& match : literal.globalMatch(ReadText(path))) {
            QString text = match.captured(1);
            text.replace(QStringLiteral("\\t"), QStringLiteral("\n"));
            text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
            text.remove(QLatin1Char('&'));
            for (const QString& part : text.split(QLatin1Char('\n'))) {
                texts.insert(part.trimmed());
            }
        }
    }
    static const QRegularExpression pictureText(QStringLiteral("<text[^>]*>([^<]+)<"));
    QDirIterator pictures(QStringLiteral(QUENBY_SOURCE_DIR "/resources/images"), {"*.svg"}, QDir::Files);
    while (pictures.hasNext()) {
        for (const auto& match : pictureText.globalMatch(ReadText(pictures.next()))) {
            texts.insert(Unentity(match.captured(1)).trimmed());
        }
    }
    return texts;
}

TEST(HelpPages, EveryLanguageHasAnIndexInTheProgramFolder) {
    ASSERT_FALSE(Languages().isEmpty());
    EXPECT_TRUE(Languages().contains(QStringLiteral("0"))) << "the help the program falls back on";
    for (const QString& language : Languages()) {
        EXPECT_TRUE(QFileInfo::exists(kInstalledHelp + "/" + language + "/index.html")) << language.toStdString();
    }
}

// What the build copies into the program folder is what the sources hold, file by file,
// and nothing else: the installation copies that folder whole.
TEST(HelpPages, TheProgramFolderHoldsTheHelpFilesAndNoOthers) {
    for (const QString& language : Languages()) {
        const QDir source(kSourceHelp + "/" + language);
        const QDir copies(kInstalledHelp + "/" + language);
        const QString names = source.entryList(QDir::Files | QDir::Hidden).join(QStringLiteral(", "));
        EXPECT_EQ(copies.entryList(QDir::Files | QDir::Hidden).join(QStringLiteral(", ")).toStdString(),
                  names.toStdString())
            << "files left from an earlier help, or not copied";
        for (const QString& name : source.entryList(QDir::Files)) {
            QFile installed(kInstalledHelp + "/" + language + "/" + name);
            QFile original(source.filePath(name));
            ASSERT_TRUE(installed.open(QIODevice::ReadOnly)) << name.toStdString() << " is not installed";
            ASSERT_TRUE(original.open(QIODevice::ReadOnly));
            EXPECT_EQ(installed.readAll(), original.readAll()) << name.toStdString() << " is out of date";
        }
    }
}

TEST(HelpPages, EveryLinkAndPictureLeadsToAnInstalledFileAndPlace) {
    for (const QString& language : Languages()) {
        const QDir folder(kInstalledHelp + "/" + language);
        for (const QString& page : Pages(folder.path())) {
            const QString html = ReadText(folder.filePath(page));
            for (const QString& target : Targets(html)) {
                const std::string where = (language + "/" + page + " → " + target).toStdString();
                const QUrl url(target);
                EXPECT_TRUE(url.scheme().isEmpty()) << where << ": the help works without a network";
                const QString path = url.path();
                EXPECT_FALSE(path.startsWith(QLatin1Char('/')) || path.contains(QStringLiteral("..")))
                    << where << ": the help stays in its own folder";
                const QString file = path.isEmpty() ? page : path;
                ASSERT_TRUE(QFileInfo(folder.filePath(file)).isFile()) << where;
                if (url.hasFragment()) {
                    EXPECT_TRUE(Anchors(ReadText(folder.filePath(file))).contains(url.fragment()))
                        << where << ": no such place on the page";
                }
            }
        }
    }
}

TEST(HelpPages, EveryPictureIsUsedSaysWhatItShowsAndFitsTheViewer) {
    static const QRegularExpression image(QStringLiteral(R"re(<img\b[^>]*>)re"));
    static const QRegularExpression alt(QStringLiteral(R"re(\balt\s*=\s*"([^"]*)")re"));
    for (const QString& language : Languages()) {
        const QDir folder(kSourceHelp + "/" + language);
        QSet<QString> used;
        for (const QString& page : Pages(folder.path())) {
            const QString html = ReadText(folder.filePath(page));
            for (const auto& tag : image.globalMatch(html)) {
                const auto text = alt.match(tag.captured(0));
                EXPECT_TRUE(text.hasMatch() && !text.captured(1).trimmed().isEmpty())
                    << page.toStdString() << ": " << tag.captured(0).toStdString() << " has no alt text";
            }
            for (const QString& target : Targets(html)) {
                used.insert(QUrl(target).path());
            }
        }
        for (const QString& name : folder.entryList(QDir::Files)) {
            if (name.endsWith(QStringLiteral(".html"))) {
                continue;
            }
            EXPECT_TRUE(used.contains(name)) << name.toStdString() << " is used by no page";
            const QFileInfo info(folder.filePath(name));
            if (info.suffix() == QStringLiteral("png")) {
                const QImage picture(info.filePath());
                ASSERT_FALSE(picture.isNull()) << name.toStdString() << " is not a picture";
                EXPECT_LE(picture.width(), kMaxPictureWidth) << name.toStdString();
                EXPECT_LE(info.size(), kMaxPictureBytes) << name.toStdString();
            }
        }
    }
}

// The pages set the program's own words (menus, buttons, dialog titles) in bold, and
// only those: a word the program does not show would send the reader looking for it.
TEST(HelpPages, WordsInBoldAreWordsTheProgramShows) {
    static const QRegularExpression bold(QStringLiteral(R"re(<b>(.*?)</b>)re"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    const QSet<QString> texts = ProgramTexts();
    ASSERT_TRUE(texts.contains(QStringLiteral("Guardar como...")));
    const QDir folder(kSourceHelp + "/0");
    for (const QString& page : Pages(folder.path())) {
        for (const auto& match : bold.globalMatch(ReadText(folder.filePath(page)))) {
            QString words = Unentity(match.captured(1).remove(tags)).simplified();
            // "Fichero > Guardar como..." names a menu and one of its items.
            for (const QString& part : words.split(QStringLiteral(" > "))) {
                EXPECT_TRUE(texts.contains(part.trimmed()))
                    << page.toStdString() << ": \"" << part.toStdString() << "\" is not shown by the program";
            }
        }
    }
}

}  // namespace
