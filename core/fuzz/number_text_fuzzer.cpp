#include "cmake/fuzz_property.h"
#include "core/number_text.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

using nuvra::core::NumberToText;
using nuvra::core::ReadLeadingNumber;
using nuvra::core::ReadPastedNumber;
using nuvra::core::ReadWholeNumber;

using nuvra::fuzz::require;

// The readers take any bytes. A whole number is also the text's leading number, and without
// commas the pasted reading is the same number.
void checkReaders(std::string_view text)
{
    const double leading = ReadLeadingNumber(text);
    require(!std::isnan(leading), "a leading number is never NaN");
    const std::optional<double> whole = ReadWholeNumber(text);
    const std::optional<double> pasted = ReadPastedNumber(text);
    if (whole)
        require(std::isfinite(*whole) && *whole == leading, "a whole number is the leading one");
    if (pasted)
        require(std::isfinite(*pasted), "a pasted number is finite");
    if (text.find(',') == std::string_view::npos)
        require(whole.has_value() == pasted.has_value() && (!whole || *whole == *pasted),
                "without commas pasting reads the whole number");
}

// The distance from a double to the next one away from zero: the most that reading a text can
// add to the error of the text itself (half of it, rounded up to a whole step).
double stepAbove(double value)
{
    const double magnitude = std::fabs(value);
    return std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude;
}

// A finite double written with 15 significant digits reads back as a finite number that differs
// from it by that rounding only: at most half a unit in the 15th digit, which is 5E-15 of the
// value, plus the rounding of the reading. Where doubles carry 15 digits (from DBL_MIN up) the
// text of what was read is the same text again; below DBL_MIN fewer digits survive, so it may be
// a shorter text of the same double.
void checkRoundTrip(double value)
{
    if (!std::isfinite(value))
        return;
    const std::string text = NumberToText(value);
    require(text.size() < nuvra::core::kNumberTextCapacity, "the text fits its buffer");
    const double read = ReadLeadingNumber(text);
    require(std::isfinite(read), "the text of a finite double reads as finite");
    require(std::fabs(read - value) <= 5e-15 * std::fabs(value) + stepAbove(read),
            "the text reads back within its 15-digit rounding");
    require(ReadWholeNumber(text) == read, "the text is a whole number");
    // What was read is the nearest double to a text of at most 15 digits, so its own text has
    // at most 15 digits as well and reads back exactly.
    require(ReadLeadingNumber(NumberToText(read)) == read, "what was read round-trips exactly");
    if (std::fabs(read) >= DBL_MIN)
        require(NumberToText(read) == text, "the text of what was read is the same text");
}

} // namespace

// The bytes are a text for the three readers; their first eight bytes are also a double for
// the round trip through NumberToText, and the text's own leading number makes a second one.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkReaders(text);
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkRoundTrip(value);
    }
    checkRoundTrip(ReadLeadingNumber(text));
    return 0;
}
