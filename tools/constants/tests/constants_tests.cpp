#include "core/feedback.h"
#include "core/session.h"
#include "tools/constants/constants_table.h"

#include <gtest/gtest.h>

namespace nuvra::tools::constants {
namespace {

struct ConstantCase {
    const char* name;
    int number;
    const char* tooltip;
    const char* entry;
};

class ConstantsTableTest : public testing::TestWithParam<ConstantCase> {};

TEST_P(ConstantsTableTest, NamesAndEntryTexts)
{
    const auto constant = constantAt(GetParam().number);
    ASSERT_TRUE(constant.has_value());
    EXPECT_EQ(constant->name, GetParam().tooltip);
    EXPECT_EQ(constant->entryText, GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(
    AllConstants, ConstantsTableTest,
    testing::Values(
        ConstantCase{"mass_of_the_proton", 0, "Mass of the Proton", "1.672622E-27"},
        ConstantCase{"mass_of_the_neutron", 1, "Mass of the Neutron", "1.674927E-27"},
        ConstantCase{"mass_of_the_electron", 2, "Mass of the Electron", "9.109382E-31"},
        ConstantCase{"mass_of_the_muon", 3, "Mass of the Muon", "1.883531E-28"},
        ConstantCase{"bohr_radius", 4, "Bohr radius", "5.291772E-11"},
        ConstantCase{"planck_s_constant", 5, "Planck's constant", "6.626069E-34"},
        ConstantCase{"nuclear_magneton", 6, "Nuclear magneton", "5.050783E-27"},
        ConstantCase{"bohr_magneton", 7, "Bohr magneton", "9.274009E-24"},
        ConstantCase{"dirac_s_constant", 8, "Dirac's constant", "1.054572E-34"},
        ConstantCase{"fine_structure_constant", 9, "Fine-structure constant", "0.007297352"},
        ConstantCase{"classical_electron_radius", 10, "Classical electron radius", "2.81794E-15"},
        ConstantCase{"compton_wavelength", 11, "Compton wavelength", "2.42631E-12"},
        ConstantCase{"gyromagnetic_ratio_of_p", 12, "Gyromagnetic ratio of p+", "2.675222E+08"},
        ConstantCase{"compton_wl_for_proton", 13, "Compton wl for proton", "1.32141E-15"},
        ConstantCase{"compton_wl_for_neutron", 14, "Compton wl for neutron", "1.319591E-15"},
        ConstantCase{"rydberg_s_constant", 15, "Rydberg's constant", "1.097373E+07"},
        ConstantCase{"atomic_mass_unit", 16, "Atomic mass unit", "1.660539E-27"},
        ConstantCase{"proton_magnetic_moment", 17, "Proton magnetic moment", "1.410607E-26"},
        ConstantCase{"electron_magn_moment", 18, "Electron magn. moment", "-9.284763E-24"},
        ConstantCase{"neutron_magn_moment", 19, "Neutron magn. moment", "-9.662364E-27"},
        ConstantCase{"muon_magnetic_moment", 20, "Muon magnetic moment", "-4.490448E-26"},
        ConstantCase{"faraday_s_constant", 21, "Faraday's constant", "96485.34"},
        ConstantCase{"charge_of_a_proton", 22, "Charge of a proton", "1.602176E-19"},
        ConstantCase{"avogadro_number", 23, "Avogadro number", "6.022142E+23"},
        ConstantCase{"boltzmann_s_constant", 24, "Boltzmann's constant", "1.38065E-23"},
        ConstantCase{"molar_volume_of_ideal_gas", 25, "Molar volume of ideal gas", "0.022414"},
        ConstantCase{"ideal_gas_constant", 26, "Ideal gas constant", "8.314472"},
        ConstantCase{"speed_of_light_in_vacuum", 27, "Speed of light in vacuum", "2.997924E+08"},
        ConstantCase{"1st_radiation_constant", 28, "1st radiation constant", "3.741771E-16"},
        ConstantCase{"2nd_radiation_constant", 29, "2nd radiation constant", "0.01438775"},
        ConstantCase{"stefan_s_constant", 30, "Stefan's constant", "5.6704E-08"},
        ConstantCase{"permitivity_of_free_space", 31, "Permitivity of free space", "8.854188E-12"},
        ConstantCase{"permeability_of_free_space", 32, "Permeability of free space",
                     "1.256637E-06"},
        ConstantCase{"quantum_of_flux", 33, "Quantum of flux", "2.067834E-15"},
        ConstantCase{"normal_gravity", 34, "Normal gravity", "9.80665"},
        ConstantCase{"conductance_quantum", 35, "Conductance quantum", "7.748092E-05"},
        ConstantCase{"impedence_of_vacuum", 36, "Impedence of Vacuum", "376.7303"},
        ConstantCase{"freezing_point_kelvin", 37, "Freezing point (Kelvin)", "273.15"},
        ConstantCase{"gravitational_constant", 38, "Gravitational constant", "6.673E-11"},
        ConstantCase{"normal_pressure", 39, "Normal Pressure", "1.01325"},
        ConstantCase{"euler_mascheroni_constant", 40, "Euler-Mascheroni Constant", "0.5772157"},
        ConstantCase{"golden_ratio", 41, "Golden ratio", "1.618034"}),
    [](const testing::TestParamInfo<ConstantCase>& info) { return info.param.name; });

TEST(ConstantsRangeTest, OnlyFortyTwoButtons)
{
    EXPECT_FALSE(constantAt(-1).has_value());
    EXPECT_FALSE(constantAt(42).has_value());
    EXPECT_FLOAT_EQ(constantAt(27)->value, 299792448.0f);
    EXPECT_EQ(constantAt(25)->symbol, "V_m");
}

TEST(EnterConstantTest, PutsTheEntryTextIntoTheDisplay)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    ASSERT_TRUE(enterConstant(session, 27));
    EXPECT_EQ(session.display.entry(), "2.997924E+08");
    ASSERT_TRUE(enterConstant(session, 41));
    EXPECT_EQ(session.display.entry(), "1.618034");
    ASSERT_TRUE(enterConstant(session, 18));
    EXPECT_EQ(session.display.entry(), "-9.284763E-24");
    EXPECT_EQ(feedback.clicks(), 3);
    // The entry is not marked complete: the engine flags stay as they were.
    EXPECT_FALSE(session.engine.clearOnDigit);
    EXPECT_FALSE(enterConstant(session, 42));
    EXPECT_EQ(feedback.clicks(), 3);
}

TEST(ConstantsViewTest, PagesAndSinglePageMode)
{
    ConstantsView view;
    EXPECT_EQ(view.mode(), ConstantsMode::TwoPages);
    EXPECT_TRUE(view.isVisible(1));
    EXPECT_FALSE(view.isVisible(21));
    view.showFirstPage();
    EXPECT_EQ(view.page(), 1);
    view.showSecondPage();
    view.showSecondPage();
    EXPECT_EQ(view.page(), 2);
    EXPECT_FALSE(view.isVisible(1));
    EXPECT_TRUE(view.isVisible(41));
    view.toggleMode();
    EXPECT_EQ(view.mode(), ConstantsMode::SinglePage);
    EXPECT_TRUE(view.isVisible(1));
    EXPECT_TRUE(view.isVisible(21));
    view.showFirstPage();
    EXPECT_TRUE(view.isVisible(21));
    view.toggleMode();
    EXPECT_EQ(view.page(), 1);
    EXPECT_FALSE(view.isVisible(42));
}

} // namespace
} // namespace nuvra::tools::constants
