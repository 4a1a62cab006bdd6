#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nuvra::tools::fraction {

inline constexpr int kMaxRounds = 1000000;

struct Fraction {
    std::int32_t numerator = 0;
    std::int32_t denominator = 1;

    bool operator==(const Fraction&) const = default;
};

// The bounded search for a fraction whose number text (15 significant digits) equals the text
// of x: the denominator grows one at a time and for each the numerator climbs from the nearest
// integer to x times the denominator until the candidate reaches x. Nothing for a whole number
// (zero included), a value not matched within kMaxRounds rounds, a numerator or denominator
// beyond 32 bits, or a value that is no finite number. Negative values work the same way.
std::optional<Fraction> FindFraction(double x);

// The window's two labels.
struct FractionTexts {
    std::string numerator;
    std::string denominator; // empty when no fraction is shown

    bool operator==(const FractionTexts&) const = default;
};

// The fraction of the main display's shown text. A text whose leading number is 0 (the error
// words included) shows "0"; the text is read as the display writes it ("." the point, ","
// grouping), and a value without a fraction shows its own number text.
FractionTexts ShowFraction(std::string_view shownText);

// The copy button's text: "numerator/denominator", or the numerator alone when the denominator
// reads as 0.
std::string fractionClipboardText(const FractionTexts& texts);

} // namespace nuvra::tools::fraction
