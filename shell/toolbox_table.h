#pragma once

#include "shell/menu_model.h"

#include <array>
#include <optional>
#include <string_view>

namespace nuvra::shell {

// Where a window opens the first time in a run; later openings restore where it was.
enum class PlaceKind {
    BesideFrame, // top at the frame's top, right of the frame or left of it by the side rule
    AboveFrame,  // the Format toolbox, over the frame
    Own,         // the window decides (the Butler bar, the docking Equation toolbox)
};

// What the window's own close button and the menu's unchecking do.
enum class CloseKind { Unload, Hide };

// One menu item that shows a window. The menu, the keyboard shortcuts, the shortcut popups,
// the hiding to the tray and the window registry all read this table.
struct ToolboxSpec {
    std::string_view item;      // the menu item
    std::string_view shortcut;  // the key label the menu shows beside the caption
    char letter;                // Ctrl+letter, or 0
    std::string_view popupName; // what the shortcut popup calls the toolbox
    Toolbox toolbox;
    std::optional<ScientificPage> page; // the scientific window's page for this item
    std::string_view window;            // the window's name
    std::string_view caption;           // the window's title
    int widthTwips;
    int heightTwips;
    PlaceKind place;
    CloseKind closing;
    bool followsFrame; // hidden with the frame into the tray and shown again on Restore
    bool reshown;      // brought forward by a click on the frame
};

// Rows in the order in which a click on the frame brings the windows forward.
inline constexpr std::array kToolboxSpecs{
    ToolboxSpec{"mnufrac", "Ctrl+F", 'F', "Fractional Toolbox", Toolbox::Fraction, std::nullopt,
                "frac", "Fraction", 3900, 1650, PlaceKind::BesideFrame, CloseKind::Unload, true,
                true},
    ToolboxSpec{"mnufin", "Ctrl+J", 'J', "Financial Toolbox", Toolbox::Financial, std::nullopt,
                "fin", "Financial Toolbox", 4500, 3314, PlaceKind::BesideFrame, CloseKind::Unload,
                true, true},
    ToolboxSpec{"mnuwrd", "Ctrl+W", 'W', "Wordify", Toolbox::Wordify, std::nullopt, "wrd",
                "Wordify", 4500, 1800, PlaceKind::BesideFrame, CloseKind::Unload, true, true},
    ToolboxSpec{"mnumort", "Ctrl+O", 'O', "Mortgage", Toolbox::Mortgage, std::nullopt, "mort",
                "Mortgage", 6195, 4500, PlaceKind::BesideFrame, CloseKind::Unload, true, true},
    ToolboxSpec{"mnudec", "Ctrl+K", 'K', "Format Toolbox", Toolbox::Format, std::nullopt, "dec",
                "Format", 2910, 1200, PlaceKind::AboveFrame, CloseKind::Unload, true, true},
    ToolboxSpec{"mnucot", "Ctrl+N", 'N', "Constant Toolbox", Toolbox::Constants, std::nullopt,
                "cot", "Constants", 3600, 3314, PlaceKind::BesideFrame, CloseKind::Unload, true,
                true},
    ToolboxSpec{"mnugra", "Ctrl+G", 'G', "Graphing Toolbox", Toolbox::Graph, std::nullopt, "gra",
                "Graph", 4605, 5760, PlaceKind::BesideFrame, CloseKind::Unload, true, true},
    ToolboxSpec{"mnuvar", "Ctrl+A", 'A', "Variable Toolbox", Toolbox::Variables, std::nullopt,
                "var", "Variables", 3300, 3314, PlaceKind::BesideFrame, CloseKind::Unload, true,
                true},
    ToolboxSpec{"mnufrmfx", "Ctrl+Q", 'Q', "Equation Toolbox", Toolbox::Equation, std::nullopt,
                "frmfx", "Equation", 6000, 900, PlaceKind::Own, CloseKind::Unload, true, true},
    ToolboxSpec{"mnuhis", "Ctrl+H", 'H', "History Toolbox", Toolbox::History, std::nullopt, "his",
                "History", 3600, 3314, PlaceKind::BesideFrame, CloseKind::Hide, true, true},
    // The unit converter follows the frame into the tray but is not brought forward by a click.
    ToolboxSpec{"mnuconv", "Ctrl+U", 'U', "Unit Converter", Toolbox::UnitConverter, std::nullopt,
                "conv", "Unit Converter", 4500, 3314, PlaceKind::BesideFrame, CloseKind::Unload,
                true, false},
    // One window behind two items; its visibility follows the two view marks, not this table.
    ToolboxSpec{"mnusci", "Ctrl+S", 'S', "Scientific Toolbox", Toolbox::Scientific,
                ScientificPage::Scientific, "sci", "Scientific", 4800, 3314,
                PlaceKind::BesideFrame, CloseKind::Unload, false, false},
    ToolboxSpec{"mnustat", "Ctrl+T", 'T', "Statistic Toolbox", Toolbox::Scientific,
                ScientificPage::Statistic, "sci", "Scientific", 4800, 3314, PlaceKind::BesideFrame,
                CloseKind::Unload, false, false},
    ToolboxSpec{"mnuex", "F1", 0, "Butler (Help)", Toolbox::Butler, std::nullopt, "ex",
                "Butler (Help)", 5100, 1410, PlaceKind::Own, CloseKind::Hide, true, false},
    // Revo stands in for the calculator while it is in the tray.
    ToolboxSpec{"mnulq", "", 0, "Revo", Toolbox::Revo, std::nullopt, "lq", "Revo", 1215, 1215,
                PlaceKind::Own, CloseKind::Hide, false, false},
};

// The row of a menu item, of a Ctrl+letter, or of a menu shortcut label ("F1"); nullptr when
// there is none.
const ToolboxSpec* toolboxSpecForItem(std::string_view item);
const ToolboxSpec* toolboxSpecForLetter(char letter);
const ToolboxSpec* toolboxSpecForShortcut(std::string_view shortcut);
// The first row of a window: the scientific window's is "S&cientific".
const ToolboxSpec& toolboxSpec(Toolbox toolbox);

} // namespace nuvra::shell
