#include "shell/menu_model.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nuvra::shell {
namespace {

struct ExpectedItem {
    int depth;
    const char* name;
    const char* caption;
    const char* shortcut;
    bool checked;
    bool visible;
    bool separator;
    bool submenu;
};

// The design state of every popup, in display order: depth, name, caption, shortcut, checked,
// visible, separator, submenu.
const std::vector<ExpectedItem> kDesignState{
    {0, "mnusys", "Menu", "", false, true, false, true},
    {1, "mnumin", "&Hide", "", false, true, false, false},
    {1, "mnudiv1", "-", "", false, true, true, false},
    {1, "mnuview", "&View", "", false, true, false, true},
    {2, "mnustd", "&Standard", "", true, false, false, false},
    {2, "mnusci", "S&cientific", "Ctrl+S", false, true, false, false},
    {2, "mnustat", "S&tatistic", "Ctrl+T", false, true, false, false},
    {2, "mnufrmfx", "E&quation", "Ctrl+Q", false, true, false, false},
    {2, "menudiv3", "-", "", false, true, true, false},
    {2, "mnucot", "C&onstants", "Ctrl+N", false, true, false, false},
    {2, "mnuvar", "V&ariable (s)", "Ctrl+A", false, true, false, false},
    {2, "mnudiv7", "-", "", false, true, true, false},
    {2, "mnufin", "Finan&cial", "Ctrl+J", false, true, false, false},
    {2, "mnumort", "&Mortgage", "Ctrl+O", false, true, false, false},
    {2, "mnudiv9", "-", "", false, true, true, false},
    {2, "mnufrac", "F&raction (d>f)", "Ctrl+F", false, true, false, false},
    {2, "mnuconv", "&Unit Converter", "Ctrl+U", false, true, false, false},
    {2, "mnudg", "Digit Grouping", "", false, false, false, false},
    {2, "mnudec", "&Format", "Ctrl+K", false, true, false, false},
    {2, "mnudiv2", "-", "", false, false, true, false},
    {2, "mnugra", "&Graph", "Ctrl+G", false, true, false, false},
    {2, "menudiv", "-", "", false, true, true, false},
    {2, "mnuhis", "H&istory", "Ctrl+H", false, true, false, false},
    {2, "mnuwrd", "&Wordify", "Ctrl+W", false, true, false, false},
    {2, "mnulq", "&Revo", "", false, true, false, false},
    {1, "mnumodechange", "&Mode", "", false, true, false, true},
    {2, "mnumodechange_alg", "&Algebraic", "", true, true, false, false},
    {2, "mnumodechange_RPN", "&RPN", "", false, true, false, false},
    {1, "mnuedit", "&Edit", "", false, true, false, true},
    {2, "mnucopy", "&Copy", "Ctrl+C", false, true, false, false},
    {2, "mnupaste", "&Paste", "Ctrl+V", false, true, false, false},
    {2, "mnudiv_preset", "-", "", false, true, true, false},
    {2, "mnufrmSet", "Settings", "Ctrl+Z", false, true, false, false},
    {2, "mnudiv4", "-", "", false, true, true, false},
    {2, "mnusplash", "S&plash Screen", "", true, true, false, false},
    {2, "mnuangle", "&Angular System", "", false, true, false, true},
    {3, "mnuangleD", "&Degrees", "", false, true, false, false},
    {3, "mnuangleR", "&Radians", "", false, true, false, false},
    {3, "mnuangleG", "&Gradians", "", false, true, false, false},
    {3, "mnuangleT", "&Turns", "", false, true, false, false},
    {2, "mnupop", "Popup &Notifications", "", true, true, false, false},
    {2, "mnutrayn", "Tray &Notifications", "", false, true, false, false},
    {2, "mnustar8", "Check for updates on Startup", "", false, true, false, false},
    {2, "mnustar", "La&unch at Startup", "", false, true, false, false},
    {2, "mnu_menu_singleaction", "Single Action &Menu", "", false, true, false, false},
    {2, "mnuSonus", "S&ound (s)", "F6", false, true, false, false},
    {2, "mnureset", "&Reset", "F5", false, true, false, false},
    {1, "mnuhelp", "&Help", "", false, true, false, true},
    {2, "mnuUP", "Check for Updates", "F8", false, true, false, false},
    {2, "mnudonate", "&Donate", "", false, true, false, false},
    {2, "mnuhelpdiv", "-", "", false, true, true, false},
    {2, "mnuex", "&Butler (Help)", "F1", false, true, false, false},
    {2, "mnuabt", "&About Nuvra", "F2", false, true, false, false},
    {1, "mnusysdiv", "-", "", false, true, true, false},
    {1, "mnusysexit", "E&xit", "Ctrl+E", false, true, false, false},
    {0, "logmnu", "Log Menu", "", false, true, false, true},
    {1, "logln", "Natural Log ( Base : e )", "", true, true, false, false},
    {1, "loglog10", "Log ( Base : 10 )", "", false, true, false, false},
    {1, "logantie", "Anti-log ( Base : e )", "", false, false, false, false},
    {1, "loganti10", "Anti-log ( Base : 10 )", "", false, true, false, false},
    {0, "mnufinF", "Financial Menu", "", false, true, false, true},
    {1, "mnufinF0", "Simple Interest", "", false, true, false, false},
    {1, "mnufinF1", "Compound Interest", "", false, true, false, false},
    {1, "mnufinF2", "Loan + Mortgage", "", true, true, false, false},
    {0, "frmFXUI", "frmFX Color Menu", "", false, true, false, true},
    {1, "frmFXUID", "Dark Interface", "", true, true, false, false},
    {1, "frmFXUIL", "Light Interface", "", false, true, false, false},
};

TEST(MenuTree, DesignStateMatchesTheMenuTables)
{
    const MenuModel menu;
    const auto& items = menu.items();
    ASSERT_EQ(items.size(), kDesignState.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ExpectedItem& want = kDesignState[i];
        const MenuItem& got = items[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.depth, want.depth);
        EXPECT_EQ(got.caption, want.caption);
        EXPECT_EQ(got.shortcut, want.shortcut);
        EXPECT_EQ(got.checked, want.checked);
        EXPECT_EQ(got.visible, want.visible);
        EXPECT_EQ(got.separator, want.separator);
        EXPECT_EQ(got.submenu, want.submenu);
        EXPECT_TRUE(got.enabled);
        // Every item but plain commands, submenus and separators carries a check mark place.
        if (got.separator || got.submenu) {
            EXPECT_FALSE(got.checkable);
        }
        if (got.checked) {
            EXPECT_TRUE(got.checkable);
        }
    }
}

std::vector<std::string> namesOf(const std::vector<const MenuItem*>& items)
{
    std::vector<std::string> names;
    for (const MenuItem* item : items)
        names.emplace_back(item->name);
    return names;
}

TEST(MenuTree, SubmenusHoldTheirItemsInDisplayOrder)
{
    const MenuModel menu;
    EXPECT_EQ(namesOf(menu.children("mnusys")),
              (std::vector<std::string>{"mnumin", "mnudiv1", "mnuview", "mnumodechange", "mnuedit",
                                        "mnuhelp", "mnusysdiv", "mnusysexit"}));
    EXPECT_EQ(namesOf(menu.children("mnuangle")),
              (std::vector<std::string>{"mnuangleD", "mnuangleR", "mnuangleG", "mnuangleT"}));
    EXPECT_EQ(namesOf(menu.children("mnumodechange")),
              (std::vector<std::string>{"mnumodechange_alg", "mnumodechange_RPN"}));
    EXPECT_EQ(namesOf(menu.children("mnuhelp")),
              (std::vector<std::string>{"mnuUP", "mnudonate", "mnuhelpdiv", "mnuex", "mnuabt"}));
    EXPECT_TRUE(menu.children("mnucopy").empty());
    EXPECT_TRUE(menu.children("no such item").empty());
}

TEST(MenuTree, TheAngularPopupIsTheEditSubmenu)
{
    const MenuModel menu;
    const MenuItem& angle = menu.popup(MenuPopup::AngularSystem);
    EXPECT_EQ(angle.name, "mnuangle");
    EXPECT_EQ(angle.caption, "&Angular System");
    ASSERT_GE(angle.parent, 0);
    EXPECT_EQ(menu.items()[static_cast<std::size_t>(angle.parent)].name, "mnuedit");

    std::vector<std::string> visited;
    menu.forEachItem(MenuPopup::AngularSystem, [&](const MenuItem& item, int depth) {
        EXPECT_EQ(depth, 1);
        visited.emplace_back(item.name);
    });
    EXPECT_EQ(visited,
              (std::vector<std::string>{"mnuangleD", "mnuangleR", "mnuangleG", "mnuangleT"}));
}

TEST(MenuTree, VisitingAPopupWalksItsWholeTreeDepthFirst)
{
    const MenuModel menu;
    int count = 0;
    int deepest = 0;
    std::string last;
    menu.forEachItem(MenuPopup::System, [&](const MenuItem& item, int depth) {
        ++count;
        deepest = std::max(deepest, depth);
        last = item.name;
    });
    EXPECT_EQ(count, 54);
    EXPECT_EQ(deepest, 3);
    EXPECT_EQ(last, "mnusysexit");

    std::vector<std::string> logItems;
    menu.forEachItem(MenuPopup::Log,
                     [&](const MenuItem& item, int) { logItems.emplace_back(item.name); });
    EXPECT_EQ(logItems, (std::vector<std::string>{"logln", "loglog10", "logantie", "loganti10"}));
    EXPECT_EQ(menu.popup(MenuPopup::Financial).caption, "Financial Menu");
    EXPECT_EQ(menu.popup(MenuPopup::EquationColour).caption, "frmFX Color Menu");
}

struct GroupCase {
    const char* name;
    const char* chosen;
    std::vector<std::string> group;
};

class RadioGroupTest : public testing::TestWithParam<GroupCase> {};

TEST_P(RadioGroupTest, CheckingOneItemClearsTheOthers)
{
    MenuModel menu;
    const auto& row = GetParam();
    for (const std::string& item : row.group)
        menu.setChecked(item, true);

    menu.checkInGroup(row.chosen);

    for (const std::string& item : row.group)
        EXPECT_EQ(menu.isChecked(item), item == row.chosen) << item;
}

INSTANTIATE_TEST_SUITE_P(
    Groups, RadioGroupTest,
    testing::Values(
        GroupCase{
            "angular_radians", "mnuangleR", {"mnuangleD", "mnuangleR", "mnuangleG", "mnuangleT"}},
        GroupCase{"mode_rpn", "mnumodechange_RPN", {"mnumodechange_alg", "mnumodechange_RPN"}},
        GroupCase{"financial_simple", "mnufinF0", {"mnufinF0", "mnufinF1", "mnufinF2"}},
        GroupCase{"equation_light", "frmFXUIL", {"frmFXUID", "frmFXUIL"}},
        GroupCase{"log_anti_e", "logantie", {"logln", "loglog10", "logantie", "loganti10"}},
        GroupCase{"view_statistic", "mnustat", {"mnustd", "mnusci", "mnustat"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuState, ItemsOutsideAGroupAreLeftAlone)
{
    MenuModel menu;
    menu.checkInGroup("mnuangleT");
    EXPECT_TRUE(menu.isChecked("mnusplash"));
    EXPECT_TRUE(menu.isChecked("mnupop"));
    EXPECT_TRUE(menu.isChecked("mnumodechange_alg"));
    menu.checkInGroup("mnucot");
    EXPECT_TRUE(menu.isChecked("mnucot"));
    EXPECT_TRUE(menu.isChecked("mnuangleT"));
}

TEST(MenuState, UnknownNamesChangeNothing)
{
    MenuModel menu;
    int changes = 0;
    menu.setChangeListener([&](std::string_view) { ++changes; });
    menu.setChecked("mnunothing", true);
    menu.checkInGroup("mnunothing");
    menu.setEnabled("mnunothing", false);
    EXPECT_EQ(menu.item("mnunothing"), nullptr);
    EXPECT_FALSE(menu.isChecked("mnunothing"));
    EXPECT_EQ(changes, 0);
}

TEST(MenuState, TheListenerHearsOnlyRealChanges)
{
    MenuModel menu;
    std::vector<std::string> changed;
    menu.setChangeListener([&](std::string_view name) { changed.emplace_back(name); });

    menu.setChecked("mnupop", true); // already checked
    menu.setEnabled("mnucopy", false);
    menu.setCaption("mnumin", "&Restore");
    menu.setVisible("mnudiv2", true);
    menu.checkInGroup("mnumodechange_RPN");

    EXPECT_EQ(changed, (std::vector<std::string>{"mnucopy", "mnumin", "mnudiv2",
                                                 "mnumodechange_alg", "mnumodechange_RPN"}));
    EXPECT_EQ(menu.item("mnumin")->caption, "&Restore");
    EXPECT_FALSE(menu.item("mnucopy")->enabled);
}

struct LetterCase {
    const char* name;
    char letter;
    const char* item;
};

class ShortcutLetterTest : public testing::TestWithParam<LetterCase> {};

TEST_P(ShortcutLetterTest, TheLetterReachesTheItemThatShowsIt)
{
    const MenuModel menu;
    const auto& row = GetParam();
    EXPECT_EQ(toolboxItemForLetter(row.letter), row.item);
    const MenuItem* item = menu.item(row.item);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut, std::string("Ctrl+") + row.letter);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, ShortcutLetterTest,
    testing::Values(LetterCase{"variables", 'A', "mnuvar"}, LetterCase{"history", 'H', "mnuhis"},
                    LetterCase{"graph", 'G', "mnugra"}, LetterCase{"equation", 'Q', "mnufrmfx"},
                    LetterCase{"scientific", 'S', "mnusci"},
                    LetterCase{"statistic", 'T', "mnustat"}, LetterCase{"constants", 'N', "mnucot"},
                    LetterCase{"fraction", 'F', "mnufrac"}, LetterCase{"format", 'K', "mnudec"},
                    LetterCase{"financial", 'J', "mnufin"}, LetterCase{"wordify", 'W', "mnuwrd"},
                    LetterCase{"mortgage", 'O', "mnumort"},
                    LetterCase{"unit_converter", 'U', "mnuconv"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShortcutLetter, OtherLettersReachNoToolbox)
{
    EXPECT_EQ(toolboxItemForLetter('C'), "");
    EXPECT_EQ(toolboxItemForLetter('Z'), "");
    EXPECT_EQ(toolboxItemForLetter('h'), "");
}

TEST(MenuNames, ToolboxItemsMapBothWays)
{
    EXPECT_EQ(toolboxItemName(Toolbox::Scientific), "mnusci");
    EXPECT_EQ(toolboxItemName(Toolbox::Butler), "mnuex");
    EXPECT_EQ(toolboxForItem("mnustat"), Toolbox::Scientific);
    EXPECT_EQ(toolboxForItem("mnuconv"), Toolbox::UnitConverter);
    EXPECT_EQ(toolboxForItem("mnucopy"), std::nullopt);
}

struct AngleNameCase {
    const char* name;
    core::AngularSystem system;
    const char* item;
    const char* label;
    const char* picture;
};

class AngleNamesTest : public testing::TestWithParam<AngleNameCase> {};

TEST_P(AngleNamesTest, EachSystemHasItsItemLabelAndPicture)
{
    const auto& row = GetParam();
    EXPECT_EQ(angularSystemItemName(row.system), row.item);
    EXPECT_EQ(angularSystemLabel(row.system), row.label);
    EXPECT_EQ(angularSystemPicture(row.system), row.picture);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, AngleNamesTest,
    testing::Values(
        AngleNameCase{"degrees", core::AngularSystem::Degrees, "mnuangleD", "DEG", "AngSysD"},
        AngleNameCase{"radians", core::AngularSystem::Radians, "mnuangleR", "RAD", "AngSysR"},
        AngleNameCase{"gradians", core::AngularSystem::Gradians, "mnuangleG", "GRAD", "AngSysG"},
        AngleNameCase{"turns", core::AngularSystem::Turns, "mnuangleT", "TURN", "AngSysT"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EquationColours, DarkAndLightSchemes)
{
    const EquationColours dark = equationColours(EquationScheme::Dark);
    EXPECT_EQ(dark.outerLines, 0x80000008u);
    EXPECT_EQ(dark.top2, 0x424140u);
    EXPECT_EQ(dark.bottom2, 0x2C2B2Au);
    EXPECT_EQ(dark.background, 0x272625u);
    EXPECT_EQ(dark.pictureSuffix, "D");
    const EquationColours light = equationColours(EquationScheme::Light);
    EXPECT_EQ(light.outerLines, 0x784726u);
    EXPECT_EQ(light.top2, 0xA86535u);
    EXPECT_EQ(light.bottom2, 0xA86535u);
    EXPECT_EQ(light.background, 0xFF8247u);
    EXPECT_EQ(light.pictureSuffix, "L");
}

TEST(MenuNames, PopupKindsAndLogPictures)
{
    EXPECT_EQ(popupKindText(PopupKind::Copy), "copy");
    EXPECT_EQ(popupKindText(PopupKind::Altr), "altr");
    EXPECT_EQ(popupKindText(PopupKind::Shiftr), "shiftr");
    EXPECT_EQ(logKeyPicture(LogKeyMode::NaturalLog), "log1");
    EXPECT_EQ(logKeyPicture(LogKeyMode::AntiLogE), "log4");
    EXPECT_EQ(logKeyItemName(LogKeyMode::AntiLog10), "loganti10");
}

} // namespace
} // namespace nuvra::shell
