// quenby-artwork-builder: makes the picture library and the calendar artwork of
// the program folder from the clip art and the lists in artwork/.
//   quenby-artwork-builder library LIST_FOLDER CLIPART_ROOT OUT/Images
//   quenby-artwork-builder calendars STYLES_LIST CLIPART_ROOT OUT/Calendars
//   quenby-artwork-builder sheet OUT.png FILE.wxg...   (a contact sheet to look at)
//   quenby-artwork-builder page OUT.png FILE.wxg... TITLE (a calendar as the program lays it out)
#include "ArtworkCanvas.h"
#include "CalendarBuilder.h"
#include "LibraryBuilder.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The clip art uses SVG features the renderer skips; that is expected, not news.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.svg.warning=false");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const QString command = args.value(1);
    if (command == QLatin1String("library") && args.size() == 5) {
        return quenby::artwork::BuildLibrary(args[2], args[3], args[4]) ? 0 : 1;
    }
    if (command == QLatin1String("calendars") && args.size() == 5) {
        return quenby::artwork::BuildCalendars(args[2], args[3], args[4]) ? 0 : 1;
    }
    if (command == QLatin1String("sheet") && args.size() >= 4) {
        return quenby::artwork::ContactSheet(args.mid(3), 150).save(args[2]) ? 0 : 1;
    }
    if (command == QLatin1String("page") && args.size() >= 5) {
        return quenby::artwork::CalendarPage(args.mid(3, args.size() - 4), args.last())
                       .save(args[2])
                   ? 0
                   : 1;
    }
    std::fputs(
        "usage: quenby-artwork-builder library LISTS CLIPART OUT | calendars STYLES CLIPART OUT"
        " | sheet OUT.png FILES...\n",
        stderr);
    return 2;
}
