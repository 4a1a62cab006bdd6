#pragma once

#include "core/session.h"
#include "sci/science_state.h"
#include "tools/financial/financial_toolbox.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::shell {

// The popup menus of the menu owner; the angular system popup is the "&Angular System" submenu
// of "&Edit", shown on its own as well.
enum class MenuPopup { System, AngularSystem, Log, Financial, EquationColour };

// Items of one group exclude each other. View allows none checked (a closed scientific window
// with the standard mark cleared never happens through the commands, but is not an error).
enum class MenuGroup { None, View, Mode, AngularSystem, LogKey, Financial, EquationColour };

// The windows the menu opens and closes. Scientific is the one window behind "S&cientific" and
// "S&tatistic"; History and Butler are only ever hidden; Revo is the tray-time widget.
enum class Toolbox {
    Scientific,
    Equation,
    Constants,
    Variables,
    Financial,
    Mortgage,
    Fraction,
    UnitConverter,
    Format,
    Graph,
    History,
    Wordify,
    Butler,
    Revo,
};

using sci::LogKeyMode;
using tools::financial::FinanceMode;
enum class EquationScheme { Dark, Light };
enum class ScientificPage { Scientific, Statistic };
enum class PopupKind { None, Copy, Altr, Shiftr, Shortcut };

// One entry of a popup menu. Names, captions and shortcut labels are the fixed texts of the
// menu; "&" marks the access key. An invisible item is not shown at all.
struct MenuItem {
    std::string_view name;
    std::string caption;
    std::string_view shortcut;
    MenuGroup group = MenuGroup::None;
    bool separator = false;
    bool submenu = false;
    // Shows a check mark place; false for plain commands, submenus and separators.
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    int depth = 0;   // 0 for the popup itself
    int parent = -1; // index of the parent in items(), -1 for a popup
};

// The flags that live beside the check marks.
struct MenuFlags {
    bool sound = false;
    bool singleAction = false;
    PopupKind popupKind = PopupKind::None;
};

inline constexpr std::string_view kHideCaption = "&Hide";
inline constexpr std::string_view kRestoreCaption = "&Restore";

// The menu item that opens and closes a toolbox ("mnusci" for Scientific).
std::string_view toolboxItemName(Toolbox toolbox);
// The toolbox of a toolbox item; "mnustat" gives Scientific.
std::optional<Toolbox> toolboxForItem(std::string_view itemName);
// The toolbox item of a Ctrl+letter shortcut, or "" for letters without one.
std::string_view toolboxItemForLetter(char letter);

std::string_view angularSystemItemName(core::AngularSystem system);
// "DEG", "RAD", "GRAD", "TURN".
std::string_view angularSystemLabel(core::AngularSystem system);
// The scientific indicator pictures "AngSysD", "AngSysR", "AngSysG", "AngSysT".
std::string_view angularSystemPicture(core::AngularSystem system);
std::string_view logKeyItemName(LogKeyMode mode);
// "log1" to "log4" for modes 1 to 4.
std::string_view logKeyPicture(LogKeyMode mode);
std::string_view financialItemName(FinanceMode type);
std::string_view equationSchemeItemName(EquationScheme scheme);
std::string_view popupKindText(PopupKind kind);

// The Equation toolbox's colours, as 0x00BBGGRR; the high bit marks a system colour index.
struct EquationColours {
    std::uint32_t outerLines; // top1, bottom1
    std::uint32_t top2;
    std::uint32_t bottom2;
    std::uint32_t background;       // window and txtInput
    std::string_view pictureSuffix; // "D" or "L" after but_n, but_h, SqrLeft, ...
};
inline constexpr std::uint32_t kSystemWindowTextColour = 0x80000008;
EquationColours equationColours(EquationScheme scheme);

// The menu tree with its check marks, which are the program's option state. Items are kept in
// display order, each popup followed by its items depth first.
class MenuModel {
public:
    MenuModel();

    const std::vector<MenuItem>& items() const { return m_items; }
    const MenuItem* item(std::string_view name) const;
    const MenuItem& popup(MenuPopup which) const;
    // The direct children of an item, in display order.
    std::vector<const MenuItem*> children(std::string_view name) const;
    // Every item under the popup, depth first in display order, with its depth below the popup
    // (1 for the popup's own items).
    void forEachItem(MenuPopup which,
                     const std::function<void(const MenuItem&, int depth)>& visit) const;

    // Unknown names read as unchecked and change nothing.
    bool isChecked(std::string_view name) const;
    void setChecked(std::string_view name, bool checked);
    // Checks the item and clears the other items of its group.
    void checkInGroup(std::string_view name);
    void setEnabled(std::string_view name, bool enabled);
    void setVisible(std::string_view name, bool visible);
    void setCaption(std::string_view name, std::string_view caption);

    MenuFlags& flags() { return m_flags; }
    const MenuFlags& flags() const { return m_flags; }

    // Told the name of every item whose state changed, so the window can refresh its action.
    void setChangeListener(std::function<void(std::string_view name)> listener)
    {
        m_listener = std::move(listener);
    }

private:
    MenuItem* find(std::string_view name);
    void changed(const MenuItem& item);

    std::vector<MenuItem> m_items;
    MenuFlags m_flags;
    std::function<void(std::string_view)> m_listener;
};

} // namespace nuvra::shell
