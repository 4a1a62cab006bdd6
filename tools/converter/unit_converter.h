#pragma once

#include "tools/converter/unit_tables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace nuvra::tools::converter {

// The user's monetary decimal separator; the converter prints its points with it.
struct ConverterLocale {
    std::string decimalSeparator = ".";

    // "," may be typed unless the separator is "." or empty.
    bool commaAllowed() const { return !(decimalSeparator.empty() || decimalSeparator == "."); }
    std::string_view point() const
    {
        return decimalSeparator.empty() ? std::string_view(".") : decimalSeparator;
    }
};

// One category's page: the input field, the two unit lists and the output field.
struct ConverterPage {
    std::string inputText;
    std::string inputUnit;
    std::string outputUnit;
    std::string outputText;
};

// The converter window's state without the window. Every change of an input text or a unit
// runs the conversion of that category, which may replace the input text (a limit or a reset)
// and so run again; each change reports how many times the system beep sounded.
class UnitConverter {
public:
    // Every page starts with its initial units and input text, already converted.
    explicit UnitConverter(ConverterLocale locale = {});

    const ConverterPage& page(Category category) const { return m_pages[index(category)]; }
    // The base value kept between conversions (every category but Outgassing Rates).
    double baseValue(Category category) const { return m_base[index(category)]; }
    // The output pattern chosen by the last conversion outside Temperature.
    const std::string& displayPattern() const { return m_display; }
    const ConverterLocale& locale() const { return m_locale; }
    bool commaAllowed() const { return m_locale.commaAllowed(); }

    int setInputText(Category category, std::string text);
    // The beeps of the conversion that runs; nothing, and no change, for a unit text that is
    // not in the category's list.
    [[nodiscard]] std::optional<int> setInputUnit(Category category, std::string_view unit);
    [[nodiscard]] std::optional<int> setOutputUnit(Category category, std::string_view unit);

private:
    static std::size_t index(Category category) { return static_cast<std::size_t>(category); }
    int convert(Category category, int depth);
    int replaceInput(Category category, std::string text, int depth);
    std::string numberText(double value) const;

    ConverterLocale m_locale;
    std::array<ConverterPage, kCategories.size()> m_pages;
    std::array<double, kCategories.size()> m_base{};
    std::string m_display;
};

} // namespace nuvra::tools::converter
