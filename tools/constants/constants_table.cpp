#include "tools/constants/constants_table.h"

#include "core/session.h"
#include "core/number_text.h"

#include <cmath>

namespace nuvra::tools::constants {
namespace {

struct Row {
    std::string_view symbol;
    std::string_view name;
    double mantissa;
    std::optional<int> exponent; // none: a single-precision constant given directly
};

constexpr std::array<Row, kConstantCount> kRows{{
    {"m_p", "Mass of the Proton", 1.67262158, -27},
    {"m_n", "Mass of the Neutron", 1.67492716, -27},
    {"m_e", "Mass of the Electron", 9.10938188, -31},
    {"m_\u03bc", "Mass of the Muon", 1.88353109, -28},
    {"a_0", "Bohr radius", 5.291772083, -11},
    {"h", "Planck's constant", 6.62606876, -34},
    {"\u03bc_N", "Nuclear magneton", 5.05078317, -27},
    {"\u03bc_B", "Bohr magneton", 9.27400899, -24},
    {"\u0127", "Dirac's constant", 1.054571596, -34},
    {"\u03b1", "Fine-structure constant", 7.297352533, -3},
    {"r_e", "Classical electron radius", 2.817940285, -15},
    {"\u03bb_c", "Compton wavelength", 2.426310215, -12},
    {"\u03b3_p", "Gyromagnetic ratio of p+", 267522208, std::nullopt},
    {"\u03bb_c,p", "Compton wl for proton", 1.321409847, -15},
    {"\u03bb_c,n", "Compton wl for neutron", 1.319590898, -15},
    {"R_\u221e", "Rydberg's constant", 10973732, std::nullopt},
    {"u", "Atomic mass unit", 1.66053873, -27},
    {"\u03bc_p", "Proton magnetic moment", 1.410606633, -26},
    {"\u03bc_e", "Electron magn. moment", -9.28476362, -24},
    {"\u03bc_n", "Neutron magn. moment", -9.662364, -27},
    {"\u03bc_\u03bc", "Muon magnetic moment", -4.49044813, -26},
    {"F", "Faraday's constant", 96485.34375, std::nullopt},
    {"e", "Charge of a proton", 1.602176462, -19},
    {"N_A", "Avogadro number", 6.02214199, 23},
    {"k", "Boltzmann's constant", 1.3806503, -23},
    {"V_m", "Molar volume of ideal gas", 0.022413995, std::nullopt},
    {"R", "Ideal gas constant", 8.314472, std::nullopt},
    {"c_0", "Speed of light in vacuum", 299792448, std::nullopt},
    {"c_1", "1st radiation constant", 3.74177107, -16},
    {"c_2", "2nd radiation constant", 0.014387752, std::nullopt},
    {"\u03c3", "Stefan's constant", 5.6704, -8},
    {"\u03b5_0", "Permitivity of free space", 8.854187817, -12},
    {"\u03bc_0", "Permeability of free space", 1.256637061, -6},
    {"\u03c6_0", "Quantum of flux", 2.0678336, -15},
    {"g", "Normal gravity", 9.80665, std::nullopt},
    {"G_0", "Conductance quantum", 7.748091695, -5},
    {"Z_0", "Impedence of Vacuum", 376.73032, std::nullopt},
    {"t", "Freezing point (Kelvin)", 273.15, std::nullopt},
    {"G", "Gravitational constant", 6.673, -11},
    {"atm", "Normal Pressure", 1.01325, std::nullopt},
    {"\u03b3", "Euler-Mascheroni Constant", 0.5772157, std::nullopt},
    {"\u03c6", "Golden ratio", 1.618034, std::nullopt},
}};

} // namespace

std::optional<Constant> constantAt(int number)
{
    if (number < 0 || number >= kConstantCount)
        return std::nullopt;
    const Row& row = kRows[static_cast<std::size_t>(number)];
    const double exact = row.exponent ? row.mantissa * std::pow(10.0, *row.exponent) : row.mantissa;
    const float value = static_cast<float>(exact);
    return Constant{row.symbol, row.name, value, core::SingleToText(value)};
}

bool enterConstant(core::Session& session, int number)
{
    const auto constant = constantAt(number);
    if (!constant)
        return false;
    session.display.setEntry(constant->entryText);
    session.feedback.playClick();
    return true;
}

bool ConstantsView::isVisible(int number) const
{
    if (number < 0 || number >= kConstantCount)
        return false;
    if (m_mode == ConstantsMode::SinglePage)
        return true;
    return m_page == 1 ? number < 21 : number >= 21;
}

void ConstantsView::showFirstPage()
{
    if (m_mode == ConstantsMode::TwoPages && m_page == 2)
        m_page = 1;
}

void ConstantsView::showSecondPage()
{
    if (m_mode == ConstantsMode::TwoPages && m_page == 1)
        m_page = 2;
}

void ConstantsView::toggleMode()
{
    if (m_mode == ConstantsMode::SinglePage) {
        m_mode = ConstantsMode::TwoPages;
        m_page = 1;
    } else {
        m_mode = ConstantsMode::SinglePage;
    }
}

} // namespace nuvra::tools::constants
