#pragma once

#include "tools/calendar/civil_date.h"

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::tools::calendar {

// The user's short date format as a pattern: "d" / "dd" the day, "M" / "MM" the month (the
// double letter pads to two digits), "yy" / "yyyy" the year; every other character is a literal
// ("M/d/yyyy", "dd.MM.yyyy", "yyyy-MM-dd").
std::string formatShortDate(const Date& date, std::string_view pattern);

// Reads a text written in the pattern; one or two digits are accepted for day and month, a
// two-digit year lies in 1930 .. 2029. Nothing when the text does not fit or names no real day.
std::optional<Date> parseShortDate(std::string_view text, std::string_view pattern);

} // namespace nuvra::tools::calendar
