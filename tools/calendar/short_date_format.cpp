#include "tools/calendar/short_date_format.h"

#include <cstdio>

namespace nuvra::tools::calendar {
namespace {

// The length of the run of one letter at position i.
std::size_t runLength(std::string_view pattern, std::size_t i)
{
    std::size_t j = i;
    while (j < pattern.size() && pattern[j] == pattern[i])
        ++j;
    return j - i;
}

std::string padded(int value, std::size_t width)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", static_cast<int>(width), value);
    return buffer;
}

} // namespace

std::string formatShortDate(const Date& date, std::string_view pattern)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        const std::size_t run = runLength(pattern, i);
        if (c == 'd' || c == 'M') {
            const int value = c == 'd' ? date.day : date.month;
            out += padded(value, run >= 2 ? 2 : 1);
        } else if (c == 'y') {
            out += run <= 2 ? padded(date.year % 100, 2) : padded(date.year, 4);
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

std::optional<Date> parseShortDate(std::string_view text, std::string_view pattern)
{
    Date date{0, 0, 0};
    std::size_t t = 0;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        const std::size_t run = runLength(pattern, i);
        i += run;
        if (c != 'd' && c != 'M' && c != 'y') {
            for (std::size_t k = 0; k < run; ++k, ++t) {
                if (t >= text.size() || text[t] != c)
                    return std::nullopt;
            }
            continue;
        }
        const std::size_t most = c == 'y' ? (run <= 2 ? 2 : 4) : 2;
        int value = 0;
        std::size_t digits = 0;
        while (t < text.size() && digits < most && text[t] >= '0' && text[t] <= '9') {
            value = value * 10 + (text[t] - '0');
            ++t;
            ++digits;
        }
        if (digits == 0 || (c == 'y' && digits != most))
            return std::nullopt;
        if (c == 'd')
            date.day = value;
        else if (c == 'M')
            date.month = value;
        else
            date.year = run <= 2 ? (value < 30 ? 2000 + value : 1900 + value) : value;
    }
    if (t != text.size() || !isValidDate(date))
        return std::nullopt;
    return date;
}

} // namespace nuvra::tools::calendar
