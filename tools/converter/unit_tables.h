#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace nuvra::tools::converter {

// The nine quantities, in the order of the category list.
enum class Category {
    Length,
    Area,
    Volume,
    Mass,
    Temperature,
    MagneticFS,
    Torque,
    Pressure,
    OutgassingRates,
};

inline constexpr std::array<Category, 9> kCategories{
    Category::Length, Category::Area,        Category::Volume,
    Category::Mass,   Category::Temperature, Category::MagneticFS,
    Category::Torque, Category::Pressure,    Category::OutgassingRates,
};

std::string_view categoryName(Category category);
std::optional<Category> categoryByName(std::string_view name);

// The unit texts of a category in list order; the input and output lists hold the same units.
std::span<const std::string_view> unitNames(Category category);
std::optional<int> unitIndex(Category category, std::string_view unitName);

// The steps between a unit and the category's base unit, performed literally in double
// precision (a division stays a division). Nothing when the unit text matches no row.
std::optional<double> ConvertToBase(Category category, std::string_view unitName, double value);
std::optional<double> ConvertFromBase(Category category, std::string_view unitName,
                                      double baseValue);

} // namespace nuvra::tools::converter
