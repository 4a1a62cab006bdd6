#include "tools/fraction/fraction_finder.h"

#include "core/number_text.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace nuvra::tools::fraction {
namespace {

constexpr double kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr double kInt32Min = std::numeric_limits<std::int32_t>::min();

} // namespace

std::optional<Fraction> FindFraction(double x)
{
    if (!std::isfinite(x) || x == 0.0)
        return std::nullopt;
    char target[core::kNumberTextCapacity];
    const std::size_t targetLength = core::NumberToText(x, target);
    char candidateText[core::kNumberTextCapacity];

    // Two values with the same 15-digit text differ by at most one unit of their 15th digit,
    // which is below |x| * 1E-13; a candidate farther away cannot match, so its text is not
    // written. This only saves time: the rounds and the answer stay the same.
    const double nearEnough = std::fabs(x) * 1E-12;

    std::int32_t n = 1;
    std::int32_t d = 1;
    double f = 1.0;
    for (int round = 0; round < kMaxRounds; ++round) {
        if (std::fabs(f - x) <= nearEnough &&
            core::NumberToText(f, candidateText) == targetLength &&
            std::memcmp(candidateText, target, targetLength) == 0) {
            // A whole number has no fraction; a negative one is met first at d = 2 (the search
            // starts at 1 / 1, above it), so a numerator divisible by d counts as whole too.
            if (d == 1 || n % d == 0)
                return std::nullopt;
            return Fraction{n, d};
        }
        if (f >= x) {
            if (d == std::numeric_limits<std::int32_t>::max())
                return std::nullopt;
            ++d;
            const double next = std::nearbyint(x * d);
            if (!(next >= kInt32Min && next <= kInt32Max))
                return std::nullopt;
            n = static_cast<std::int32_t>(next);
        } else {
            if (n == std::numeric_limits<std::int32_t>::max())
                return std::nullopt;
            ++n;
        }
        f = static_cast<double>(n) / d;
    }
    return std::nullopt;
}

FractionTexts ShowFraction(std::string_view shownText)
{
    if (core::ReadLeadingNumber(shownText) == 0.0)
        return {"0", ""};
    std::string plain;
    plain.reserve(shownText.size());
    for (char c : shownText) {
        if (c != ',')
            plain += c;
    }
    const double x = core::ReadLeadingNumber(plain);
    if (const auto found = FindFraction(x))
        return {std::to_string(found->numerator), std::to_string(found->denominator)};
    return {core::NumberToText(x), ""};
}

std::string fractionClipboardText(const FractionTexts& texts)
{
    const double numerator = core::ReadLeadingNumber(texts.numerator);
    const double denominator = core::ReadLeadingNumber(texts.denominator);
    if (denominator != 0.0)
        return core::NumberToText(numerator) + "/" + core::NumberToText(denominator);
    return core::NumberToText(numerator);
}

} // namespace nuvra::tools::fraction
