// quenby-artwork-builder: makes the picture library and the calendar artwork of
// the program folder from the drawings in artwork/, and contact sheets to check them.
//   quenby-artwork-builder library artwork/images OUT/Images
//   quenby-artwork-builder calendars artwork/calendars OUT/Calendars
//   quenby-artwork-builder sheets OUT/Images SHEET_FOLDER   (one PNG per category)
//   quenby-artwork-builder sheet [--tile=PIXELS] OUT.png FILE.wxg...  (any files, any size)
//   quenby-artwork-builder page OUT.png FILE.wxg... TITLE   (a calendar as the program lays it out)
//   quenby-artwork-builder icon DRAWING.svg THEME_FOLDER CONTEXT NAME   (a desktop icon,
//                                       scalable and at the theme's sizes)
#include "ArtworkCanvas.h"
#include "CalendarBuilder.h"
#include "DesktopIcons.h"
#include "LibraryBuilder.h"

#include <QDir>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>

namespace {

// One sheet per category folder 1..7 of `images`, the tiles in file-name order.
bool WriteContactSheets(const QString& images, const QString& outFolder) {
    if (!QDir().mkpath(outFolder)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(outFolder));
        return false;
    }
    for (int category = 1; category <= 7; ++category) {
        const QDir folder(QDir(images).filePath(QString::number(category)));
        QStringList files;
        for (const QString& name : folder.entryList({QStringLiteral("*.wxg")}, QDir::Files))
            files << folder.filePath(name);
        const QString sheet =
            QDir(outFolder).filePath(QStringLiteral("category_%1.png").arg(category));
        if (!quenby::artwork::ContactSheet(files, 150).save(sheet)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(sheet));
            return false;
        }
        std::printf("%s: %lld pictures\n", qPrintable(sheet), static_cast<long long>(files.size()));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const QString command = args.value(1);
    if (command == QLatin1String("library") && args.size() == 4)
        return quenby::artwork::BuildLibrary(args[2], args[3]) ? 0 : 1;
    if (command == QLatin1String("calendars") && args.size() == 4)
        return quenby::artwork::BuildCalendars(args[2], args[3]) ? 0 : 1;
    if (command == QLatin1String("sheets") && args.size() == 4)
        return WriteContactSheets(args[2], args[3]) ? 0 : 1;
    if (command == QLatin1String("sheet") && args.size() >= 4) {
        // "sheet --tile=400 OUT.png FILES..." shows the pictures larger.
        QStringList rest = args.mid(2);
        int tile = 150;
        if (rest.first().startsWith(QLatin1String("--tile="))) {
            tile = std::clamp(rest.takeFirst().mid(7).toInt(), 40, 1000);
            if (rest.size() < 2)
                return 2;
        }
        return quenby::artwork::ContactSheet(rest.mid(1), tile).save(rest.first()) ? 0 : 1;
    }
    if (command == QLatin1String("icon") && args.size() == 6)
        return quenby::artwork::WriteThemeIcon(args[2], args[3], args[4], args[5]) ? 0 : 1;
    if (command == QLatin1String("page") && args.size() >= 5) {
        return quenby::artwork::CalendarPage(args.mid(3, args.size() - 4), args.last())
                       .save(args[2])
                   ? 0
                   : 1;
    }
    std::fputs(
        "usage: quenby-artwork-builder library SOURCES OUT | calendars SOURCES OUT"
        " | sheets IMAGES OUT_FOLDER | sheet OUT.png FILES... | page OUT.png FILES... TITLE"
        " | icon DRAWING.svg THEME_FOLDER CONTEXT NAME\n",
        stderr);
    return 2;
}
