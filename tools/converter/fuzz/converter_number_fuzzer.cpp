#include "cmake/fuzz_property.h"
#include "core/number_text.h"
#include "tools/converter/converter_format.h"
#include "tools/converter/unit_converter.h"
#include "tools/converter/unit_tables.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <string_view>

namespace {

using namespace nuvra::tools::converter;

using nuvra::fuzz::require;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The largest amount each category keeps; a larger one is replaced by it.
double upperLimit(Category category)
{
    switch (category) {
    case Category::Temperature:
    case Category::Torque:
    case Category::MagneticFS:
        return 10000;
    case Category::Pressure:
        return 1000000;
    case Category::OutgassingRates:
        return 1000;
    default:
        return 10000000;
    }
}

// What FormatOutput prints: a pattern's digits with the point as `point` ("2.", "-0.0",
// "25.4") or the scientific form ("1.50E-05"), and the number text of a value beyond the
// double range.
bool isOutputText(std::string_view text, std::string_view point)
{
    if (text == "infinity" || text == "-infinity")
        return true;
    std::size_t i = text.starts_with('-') ? 1 : 0;
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        ++digits;
    if (text.substr(i).starts_with(point)) {
        for (i += point.size(); i < text.size() && isDigit(text[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return false;
    if (i < text.size() && text[i] == 'E') {
        if (++i == text.size() || (text[i] != '+' && text[i] != '-'))
            return false;
        std::size_t exponentDigits = 0;
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            ++exponentDigits;
        if (exponentDigits < 2)
            return false;
    }
    return i == text.size();
}

void checkReader(std::string_view text)
{
    const double value = ReadNumber(text);
    require(!std::isnan(value), "the amount is never NaN");
    std::string pointed(text);
    for (char& c : pointed) {
        if (c == ',')
            c = '.';
    }
    require(value == nuvra::core::ReadLeadingNumber(pointed), "commas read as points");
}

} // namespace

// The bytes are the amount typed into the converter's input field. The reader must take any
// text; the conversion that follows keeps the amount within its category's limits and prints a
// well-formed output. The category, the two units and the decimal separator come from the
// input's length and byte sum, so that every seed also meets other units.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkReader(text);

    const Category category = kCategories[size % kCategories.size()];
    const std::size_t sum = std::accumulate(data, data + size, std::size_t{0});
    const auto units = unitNames(category);
    ConverterLocale locale;
    locale.decimalSeparator = size / kCategories.size() % 2 == 0 ? "." : ",";
    UnitConverter converter(locale);
    require(converter.setInputUnit(category, units[sum % units.size()]).has_value(),
            "the category takes its own units");
    require(converter.setOutputUnit(category, units[sum / units.size() % units.size()]).has_value(),
            "the category takes its own units");

    require(converter.setInputText(category, std::string(text)) >= 0, "beeps are counted");
    const ConverterPage& page = converter.page(category);
    const double kept = ReadNumber(page.inputText);
    require(kept <= upperLimit(category), "the amount stays within the limit");
    if (category == Category::Pressure || category == Category::OutgassingRates)
        require(kept == 0 || kept >= 1E-60, "a pressure is zero or at least 1E-60");
    require(isOutputText(page.outputText, locale.point()), "the output is well formed");
    return 0;
}
