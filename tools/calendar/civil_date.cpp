#include "tools/calendar/civil_date.h"

#include <cstdio>

namespace nuvra::tools::calendar {

int daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool isValidDate(const Date& date)
{
    return date.year >= kFirstYear && date.year <= kLastYear && date.month >= 1 &&
           date.month <= 12 && date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

// The era-based conversion between civil dates and a day count.
long long daysFromCivil(const Date& date)
{
    const long long y = static_cast<long long>(date.year) - (date.month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long m = date.month;
    const long long dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Date civilFromDays(long long days)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return Date{static_cast<int>(year), month, day};
}

Date addDays(const Date& date, long long days)
{
    return civilFromDays(daysFromCivil(date) + days);
}

int weekday(const Date& date)
{
    // 1970-01-01 was a Thursday (5).
    const long long days = daysFromCivil(date);
    const long long index = ((days % 7) + 7 + 4) % 7; // 0 Sunday
    return static_cast<int>(index) + 1;
}

std::string isoText(const Date& date)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer;
}

std::optional<Date> parseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [text](std::size_t from, std::size_t count) -> std::optional<int> {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const auto year = number(0, 4);
    const auto month = number(5, 2);
    const auto day = number(8, 2);
    if (!year || !month || !day)
        return std::nullopt;
    const Date date{*year, *month, *day};
    if (!isValidDate(date))
        return std::nullopt;
    return date;
}

} // namespace nuvra::tools::calendar
