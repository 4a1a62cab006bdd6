#include "tools/converter/unit_converter.h"

#include "core/number_text.h"
#include "tools/converter/converter_format.h"

#include <utility>

namespace nuvra::tools::converter {
namespace {

// A replaced input text runs the conversion once more; a second replacement inside that run
// is applied without running again, so a reset can never chain without end.
constexpr int kMaxDepth = 2;

constexpr double kSmallestPressure = 1E-60;

struct Limit {
    double upper;
    bool beeps;
};

Limit limitOf(Category category)
{
    switch (category) {
    case Category::Length:
    case Category::Area:
        return {10000000, false};
    case Category::Volume:
    case Category::Mass:
        return {10000000, true};
    case Category::Temperature:
    case Category::Torque:
    case Category::MagneticFS:
        return {10000, false};
    case Category::Pressure:
        return {1000000, false};
    case Category::OutgassingRates:
        return {1000, false};
    }
    return {10000000, false};
}

bool hasLowerBound(Category category)
{
    return category == Category::Pressure || category == Category::OutgassingRates;
}

struct InitialPage {
    Category category;
    std::string_view inputUnit;
    std::string_view outputUnit;
    double value;
    std::string_view pattern; // empty: the text "1"
};

// In the order the window sets them at load.
constexpr InitialPage kInitialPages[] = {
    {Category::Pressure, "Atmosphere", "mBar", 1, ""},
    {Category::OutgassingRates, "Pa m/s", "mBar-l/s-cm^2", 0.000015, kScientific},
    {Category::Length, "Inch", "mm", 1, "##0.0#"},
    {Category::Area, "inch^2", "dm^2", 1, "##0.0#"},
    {Category::Volume, "inch^3", "UK gal.", 1, "##0.0#"},
    {Category::Torque, "OunceInches", "Ncm", 1, "##0.0#"},
    {Category::Mass, "lb", "Kg", 1, "##0.0#"},
    {Category::Temperature, "Fahrenheit", "Celsius", 32, "##0.0#"},
    {Category::MagneticFS, "Gauss", "Tesla", 1, "##0.0##"},
};

} // namespace

UnitConverter::UnitConverter(ConverterLocale locale) : m_locale(std::move(locale))
{
    for (const InitialPage& initial : kInitialPages) {
        ConverterPage& page = m_pages[index(initial.category)];
        page.inputUnit = std::string(initial.inputUnit);
        page.outputUnit = std::string(initial.outputUnit);
        const std::string text =
            initial.pattern.empty()
                ? std::string("1")
                : FormatOutput(initial.value, initial.pattern, m_locale.point());
        (void)setInputText(initial.category, text);
    }
}

int UnitConverter::setInputText(Category category, std::string text)
{
    m_pages[index(category)].inputText = std::move(text);
    return convert(category, 0);
}

std::optional<int> UnitConverter::setInputUnit(Category category, std::string_view unit)
{
    if (!unitIndex(category, unit))
        return std::nullopt;
    m_pages[index(category)].inputUnit = std::string(unit);
    return convert(category, 0);
}

std::optional<int> UnitConverter::setOutputUnit(Category category, std::string_view unit)
{
    if (!unitIndex(category, unit))
        return std::nullopt;
    m_pages[index(category)].outputUnit = std::string(unit);
    return convert(category, 0);
}

std::string UnitConverter::numberText(double value) const
{
    std::string text = core::NumberToText(value);
    const std::size_t point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, m_locale.point());
    return text;
}

int UnitConverter::replaceInput(Category category, std::string text, int depth)
{
    m_pages[index(category)].inputText = std::move(text);
    return depth + 1 < kMaxDepth ? convert(category, depth + 1) : 0;
}

int UnitConverter::convert(Category category, int depth)
{
    ConverterPage& page = m_pages[index(category)];
    int beeps = 0;
    double value = ReadNumber(page.inputText);

    if (hasLowerBound(category) && value == 0.0)
        return beeps;

    const Limit limit = limitOf(category);
    if (value > limit.upper) {
        value = limit.upper;
        const std::string limitText = category == Category::OutgassingRates
                                          ? FormatOutput(limit.upper, kScientific, m_locale.point())
                                          : numberText(limit.upper);
        beeps += replaceInput(category, limitText, depth);
        if (limit.beeps)
            ++beeps;
    }
    if (hasLowerBound(category) && value < kSmallestPressure) {
        value = kSmallestPressure;
        beeps += replaceInput(category, FormatOutput(value, kScientific, m_locale.point()), depth);
    }

    // Outgassing Rates keeps its base value in the run only.
    double localBase = 0.0;
    double& base = category == Category::OutgassingRates ? localBase : m_base[index(category)];
    if (const auto converted = ConvertToBase(category, page.inputUnit, value))
        base = *converted;

    if (category == Category::Temperature && base < 0) {
        // Below absolute zero: the input becomes absolute zero in its own unit.
        const double zero = page.inputUnit == "Fahrenheit" ? -459.67
                            : page.inputUnit == "Celsius"  ? -273.15
                                                           : 0.0;
        beeps += replaceInput(category, numberText(zero), depth);
    } else if (value < 0 && ((category == Category::Torque && page.inputUnit == "Poundfeet") ||
                             (category == Category::MagneticFS && page.inputUnit == "Oersted"))) {
        beeps += replaceInput(category, "0", depth);
    }

    const auto output = ConvertFromBase(category, page.outputUnit, base);
    if (!output)
        return beeps;
    if (category == Category::Temperature) {
        const auto pattern = ChooseTemperatureFormat(*output);
        page.outputText =
            FormatOutput(*output, pattern.value_or(kWideTemperaturePattern), m_locale.point());
    } else {
        m_display = std::string(ChooseDisplayFormat(*output));
        page.outputText = FormatOutput(*output, m_display, m_locale.point());
    }
    return beeps;
}

} // namespace nuvra::tools::converter
