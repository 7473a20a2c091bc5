// The calendar's day numbers against known dates and against the standard library's
// own calendar, and the month grids chosen from them.
#include "graphics/CalendarArtwork.h"
#include "graphics/CalendarDate.h"

#include <QDate>

#include <gtest/gtest.h>

#include <chrono>

namespace quenby {
namespace {

using namespace std::chrono;

bool IsToday(const CalendarDate& d) {
    const QDate today = QDate::currentDate();
    return d.Day() == today.day() && d.Month() == today.month() &&
           int(d.Year()) == today.year();
}

TEST(CalendarDate, KnownDates) {
    const CalendarDate first(1, 1, 0);
    EXPECT_EQ(first.DayNumber(), 1u);
    EXPECT_EQ(CalendarDate(1, 1, 1).DayNumber(), 367u);  // year 0 is a leap year

    const CalendarDate y2k(1, 1, 2000);
    EXPECT_EQ(y2k.Weekday(), 6);  // Saturday
    EXPECT_EQ(CalendarDate(1, 1, 2001).Weekday(), 1);  // Monday

    const CalendarDate february2000(10, 2, 2000);
    EXPECT_EQ(february2000.DaysInThisMonth(), 29);
    EXPECT_EQ(february2000.FirstWeekdayOfMonth(), 2);  // Tuesday
    EXPECT_EQ(february2000.Day(), 10);  // looking at day 1 left the date as it was
    EXPECT_EQ(CalendarDate::DaysInMonth(2, 1900), 28);
    EXPECT_EQ(CalendarDate::DaysInMonth(2, 2100), 28);
    EXPECT_EQ(CalendarDate::DaysInMonth(2, 2400), 29);
    EXPECT_EQ(CalendarDate::DaysInMonth(4, 2001), 30);
    EXPECT_EQ(CalendarDate::DaysInMonth(12, 2001), 31);
    EXPECT_EQ(CalendarDate::DaysInMonth(13, 2001), 0);
}

// The standard library counts days from 1970; both count every day, so the
// difference between the two numbers must be the same for every date, and the
// weekdays and parts must agree.
TEST(CalendarDate, EveryDayFrom1901To2100AgreesWithTheStandardCalendar) {
    const CalendarDate epoch(1, 1, 1970);
    const std::int64_t offset = std::int64_t(epoch.DayNumber());
    for (sys_days day = sys_days(year{1901} / January / 1); day <= sys_days(year{2100} / December / 31);
         day += days{1}) {
        const year_month_day ymd(day);
        const int d = int(unsigned(ymd.day()));
        const int m = int(unsigned(ymd.month()));
        const int y = int(ymd.year());
        const CalendarDate date(d, m, y);
        ASSERT_EQ(std::int64_t(date.DayNumber()) - offset, day.time_since_epoch().count())
            << y << "-" << m << "-" << d;
        ASSERT_EQ(date.Weekday(), int(weekday(day).c_encoding()));
        ASSERT_EQ(date.Day(), d);
        ASSERT_EQ(date.Month(), m);
        ASSERT_EQ(int(date.Year()), y);
        ASSERT_EQ(date.DaysInThisMonth(),
                  int(unsigned((ymd.year() / ymd.month() / last).day())));
    }
}

// Counting off whole years while more than 366 days remain would give the 366th day of
// the year before for every 1 January that follows a common year.
TEST(CalendarDate, FirstOfJanuaryAfterACommonYearDecomposes) {
    for (int y : {1, 2, 1902, 2002, 2003, 2101}) {
        const CalendarDate date(1, 1, y);
        EXPECT_EQ(date.Day(), 1) << y;
        EXPECT_EQ(date.Month(), 1) << y;
        EXPECT_EQ(int(date.Year()), y);
        const CalendarDate eve(31, 12, y - 1);
        EXPECT_EQ(eve.Day(), 31) << y;
        EXPECT_EQ(eve.Month(), 12) << y;
        EXPECT_EQ(int(eve.Year()), y - 1);
    }
}

TEST(CalendarDate, InvalidDatesBecomeToday) {
    for (const auto& [d, m, y] : {std::tuple{31, 2, 2001}, std::tuple{29, 2, 1900},
                                  std::tuple{0, 5, 2001}, std::tuple{1, 0, 2001},
                                  std::tuple{1, 13, 2001}, std::tuple{31, 4, 2001}}) {
        EXPECT_TRUE(IsToday(CalendarDate(d, m, y))) << d << "/" << m << "/" << y;
    }
    CalendarDate date(1, 1, 2000);
    date.SetYear(-1);
    EXPECT_TRUE(IsToday(date));
    date.SetDate(1, 1, CalendarDate::kYearLimit);
    EXPECT_TRUE(IsToday(date));
    EXPECT_TRUE(IsToday(CalendarDate()));
    EXPECT_TRUE(CalendarDate::IsValid(29, 2, 2000));
    EXPECT_FALSE(CalendarDate::IsValid(29, 2, 2100));
}

TEST(CalendarDate, SettingOnePartKeepsTheOthers) {
    CalendarDate date(15, 6, 1999);
    date.SetMonth(2);
    EXPECT_EQ(date, CalendarDate(15, 2, 1999));
    date.SetYear(2100);
    EXPECT_EQ(date, CalendarDate(15, 2, 2100));
    date.SetDay(28);
    EXPECT_EQ(date, CalendarDate(28, 2, 2100));
    // The 31st has no February: the whole date becomes today.
    CalendarDate end(31, 1, 2001);
    end.SetMonth(2);
    EXPECT_TRUE(IsToday(end));
}

TEST(CalendarDate, TheLastRepresentableYearStillFits) {
    const std::int64_t last = CalendarDate::kYearLimit - 1;
    CalendarDate date(31, 12, 2000);
    date.SetYear(last);
    EXPECT_EQ(date.Day(), 31);
    EXPECT_EQ(date.Month(), 12);
    EXPECT_EQ(std::int64_t(date.Year()), last);
    EXPECT_GT(date.DayNumber(), 4'286'000'000u);
    EXPECT_EQ(date.Weekday(), int((std::uint64_t(date.DayNumber()) + 5) % 7));
}

TEST(CalendarArtwork, MonthGridOfEveryMonthFollowsItsFirstWeekdayAndLength) {
    EXPECT_EQ(calendar_artwork::MonthGridFileFor(2, 2000), QStringLiteral("months/129.wxg"));
    // October 2000 starts on a Sunday, May 2000 on a Monday.
    EXPECT_EQ(calendar_artwork::MonthGridFileFor(10, 2000), QStringLiteral("months/631.wxg"));
    EXPECT_EQ(calendar_artwork::MonthGridFileFor(5, 2000), QStringLiteral("months/031.wxg"));
    for (int y : {1901, 2000, 2023, 2100}) {
        for (int m = 1; m <= 12; ++m) {
            const year_month_day first(year{y}, month{unsigned(m)}, day{1});
            const int sundayFirst = int(weekday(sys_days(first)).c_encoding());
            const int mondayFirst = (sundayFirst + 6) % 7;
            const int length = int(unsigned((year{y} / month{unsigned(m)} / last).day()));
            EXPECT_EQ(calendar_artwork::MonthGridFileFor(m, y),
                      QStringLiteral("months/%1%2.wxg").arg(mondayFirst).arg(length))
                << y << "-" << m;
        }
    }
}

}  // namespace
}  // namespace quenby
