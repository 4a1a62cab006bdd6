#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace nuvra::tools::calendar {

// A day of the proleptic Gregorian calendar.
struct Date {
    int year = 2000;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to the days in the month

    auto operator<=>(const Date&) const = default;
};

// The years the calendar and the schedule start dates accept.
inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;

int daysInMonth(int year, int month);
bool isValidDate(const Date& date);

// Days since 1970-01-01 and back; valid for every date the arithmetic below can produce.
long long daysFromCivil(const Date& date);
Date civilFromDays(long long days);
Date addDays(const Date& date, long long days);

// 1 Sunday to 7 Saturday.
int weekday(const Date& date);

// YYYY-MM-DD with at least four year digits.
std::string isoText(const Date& date);
// Exactly YYYY-MM-DD naming a real day inside kFirstYear .. kLastYear; nothing otherwise.
std::optional<Date> parseIsoDate(std::string_view text);

} // namespace nuvra::tools::calendar
