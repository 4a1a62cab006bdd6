#include "tools/converter/converter_format.h"
#include "tools/converter/unit_converter.h"
#include "tools/converter/unit_tables.h"

#include <gtest/gtest.h>
#include <string>

namespace nuvra::tools::converter {
namespace {

struct ConversionCase {
    const char* name;
    Category category;
    const char* from;
    const char* to;
    const char* input;
    const char* expectedInput;
    const char* expectedOutput;
    int beeps;
};

class ConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, ConvertsWithTheLimitsAndResets)
{
    const ConversionCase& c = GetParam();
    UnitConverter converter;
    ASSERT_TRUE(converter.setInputUnit(c.category, c.from));
    ASSERT_TRUE(converter.setOutputUnit(c.category, c.to));
    const int beeps = converter.setInputText(c.category, c.input);
    EXPECT_EQ(converter.page(c.category).inputText, c.expectedInput);
    EXPECT_EQ(converter.page(c.category).outputText, c.expectedOutput);
    EXPECT_EQ(beeps, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Categories, ConversionTest,
    testing::Values(
        ConversionCase{"inch_to_mm", Category::Length, "Inch", "mm", "1", "1", "25.4", 0},
        ConversionCase{"freezing_point", Category::Temperature, "Fahrenheit", "Celsius", "32", "32",
                       "0.0", 0},
        ConversionCase{"zero_output_scientific", Category::Length, "m", "mm", "0", "0", "0.00E+00",
                       0},
        ConversionCase{"negative_output_scientific", Category::Length, "m", "mm", "-5", "-5",
                       "-5.00E+03", 0},
        ConversionCase{"whole_output_keeps_point", Category::Length, "cm", "m", "200", "200", "2.",
                       0},
        ConversionCase{"length_limit_silent", Category::Length, "m", "mm", "20000000", "10000000",
                       "1.00E+10", 0},
        ConversionCase{"area_limit_silent", Category::Area, "m^2", "m^2", "10000001", "10000000",
                       "1.00E+07", 0},
        ConversionCase{"volume_limit_beeps", Category::Volume, "Litre", "Litre", "20000000",
                       "10000000", "1.00E+07", 1},
        ConversionCase{"mass_limit_beeps", Category::Mass, "Kg", "g", "20000000", "10000000",
                       "1.00E+10", 1},
        ConversionCase{"below_absolute_zero_fahrenheit", Category::Temperature, "Fahrenheit",
                       "Celsius", "-500", "-459.67", "-273.15", 0},
        ConversionCase{"below_absolute_zero_kelvin", Category::Temperature, "Kelvin", "Celsius",
                       "-1", "0", "-273.15", 0},
        ConversionCase{"temperature_limit", Category::Temperature, "Kelvin", "Kelvin", "20000",
                       "10000", "10000.0", 0},
        ConversionCase{"temperature_bands_overlap", Category::Temperature, "Kelvin", "Kelvin",
                       "999.123", "999.123", "999.12", 0},
        ConversionCase{"temperature_lower_band", Category::Temperature, "Kelvin", "Kelvin",
                       "998.1234", "998.1234", "998.123", 0},
        ConversionCase{"fahrenheit_beyond_the_bands", Category::Temperature, "Celsius",
                       "Fahrenheit", "10000", "10000", "18032.0", 0},
        ConversionCase{"torque_negative_nm_converts", Category::Torque, "Nm", "Ncm", "-5", "-5",
                       "-5.00E+02", 0},
        ConversionCase{"torque_negative_poundfeet_resets", Category::Torque, "Poundfeet", "Ncm",
                       "-5", "0", "0.00E+00", 0},
        ConversionCase{"torque_limit", Category::Torque, "Ncm", "Ncm", "10001", "10000", "10000.",
                       0},
        ConversionCase{"magnetic_negative_oersted_resets", Category::MagneticFS, "Oersted", "Gauss",
                       "-3", "0", "0.00E+00", 0},
        ConversionCase{"magnetic_negative_gauss_converts", Category::MagneticFS, "Gauss", "Gauss",
                       "-3", "-3", "-3.00E+00", 0},
        ConversionCase{"pressure_zero_ignored", Category::Pressure, "Atmosphere", "mBar", "0", "0",
                       "1013.25", 0},
        ConversionCase{"pressure_negative_smallest", Category::Pressure, "Atmosphere", "mBar", "-3",
                       "1.00E-60", "1.01E-57", 0},
        ConversionCase{"pressure_limit", Category::Pressure, "Pascal", "Pascal", "2000000",
                       "1000000", "1000000", 0},
        ConversionCase{"torr_output_constant", Category::Pressure, "Pascal", "Torr", "1000", "1000",
                       "7.5006", 0},
        ConversionCase{"outgassing_limit", Category::OutgassingRates, "Pa m/s", "Pa m/s", "5000",
                       "1.00E+03", "1000.", 0},
        ConversionCase{"outgassing_zero_ignored", Category::OutgassingRates, "Pa m/s",
                       "mBar-l/s-cm^2", "0", "0", "1.50E-08", 0},
        ConversionCase{"mil_two_steps", Category::Length, "Mil", "micron", "1", "1", "25.4", 0},
        ConversionCase{"letters_read_as_zero", Category::Length, "m", "mm", "abc", "abc",
                       "0.00E+00", 0},
        ConversionCase{"trailing_garbage_ignored", Category::Length, "m", "cm", "2.5xyz", "2.5xyz",
                       "250.", 0},
        ConversionCase{"huge_input_limited", Category::Length, "m", "mm", "1e400", "10000000",
                       "1.00E+10", 0},
        ConversionCase{"huge_negative_input", Category::Length, "m", "mm", "-1e400", "-1e400",
                       "-infinity", 0},
        ConversionCase{"huge_negative_temperature", Category::Temperature, "Celsius", "Kelvin",
                       "-1e400", "-273.15", "0.0", 0}),
    [](const testing::TestParamInfo<ConversionCase>& info) { return info.param.name; });

TEST(UnitConverterTest, StartsEveryPageWithItsInitialConversion)
{
    const UnitConverter converter;
    const auto& length = converter.page(Category::Length);
    EXPECT_EQ(length.inputUnit, "Inch");
    EXPECT_EQ(length.outputUnit, "mm");
    EXPECT_EQ(length.inputText, "1.0");
    EXPECT_EQ(length.outputText, "25.4");
    EXPECT_EQ(converter.page(Category::Area).outputText, "0.064516");
    EXPECT_EQ(converter.page(Category::Volume).outputText, "0.003605");
    EXPECT_EQ(converter.page(Category::Mass).outputText, "0.453592");
    EXPECT_EQ(converter.page(Category::Temperature).inputText, "32.0");
    EXPECT_EQ(converter.page(Category::Temperature).outputText, "0.0");
    EXPECT_EQ(converter.page(Category::MagneticFS).outputText, "1.00E-04");
    EXPECT_EQ(converter.page(Category::Torque).outputText, "0.706155");
    EXPECT_EQ(converter.page(Category::Pressure).inputText, "1");
    EXPECT_EQ(converter.page(Category::Pressure).outputText, "1013.25");
    EXPECT_EQ(converter.page(Category::OutgassingRates).inputText, "1.50E-05");
    EXPECT_EQ(converter.page(Category::OutgassingRates).outputText, "1.50E-08");
    // Magnetic FS is set last at load, so its pattern is the one kept.
    EXPECT_EQ(converter.displayPattern(), "scientific");
}

TEST(UnitConverterTest, PrintsWithTheUserDecimalSeparator)
{
    UnitConverter converter(ConverterLocale{","});
    EXPECT_TRUE(converter.commaAllowed());
    EXPECT_EQ(converter.page(Category::Length).inputText, "1,0");
    EXPECT_EQ(converter.page(Category::OutgassingRates).inputText, "1,50E-05");
    EXPECT_EQ(converter.setInputText(Category::Length, "1,5"), 0);
    EXPECT_EQ(converter.page(Category::Length).outputText, "38,1");
    (void)converter.setInputText(Category::Temperature, "-500");
    EXPECT_EQ(converter.page(Category::Temperature).inputText, "-459,67");
    EXPECT_EQ(converter.page(Category::Temperature).outputText, "-273,15");
}

TEST(UnitConverterTest, PressureZeroKeepsTheBaseValue)
{
    UnitConverter converter;
    (void)converter.setInputText(Category::Pressure, "2");
    EXPECT_DOUBLE_EQ(converter.baseValue(Category::Pressure), 202650.0);
    (void)converter.setInputText(Category::Pressure, "0");
    EXPECT_DOUBLE_EQ(converter.baseValue(Category::Pressure), 202650.0);
    EXPECT_EQ(converter.page(Category::Pressure).outputText, "2026.5");
}

TEST(UnitConverterTest, RefusesUnknownUnits)
{
    UnitConverter converter;
    EXPECT_FALSE(converter.setInputUnit(Category::Length, "parsec"));
    EXPECT_FALSE(converter.setOutputUnit(Category::Mass, "mm"));
    EXPECT_EQ(converter.page(Category::Length).inputUnit, "Inch");
    EXPECT_EQ(converter.page(Category::Mass).outputUnit, "Kg");
}

TEST(UnitConverterTest, ChangingAUnitRunsTheConversionAgain)
{
    UnitConverter converter;
    (void)converter.setInputText(Category::Mass, "20000000");
    // The input was limited by the first conversion, so the second one does not beep.
    EXPECT_EQ(converter.setOutputUnit(Category::Mass, "g"), 0);
    EXPECT_EQ(converter.page(Category::Mass).outputText, "4.54E+09"); // 10000000 lb in g
    ASSERT_TRUE(converter.setOutputUnit(Category::Length, "cm"));
    EXPECT_EQ(converter.page(Category::Length).outputText, "2.54");
    ASSERT_TRUE(converter.setInputUnit(Category::Length, "Foot"));
    EXPECT_EQ(converter.page(Category::Length).outputText, "30.48");
}

TEST(UnitTablesTest, NamesTheCategoriesAndUnitsExactly)
{
    EXPECT_EQ(categoryByName("Outgassing Rates"), Category::OutgassingRates);
    EXPECT_EQ(categoryByName("Magnetic FS"), Category::MagneticFS);
    EXPECT_FALSE(categoryByName("length").has_value());
    EXPECT_EQ(unitNames(Category::Length).size(), 12u);
    EXPECT_EQ(unitNames(Category::Area).size(), 11u);
    EXPECT_EQ(unitNames(Category::Volume).size(), 10u);
    EXPECT_EQ(unitNames(Category::Mass).size(), 7u);
    EXPECT_EQ(unitNames(Category::Torque).size(), 8u);
    EXPECT_EQ(unitIndex(Category::Mass, "m Tonne"), 3);
    EXPECT_EQ(unitIndex(Category::Volume, "cc = ml"), 1);
    EXPECT_FALSE(ConvertToBase(Category::Length, "furlong", 1).has_value());
}

TEST(UnitTablesTest, TorqueOutputUsesItsOwnConstants)
{
    // 1 Poundfeet to the base and back is not exactly 1: the two constants differ.
    const double base = *ConvertToBase(Category::Torque, "Poundfeet", 1);
    EXPECT_DOUBLE_EQ(base, 135.58179483314);
    EXPECT_DOUBLE_EQ(*ConvertFromBase(Category::Torque, "Poundfeet", base),
                     135.58179483314 * 0.007375621492);
}

struct PatternCase {
    const char* name;
    double value;
    const char* pattern;
    const char* separator;
    const char* expected;
};

class FormatOutputTest : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatOutputTest, PrintsThePattern)
{
    const PatternCase& c = GetParam();
    EXPECT_EQ(FormatOutput(c.value, c.pattern, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatOutputTest,
    testing::Values(
        PatternCase{"zero_position_pads_one", 1, "##0.0#", ".", "1.0"},
        PatternCase{"zero_position_keeps_decimals", 0.25, "##0.0#", ".", "0.25"},
        PatternCase{"rounds_half_away", 0.125, "##0.0#", ".", "0.13"},
        PatternCase{"negative_fraction", -0.25, "##0.0#", ".", "-0.25"},
        PatternCase{"whole_value_trailing_point", 5, "0.######", ".", "5."},
        PatternCase{"no_point_pattern", 1234567.4, "########", ".", "1234567"},
        PatternCase{"scientific_small", 0.000015, "scientific", ".", "1.50E-05"},
        PatternCase{"scientific_zero", 0, "scientific", ".", "0.00E+00"},
        PatternCase{"scientific_rounds_up_a_decade", 9.995, "scientific", ".", "1.00E+01"},
        PatternCase{"scientific_three_exponent_digits", 1e-300, "scientific", ".", "1.00E-300"},
        PatternCase{"scientific_negative", -2.5, "scientific", ".", "-2.50E+00"},
        PatternCase{"comma_separator", 1.5, "##0.0#", ",", "1,5"},
        PatternCase{"comma_in_scientific", 1000, "scientific", ",", "1,00E+03"}),
    [](const testing::TestParamInfo<PatternCase>& info) { return info.param.name; });

struct FormatChoiceCase {
    const char* name;
    double value;
    const char* pattern;
};

class ChooseDisplayFormatTest : public testing::TestWithParam<FormatChoiceCase> {};

TEST_P(ChooseDisplayFormatTest, ChoosesByTheFirstMatchingBand)
{
    EXPECT_EQ(ChooseDisplayFormat(GetParam().value), GetParam().pattern);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, ChooseDisplayFormatTest,
    testing::Values(FormatChoiceCase{"negative", -1, "scientific"},
                    FormatChoiceCase{"zero", 0, "scientific"},
                    FormatChoiceCase{"tiny_edge", 0.000999, "scientific"},
                    FormatChoiceCase{"above_tiny", 0.001, "0.######"},
                    FormatChoiceCase{"units_edge", 9.999999, "0.######"},
                    FormatChoiceCase{"tens", 10, "#0.#####"},
                    FormatChoiceCase{"tens_edge", 99.99999, "#0.#####"},
                    FormatChoiceCase{"hundreds", 100, "##0.####"},
                    FormatChoiceCase{"thousands", 1000, "###0.###"},
                    FormatChoiceCase{"ten_thousands", 10000, "####0.##"},
                    FormatChoiceCase{"hundred_thousands", 100000, "#####0.#"},
                    FormatChoiceCase{"millions", 1000000, "########"},
                    FormatChoiceCase{"millions_edge", 9999999, "########"},
                    FormatChoiceCase{"above_millions", 10000000, "scientific"}),
    [](const testing::TestParamInfo<FormatChoiceCase>& info) { return info.param.name; });

TEST(ChooseTemperatureFormatTest, HasTwoBandsAndNothingBeyond)
{
    EXPECT_EQ(ChooseTemperatureFormat(-999.9), "##0.0##");
    EXPECT_EQ(ChooseTemperatureFormat(999.5), "###0.0#");
    EXPECT_EQ(ChooseTemperatureFormat(9999.9), "###0.0#");
    EXPECT_FALSE(ChooseTemperatureFormat(10000).has_value());
    EXPECT_FALSE(ChooseTemperatureFormat(-1000).has_value());
}

struct KeyCase {
    const char* name;
    char key;
    const char* text;
    bool commaAllowed;
    bool accepted;
};

class FilterNumberKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(FilterNumberKeyTest, AcceptsOrRefuses)
{
    const KeyCase& c = GetParam();
    EXPECT_EQ(FilterNumberKey(c.key, c.text, c.commaAllowed), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(Keys, FilterNumberKeyTest,
                         testing::Values(KeyCase{"digit", '7', "12", false, true},
                                         KeyCase{"backspace", '\b', "12", false, true},
                                         KeyCase{"letter", 'a', "12", false, false},
                                         KeyCase{"control_key", '\x03', "12", false, false},
                                         KeyCase{"minus_into_empty", '-', "", false, false},
                                         KeyCase{"minus_into_zero", '-', "0", false, false},
                                         KeyCase{"minus_over_nonzero", '-', "5", false, true},
                                         KeyCase{"second_minus", '-', "-5", false, false},
                                         KeyCase{"first_point", '.', "1", false, true},
                                         KeyCase{"second_point", '.', "1.5", false, false},
                                         KeyCase{"comma_allowed", ',', "1", true, true},
                                         KeyCase{"comma_not_allowed", ',', "1", false, false},
                                         KeyCase{"second_comma", ',', "1,5", true, false},
                                         KeyCase{"point_after_comma", '.', "1,5", true, false},
                                         KeyCase{"e_after_digit", 'e', "2", false, true},
                                         KeyCase{"second_e", 'e', "2e", false, false},
                                         KeyCase{"capital_after_e", 'E', "2e", false, false},
                                         KeyCase{"e_into_empty", 'e', "", false, false},
                                         KeyCase{"e_after_minus", 'e', "-2", false, false},
                                         KeyCase{"zero_after_zero", '0', "0", false, false},
                                         KeyCase{"zero_after_minus_zero", '0', "-0", false, false},
                                         KeyCase{"zero_after_digit", '0', "10", false, true}),
                         [](const testing::TestParamInfo<KeyCase>& info) {
                             return info.param.name;
                         });

TEST(ReadNumberTest, ReadsCommasAsPoints)
{
    EXPECT_DOUBLE_EQ(ReadNumber("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(ReadNumber("12abc"), 12.0);
    EXPECT_DOUBLE_EQ(ReadNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(ReadNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ReadNumber("2e3"), 2000.0);
}

} // namespace
} // namespace nuvra::tools::converter
