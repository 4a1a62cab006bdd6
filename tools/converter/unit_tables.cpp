#include "tools/converter/unit_tables.h"

namespace nuvra::tools::converter {
namespace {

enum class Op { Same, Multiply, Divide, FahrenheitToKelvin, KelvinToFahrenheit, Add, Subtract };

struct Step {
    Op op = Op::Same;
    double constant = 0.0;
};

double apply(Step step, double value)
{
    switch (step.op) {
    case Op::Same:
        return value;
    case Op::Multiply:
        return value * step.constant;
    case Op::Divide:
        return value / step.constant;
    case Op::Add:
        return value + step.constant;
    case Op::Subtract:
        return value - step.constant;
    case Op::FahrenheitToKelvin:
        return (value - 32) * 5 / 9 + 273.15;
    case Op::KelvinToFahrenheit:
        return (value - 273.15) * 9 / 5 + 32;
    }
    return value;
}

// Up to two to-base steps ("x 0.0254, then x 0.001") and one from-base step.
struct Unit {
    std::string_view name;
    Step toBase;
    Step toBaseThen;
    Step fromBase;
};

constexpr Step same{};
constexpr Step mul(double c)
{
    return {Op::Multiply, c};
}
constexpr Step div(double c)
{
    return {Op::Divide, c};
}
constexpr Step add(double c)
{
    return {Op::Add, c};
}
constexpr Step sub(double c)
{
    return {Op::Subtract, c};
}

constexpr Unit kLength[] = {
    {"micron", div(1000000), same, mul(1000000)},
    {"mm", div(1000), same, mul(1000)},
    {"cm", div(100), same, mul(100)},
    {"dm", div(10), same, mul(10)},
    {"m", same, same, same},
    {"Km", mul(1000), same, div(1000)},
    {"Mil", mul(0.0254), mul(0.001), div(0.0000254)},
    {"Inch", mul(0.0254), same, div(0.0254)},
    {"uInch", mul(0.0254), mul(0.000001), div(0.0000000254)},
    {"Foot", mul(0.3048), same, div(0.3048)},
    {"Yard", mul(0.9144), same, div(0.9144)},
    {"Mile", mul(1609.34), same, div(1609.34)},
};

constexpr Unit kArea[] = {
    {"cm^2", mul(0.0001), same, div(0.0001)},
    {"dm^2", mul(0.01), same, div(0.01)},
    {"m^2", same, same, same},
    {"ares", mul(100), same, div(100)},
    {"hectare", mul(10000), same, div(10000)},
    {"Km^2", mul(1000000), same, div(1000000)},
    {"acre", mul(4046.8564), same, div(4046.8564)},
    {"inch^2", mul(0.00064516), same, div(0.00064516)},
    {"feet^2", mul(0.09290304), same, div(0.09290304)},
    {"yard^2", mul(0.83612736), same, div(0.83612736)},
    {"Mile^2", mul(2589988.110336), same, div(2589988.110336)},
};

constexpr Unit kVolume[] = {
    {"cm^3", mul(0.001), same, div(0.001)},
    {"cc = ml", mul(0.001), same, div(0.001)},
    {"cl", mul(0.01), same, div(0.01)},
    {"Litre", same, same, same},
    {"m^3", mul(1000), same, div(1000)},
    {"inch^3", mul(0.016387064), same, div(0.016387064)},
    {"feet^3", mul(28.316846592), same, div(28.316846592)},
    {"yard^3", mul(764.554857984), same, div(764.554857984)},
    {"UK gal.", mul(4.5459631), same, div(4.5459631)},
    {"US gal.", mul(3.7853060057), same, div(3.7853060057)},
};

constexpr Unit kMass[] = {
    {"mg", mul(0.000001), same, div(0.000001)},
    {"g", mul(0.001), same, div(0.001)},
    {"Kg", same, same, same},
    {"m Tonne", mul(1000), same, div(1000)},
    {"grain", mul(0.0000647989), same, div(0.0000647989)},
    {"oz", mul(0.0283495231), same, div(0.0283495231)},
    {"lb", mul(0.45359237), same, div(0.45359237)},
};

constexpr Unit kTemperature[] = {
    {"Fahrenheit", {Op::FahrenheitToKelvin, 0}, same, {Op::KelvinToFahrenheit, 0}},
    {"Celsius", add(273.15), same, sub(273.15)},
    {"Kelvin", same, same, same},
};

constexpr Unit kMagnetic[] = {
    {"Gauss", same, same, same},
    {"Tesla", mul(10000), same, mul(0.0001)},
    {"Oersted", same, same, same},
    {"A/m", div(79.57747), same, mul(79.57747)},
};

// The output side has its own constants, not the exact reciprocals of the input ones.
constexpr Unit kTorque[] = {
    {"gcm", mul(0.00980665), same, mul(101.971621297793)},
    {"kgcm", mul(9.80665), same, mul(0.1019716213)},
    {"kgm", mul(980.665), same, mul(0.001019716213)},
    {"Ncm", same, same, same},
    {"Nm", mul(100), same, mul(0.01)},
    {"OunceInches", mul(0.706155181422), same, mul(1.416119326612)},
    {"PoundInches", mul(11.2984829027617), same, mul(0.08850745791)},
    {"Poundfeet", mul(135.58179483314), same, mul(0.007375621492)},
};

constexpr Unit kPressure[] = {
    {"Atmosphere", mul(101325), same, div(101325)},
    {"Torr", mul(133.322), same, mul(0.0075006)},
    {"Bar", mul(100000), same, div(100000)},
    {"mBar", mul(100), same, div(100)},
    {"Pascal", mul(1), same, same},
    {"hPa", mul(100), same, div(100)},
    {"kPa", mul(1000), same, div(1000)},
};

constexpr Unit kOutgassing[] = {
    {"Pa m/s", same, same, same},
    {"mBar-l/s-cm^2", mul(1000), same, div(1000)},
    {"Torr-l/s-cm^2", mul(1333), same, div(1333)},
};

std::span<const Unit> units(Category category)
{
    switch (category) {
    case Category::Length:
        return kLength;
    case Category::Area:
        return kArea;
    case Category::Volume:
        return kVolume;
    case Category::Mass:
        return kMass;
    case Category::Temperature:
        return kTemperature;
    case Category::MagneticFS:
        return kMagnetic;
    case Category::Torque:
        return kTorque;
    case Category::Pressure:
        return kPressure;
    case Category::OutgassingRates:
        return kOutgassing;
    }
    return {};
}

template <std::size_t N> constexpr std::array<std::string_view, N> namesOf(const Unit (&table)[N])
{
    std::array<std::string_view, N> names{};
    for (std::size_t i = 0; i < N; ++i)
        names[i] = table[i].name;
    return names;
}

constexpr auto kLengthNames = namesOf(kLength);
constexpr auto kAreaNames = namesOf(kArea);
constexpr auto kVolumeNames = namesOf(kVolume);
constexpr auto kMassNames = namesOf(kMass);
constexpr auto kTemperatureNames = namesOf(kTemperature);
constexpr auto kMagneticNames = namesOf(kMagnetic);
constexpr auto kTorqueNames = namesOf(kTorque);
constexpr auto kPressureNames = namesOf(kPressure);
constexpr auto kOutgassingNames = namesOf(kOutgassing);

const Unit* findUnit(Category category, std::string_view unitName)
{
    for (const Unit& unit : units(category)) {
        if (unit.name == unitName)
            return &unit;
    }
    return nullptr;
}

} // namespace

std::string_view categoryName(Category category)
{
    switch (category) {
    case Category::Length:
        return "Length";
    case Category::Area:
        return "Area";
    case Category::Volume:
        return "Volume";
    case Category::Mass:
        return "Mass";
    case Category::Temperature:
        return "Temperature";
    case Category::MagneticFS:
        return "Magnetic FS";
    case Category::Torque:
        return "Torque";
    case Category::Pressure:
        return "Pressure";
    case Category::OutgassingRates:
        return "Outgassing Rates";
    }
    return {};
}

std::optional<Category> categoryByName(std::string_view name)
{
    for (Category category : kCategories) {
        if (categoryName(category) == name)
            return category;
    }
    return std::nullopt;
}

std::span<const std::string_view> unitNames(Category category)
{
    switch (category) {
    case Category::Length:
        return kLengthNames;
    case Category::Area:
        return kAreaNames;
    case Category::Volume:
        return kVolumeNames;
    case Category::Mass:
        return kMassNames;
    case Category::Temperature:
        return kTemperatureNames;
    case Category::MagneticFS:
        return kMagneticNames;
    case Category::Torque:
        return kTorqueNames;
    case Category::Pressure:
        return kPressureNames;
    case Category::OutgassingRates:
        return kOutgassingNames;
    }
    return {};
}

std::optional<int> unitIndex(Category category, std::string_view unitName)
{
    const auto names = unitNames(category);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == unitName)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<double> ConvertToBase(Category category, std::string_view unitName, double value)
{
    const Unit* unit = findUnit(category, unitName);
    if (unit == nullptr)
        return std::nullopt;
    return apply(unit->toBaseThen, apply(unit->toBase, value));
}

std::optional<double> ConvertFromBase(Category category, std::string_view unitName,
                                      double baseValue)
{
    const Unit* unit = findUnit(category, unitName);
    if (unit == nullptr)
        return std::nullopt;
    return apply(unit->fromBase, baseValue);
}

} // namespace nuvra::tools::converter
