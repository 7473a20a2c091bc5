#pragma once

#include <cstdint>

namespace quenby {

// A date as one day number, for choosing a calendar's month artwork. Day 1 is
// 1 January of year 0; years count from 0, year 0 being a leap year, with the
// leap rule of the Gregorian calendar carried back all the way.
class CalendarDate {
public:
    // Years from here on no longer fit the 32-bit day number.
    static constexpr std::uint32_t kYearLimit = 11734880;

    // Today's date.
    CalendarDate();
    // The given date, or today's when it is not a valid one.
    CalendarDate(int day, int month, int year);

    static bool IsLeapYear(std::uint32_t year);
    // 28..31; 0 for a month outside 1..12.
    static int DaysInMonth(int month, std::uint32_t year);
    static int DaysInYear(std::uint32_t year) { return IsLeapYear(year) ? 366 : 365; }
    static bool IsValid(int day, int month, std::int64_t year);

    // Sets the date; an invalid one sets today's date instead.
    void SetDate(int day, int month, std::int64_t year);
    // Each changes one part and keeps the other two; an invalid result becomes today.
    void SetDay(int day);
    void SetMonth(int month);
    void SetYear(std::int64_t year);

    std::uint32_t DayNumber() const { return number_; }
    int Day() const;
    int Month() const;
    std::uint32_t Year() const;
    // 0 = Sunday ... 6 = Saturday.
    int Weekday() const;
    // The weekday of day 1 of this date's month.
    int FirstWeekdayOfMonth() const;
    int DaysInThisMonth() const;

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;

private:
    struct Parts {
        int day;
        int month;
        std::uint32_t year;
    };
    Parts Decompose() const;
    void SetToday();

    std::uint32_t number_ = 0;
};

}  // namespace quenby
