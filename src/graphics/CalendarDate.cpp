#include "graphics/CalendarDate.h"

#include <QDate>

#include <array>

namespace quenby {
namespace {

constexpr std::array<int, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days of all the years before `year` (year 0 counting 366), worked out in closed
// form so that far years cost no more than near ones.
std::uint64_t DaysBeforeYear(std::uint64_t year) {
    if (year == 0) {
        return 0;
    }
    const std::uint64_t last = year - 1;
    const std::uint64_t leapYears = last / 4 - last / 100 + last / 400 + 1;  // year 0 too
    return 365 * year + leapYears;
}

std::uint32_t DaysBeforeMonth(int month, std::uint32_t year) {
    std::uint32_t days = 0;
    for (int m = 1; m < month; ++m) {
        days += std::uint32_t(CalendarDate::DaysInMonth(m, year));
    }
    return days;
}

}  // namespace

CalendarDate::CalendarDate() {
    SetToday();
}

CalendarDate::CalendarDate(int day, int month, int year) {
    SetDate(day, month, year);
}

bool CalendarDate::IsLeapYear(std::uint32_t year) {
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int CalendarDate::DaysInMonth(int month, std::uint32_t year) {
    if (month < 1 || month > 12) {
        return 0;
    }
    if (month == 2) {
        return IsLeapYear(year) ? 29 : 28;
    }
    return kMonthLengths[std::size_t(month - 1)];
}

bool CalendarDate::IsValid(int day, int month, std::int64_t year) {
    if (year < 0 || year >= kYearLimit || month < 1 || month > 12) {
        return false;
    }
    return day >= 1 && day <= DaysInMonth(month, std::uint32_t(year));
}

void CalendarDate::SetDate(int day, int month, std::int64_t year) {
    if (!IsValid(day, month, year)) {
        SetToday();
        return;
    }
    const auto y = std::uint32_t(year);
    number_ = std::uint32_t(std::uint64_t(day) + DaysBeforeMonth(month, y) + DaysBeforeYear(y));
}

void CalendarDate::SetToday() {
    const QDate today = QDate::currentDate();
    // The clock cannot be before year 0 or beyond the limit on any real machine; if it
    // is, 1 January 2000 stands in rather than recursing.
    if (IsValid(today.day(), today.month(), today.year())) {
        SetDate(today.day(), today.month(), today.year());
    } else {
        SetDate(1, 1, 2000);
    }
}

void CalendarDate::SetDay(int day) {
    const Parts p = Decompose();
    SetDate(day, p.month, p.year);
}

void CalendarDate::SetMonth(int month) {
    const Parts p = Decompose();
    SetDate(p.day, month, p.year);
}

void CalendarDate::SetYear(std::int64_t year) {
    const Parts p = Decompose();
    SetDate(p.day, p.month, year);
}

CalendarDate::Parts CalendarDate::Decompose() const {
    // The year: the last one whose first day is not after the date. The estimate by the
    // mean year length is off by at most one either way.
    std::uint64_t year = std::uint64_t(number_ > 0 ? number_ - 1 : 0) * 400 / 146097;
    while (year > 0 && DaysBeforeYear(year) >= number_) {
        --year;
    }
    while (DaysBeforeYear(year + 1) < number_) {
        ++year;
    }
    const auto y = std::uint32_t(year);
    auto left = std::uint32_t(number_ - DaysBeforeYear(year));  // 1 .. days in the year
    int month = 1;
    while (month < 12 && left > std::uint32_t(DaysInMonth(month, y))) {
        left -= std::uint32_t(DaysInMonth(month, y));
        ++month;
    }
    return {int(left), month, y};
}

int CalendarDate::Day() const {
    return Decompose().day;
}

int CalendarDate::Month() const {
    return Decompose().month;
}

std::uint32_t CalendarDate::Year() const {
    return Decompose().year;
}

int CalendarDate::Weekday() const {
    return int((std::uint64_t(number_) + 5) % 7);
}

int CalendarDate::FirstWeekdayOfMonth() const {
    const Parts p = Decompose();
    CalendarDate first(*this);
    first.SetDate(1, p.month, p.year);
    return first.Weekday();
}

int CalendarDate::DaysInThisMonth() const {
    const Parts p = Decompose();
    return DaysInMonth(p.month, p.year);
}

}  // namespace quenby
