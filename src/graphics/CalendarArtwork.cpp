#include "graphics/CalendarArtwork.h"

#include "graphics/CalendarDate.h"

namespace quenby::calendar_artwork {

QString DesignFolder() {
    return QStringLiteral("styles/");
}

QString DesignPattern() {
    return QStringLiteral("*.wxg");
}

QString DesignFile(const QString& designName) {
    return QStringLiteral("%1%2.wxg").arg(DesignFolder(), designName);
}

QString MonthGridFile(int firstDay, int monthLength) {
    return QStringLiteral("months/%1%2.wxg").arg(firstDay).arg(monthLength);
}

QString WeekdayNamesFile(int language) {
    return QStringLiteral("%1daysofw.wxg").arg(language);
}

QString MonthGridFileFor(int month, int year) {
    const CalendarDate firstDay(1, month, year);
    return MonthGridFile(FirstDayDigit(firstDay.Weekday()), firstDay.DaysInThisMonth());
}

}  // namespace quenby::calendar_artwork
