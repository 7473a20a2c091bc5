#pragma once

#include <QString>

namespace quenby {

// Names of the calendar artwork files, relative to the calendar artwork folder
// ("Calendars" of the program folder or of the artwork CD).
namespace calendar_artwork {

inline constexpr int kShortestMonth = 28;
inline constexpr int kLongestMonth = 31;

// The folder of the designs and the pattern that lists them.
QString DesignFolder();   // "styles/"
QString DesignPattern();  // "*.wxg", within DesignFolder()
// "styles/" + name + ".wxg"; the design list shows names without the extension.
QString DesignFile(const QString& designName);
// "months/" + first day digit + month length + ".wxg", first day 0 = Monday ... 6 = Sunday.
QString MonthGridFile(int firstDay, int monthLength);
// Language number + "daysofw.wxg", in the calendar folder itself.
QString WeekdayNamesFile(int language);
// The month grid of `month` (1..12) of `year`: by the weekday its first day falls on
// and its length. An invalid month or year gives the grid of today's month.
QString MonthGridFileFor(int month, int year);

// First day digit of a month whose day 1 falls on `weekday` (0 = Sunday ... 6 = Saturday).
inline int FirstDayDigit(int weekday) {
    return (weekday + 6) % 7;
}

}  // namespace calendar_artwork
}  // namespace quenby
