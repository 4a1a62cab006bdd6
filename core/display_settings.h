#pragma once

#include <string>
#include <string_view>

namespace nuvra::core {

// How many decimals the main display prints; the values are the ones the Format toolbox shows.
enum class DecimalsMode { None = 0, Two = 2, Four = 4, All = 9 };

// The number of decimals a patterned mode keeps, or -1 for DecimalsMode::All (no pattern).
int decimalPlaces(DecimalsMode mode);

struct DisplaySettings {
    DecimalsMode decimalsMode = DecimalsMode::All;
    bool digitGrouping = false;
    std::string shownPattern;
    std::string entryPattern;
};

// Derives both patterns from the mode and the grouping flag; DecimalsMode::All leaves them.
void SetFormatPatterns(DisplaySettings& settings);

// Prints a value with a pattern such as "##,##.##": "#" prints no leading or trailing zeros,
// "," groups the integer part by thousands, "." is always printed and the "#" after it give the
// most decimals, rounded half away from zero on the value's 15-digit decimal form. So 0.5 prints
// as ".5", 12 as "12." and 1234.5 as "1,234.5".
std::string FormatWithPattern(double value, std::string_view pattern);

// Inserts thousands commas into the integer part of a plain number text ("-1234.5" -> "-1,234.5").
std::string GroupThousands(std::string_view numberText);

} // namespace nuvra::core
