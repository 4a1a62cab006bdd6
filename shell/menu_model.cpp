#include "shell/menu_model.h"

#include "shell/toolbox_table.h"

#include <array>
#include <utility>

namespace nuvra::shell {
namespace {

enum Kind : unsigned {
    kPlain = 0,
    kSeparator = 1u << 0,
    kSubmenu = 1u << 1,
    kCheckable = 1u << 2,
    kChecked = 1u << 3,
    kHidden = 1u << 4,
};

struct Row {
    int depth;
    std::string_view name;
    std::string_view caption;
    std::string_view shortcut;
    unsigned kind;
    MenuGroup group = MenuGroup::None;
};

constexpr unsigned kToggle = kCheckable;
constexpr MenuGroup kView = MenuGroup::View;
constexpr MenuGroup kMode = MenuGroup::Mode;
constexpr MenuGroup kAngle = MenuGroup::AngularSystem;
constexpr MenuGroup kLog = MenuGroup::LogKey;
constexpr MenuGroup kFin = MenuGroup::Financial;
constexpr MenuGroup kScheme = MenuGroup::EquationColour;

// The design state of every popup, in display order; depth 0 is the popup itself. The items
// that show a window take their shortcut label from the toolbox table.
constexpr std::array kRows{
    Row{0, "mnusys", "Menu", "", kSubmenu},
    Row{1, "mnumin", "&Hide", "", kPlain},
    Row{1, "mnudiv1", "-", "", kSeparator},
    Row{1, "mnuview", "&View", "", kSubmenu},
    Row{2, "mnustd", "&Standard", "", kToggle | kChecked | kHidden, kView},
    Row{2, "mnusci", "S&cientific", "", kToggle, kView},
    Row{2, "mnustat", "S&tatistic", "", kToggle, kView},
    Row{2, "mnufrmfx", "E&quation", "", kToggle},
    Row{2, "menudiv3", "-", "", kSeparator},
    Row{2, "mnucot", "C&onstants", "", kToggle},
    Row{2, "mnuvar", "V&ariable (s)", "", kToggle},
    Row{2, "mnudiv7", "-", "", kSeparator},
    Row{2, "mnufin", "Finan&cial", "", kToggle},
    Row{2, "mnumort", "&Mortgage", "", kToggle},
    Row{2, "mnudiv9", "-", "", kSeparator},
    Row{2, "mnufrac", "F&raction (d>f)", "", kToggle},
    Row{2, "mnuconv", "&Unit Converter", "", kToggle},
    Row{2, "mnudg", "Digit Grouping", "", kToggle | kHidden},
    Row{2, "mnudec", "&Format", "", kToggle},
    // Shown only while the calculator is hidden in the tray.
    Row{2, "mnudiv2", "-", "", kSeparator | kHidden},
    Row{2, "mnugra", "&Graph", "", kToggle},
    Row{2, "menudiv", "-", "", kSeparator},
    Row{2, "mnuhis", "H&istory", "", kToggle},
    Row{2, "mnuwrd", "&Wordify", "", kToggle},
    Row{2, "mnulq", "&Revo", "", kToggle},
    Row{1, "mnumodechange", "&Mode", "", kSubmenu},
    Row{2, "mnumodechange_alg", "&Algebraic", "", kToggle | kChecked, kMode},
    Row{2, "mnumodechange_RPN", "&RPN", "", kToggle, kMode},
    Row{1, "mnuedit", "&Edit", "", kSubmenu},
    Row{2, "mnucopy", "&Copy", "Ctrl+C", kPlain},
    Row{2, "mnupaste", "&Paste", "Ctrl+V", kPlain},
    Row{2, "mnudiv_preset", "-", "", kSeparator},
    Row{2, "mnufrmSet", "Settings", "Ctrl+Z", kPlain},
    Row{2, "mnudiv4", "-", "", kSeparator},
    Row{2, "mnusplash", "S&plash Screen", "", kToggle | kChecked},
    Row{2, "mnuangle", "&Angular System", "", kSubmenu},
    Row{3, "mnuangleD", "&Degrees", "", kToggle, kAngle},
    Row{3, "mnuangleR", "&Radians", "", kToggle, kAngle},
    Row{3, "mnuangleG", "&Gradians", "", kToggle, kAngle},
    Row{3, "mnuangleT", "&Turns", "", kToggle, kAngle},
    Row{2, "mnupop", "Popup &Notifications", "", kToggle | kChecked},
    Row{2, "mnutrayn", "Tray &Notifications", "", kToggle},
    Row{2, "mnustar8", "Check for updates on Startup", "", kToggle},
    Row{2, "mnustar", "La&unch at Startup", "", kToggle},
    Row{2, "mnu_menu_singleaction", "Single Action &Menu", "", kToggle},
    Row{2, "mnuSonus", "S&ound (s)", "F6", kToggle},
    Row{2, "mnureset", "&Reset", "F5", kPlain},
    Row{1, "mnuhelp", "&Help", "", kSubmenu},
    Row{2, "mnuUP", "Check for Updates", "F8", kPlain},
    Row{2, "mnudonate", "&Donate", "", kPlain},
    Row{2, "mnuhelpdiv", "-", "", kSeparator},
    Row{2, "mnuex", "&Butler (Help)", "", kToggle},
    Row{2, "mnuabt", "&About Nuvra", "F2", kPlain},
    Row{1, "mnusysdiv", "-", "", kSeparator},
    Row{1, "mnusysexit", "E&xit", "Ctrl+E", kPlain},

    Row{0, "logmnu", "Log Menu", "", kSubmenu},
    Row{1, "logln", "Natural Log ( Base : e )", "", kToggle | kChecked, kLog},
    Row{1, "loglog10", "Log ( Base : 10 )", "", kToggle, kLog},
    Row{1, "logantie", "Anti-log ( Base : e )", "", kToggle | kHidden, kLog},
    Row{1, "loganti10", "Anti-log ( Base : 10 )", "", kToggle, kLog},

    Row{0, "mnufinF", "Financial Menu", "", kSubmenu},
    Row{1, "mnufinF0", "Simple Interest", "", kToggle, kFin},
    Row{1, "mnufinF1", "Compound Interest", "", kToggle, kFin},
    Row{1, "mnufinF2", "Loan + Mortgage", "", kToggle | kChecked, kFin},

    Row{0, "frmFXUI", "frmFX Color Menu", "", kSubmenu},
    Row{1, "frmFXUID", "Dark Interface", "", kToggle | kChecked, kScheme},
    Row{1, "frmFXUIL", "Light Interface", "", kToggle, kScheme},
};

int angleIndex(core::AngularSystem system)
{
    const int index = static_cast<int>(system);
    return index >= 0 && index <= 3 ? index : 0;
}

} // namespace

std::string_view toolboxItemName(Toolbox toolbox)
{
    return toolboxSpec(toolbox).item;
}

std::optional<Toolbox> toolboxForItem(std::string_view itemName)
{
    if (const ToolboxSpec* spec = toolboxSpecForItem(itemName))
        return spec->toolbox;
    return std::nullopt;
}

std::string_view toolboxItemForLetter(char letter)
{
    const ToolboxSpec* spec = toolboxSpecForLetter(letter);
    return spec ? spec->item : std::string_view();
}

std::string_view angularSystemItemName(core::AngularSystem system)
{
    static constexpr std::array<std::string_view, 4> kNames{"mnuangleD", "mnuangleR", "mnuangleG",
                                                            "mnuangleT"};
    return kNames[static_cast<std::size_t>(angleIndex(system))];
}

std::string_view angularSystemLabel(core::AngularSystem system)
{
    static constexpr std::array<std::string_view, 4> kLabels{"DEG", "RAD", "GRAD", "TURN"};
    return kLabels[static_cast<std::size_t>(angleIndex(system))];
}

std::string_view angularSystemPicture(core::AngularSystem system)
{
    static constexpr std::array<std::string_view, 4> kPictures{"AngSysD", "AngSysR", "AngSysG",
                                                               "AngSysT"};
    return kPictures[static_cast<std::size_t>(angleIndex(system))];
}

std::string_view logKeyItemName(LogKeyMode mode)
{
    switch (mode) {
    case LogKeyMode::NaturalLog:
        return "logln";
    case LogKeyMode::Log10:
        return "loglog10";
    case LogKeyMode::AntiLog10:
        return "loganti10";
    case LogKeyMode::AntiLogE:
        return "logantie";
    }
    return "logln";
}

std::string_view logKeyPicture(LogKeyMode mode)
{
    switch (mode) {
    case LogKeyMode::NaturalLog:
        return "log1";
    case LogKeyMode::Log10:
        return "log2";
    case LogKeyMode::AntiLog10:
        return "log3";
    case LogKeyMode::AntiLogE:
        return "log4";
    }
    return "log1";
}

std::string_view financialItemName(FinanceMode type)
{
    switch (type) {
    case FinanceMode::SimpleInterest:
        return "mnufinF0";
    case FinanceMode::CompoundInterest:
        return "mnufinF1";
    case FinanceMode::Loan:
        return "mnufinF2";
    }
    return "mnufinF2";
}

std::string_view equationSchemeItemName(EquationScheme scheme)
{
    return scheme == EquationScheme::Dark ? "frmFXUID" : "frmFXUIL";
}

std::string_view popupKindText(PopupKind kind)
{
    switch (kind) {
    case PopupKind::None:
        return "";
    case PopupKind::Copy:
        return "copy";
    case PopupKind::Altr:
        return "altr";
    case PopupKind::Shiftr:
        return "shiftr";
    case PopupKind::Shortcut:
        return "shortcut";
    }
    return "";
}

EquationColours equationColours(EquationScheme scheme)
{
    if (scheme == EquationScheme::Dark)
        return {kSystemWindowTextColour, 0x424140, 0x2C2B2A, 0x272625, "D"};
    return {0x784726, 0xA86535, 0xA86535, 0xFF8247, "L"};
}

MenuModel::MenuModel()
{
    m_items.reserve(kRows.size());
    std::vector<int> parents; // the open item of each depth
    for (const Row& row : kRows) {
        MenuItem item;
        item.name = row.name;
        item.caption = std::string(row.caption);
        const ToolboxSpec* toolbox = toolboxSpecForItem(row.name);
        item.shortcut = toolbox ? toolbox->shortcut : row.shortcut;
        item.group = row.group;
        item.separator = (row.kind & kSeparator) != 0;
        item.submenu = (row.kind & kSubmenu) != 0;
        item.checkable = (row.kind & kCheckable) != 0;
        item.checked = (row.kind & kChecked) != 0;
        item.visible = (row.kind & kHidden) == 0;
        item.depth = row.depth;
        parents.resize(static_cast<std::size_t>(row.depth));
        item.parent = row.depth == 0 ? -1 : parents.back();
        parents.push_back(static_cast<int>(m_items.size()));
        m_items.push_back(std::move(item));
    }
}

const MenuItem* MenuModel::item(std::string_view name) const
{
    for (const MenuItem& entry : m_items) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

MenuItem* MenuModel::find(std::string_view name)
{
    return const_cast<MenuItem*>(std::as_const(*this).item(name));
}

const MenuItem& MenuModel::popup(MenuPopup which) const
{
    static constexpr std::array<std::string_view, 5> kPopups{"mnusys", "mnuangle", "logmnu",
                                                             "mnufinF", "frmFXUI"};
    return *item(kPopups[static_cast<std::size_t>(which)]);
}

std::vector<const MenuItem*> MenuModel::children(std::string_view name) const
{
    std::vector<const MenuItem*> result;
    const MenuItem* owner = item(name);
    if (!owner)
        return result;
    const int index = static_cast<int>(owner - m_items.data());
    for (const MenuItem& entry : m_items) {
        if (entry.parent == index)
            result.push_back(&entry);
    }
    return result;
}

void MenuModel::forEachItem(MenuPopup which,
                            const std::function<void(const MenuItem&, int)>& visit) const
{
    const MenuItem& root = popup(which);
    const std::size_t start = static_cast<std::size_t>(&root - m_items.data());
    for (std::size_t i = start + 1; i < m_items.size() && m_items[i].depth > root.depth; ++i)
        visit(m_items[i], m_items[i].depth - root.depth);
}

bool MenuModel::isChecked(std::string_view name) const
{
    const MenuItem* entry = item(name);
    return entry && entry->checked;
}

void MenuModel::setChecked(std::string_view name, bool checked)
{
    MenuItem* entry = find(name);
    if (!entry || entry->checked == checked)
        return;
    entry->checked = checked;
    changed(*entry);
}

void MenuModel::checkInGroup(std::string_view name)
{
    const MenuItem* chosen = item(name);
    if (!chosen)
        return;
    if (chosen->group != MenuGroup::None) {
        for (MenuItem& entry : m_items) {
            if (entry.group == chosen->group && entry.name != name && entry.checked) {
                entry.checked = false;
                changed(entry);
            }
        }
    }
    setChecked(name, true);
}

void MenuModel::setEnabled(std::string_view name, bool enabled)
{
    MenuItem* entry = find(name);
    if (!entry || entry->enabled == enabled)
        return;
    entry->enabled = enabled;
    changed(*entry);
}

void MenuModel::setVisible(std::string_view name, bool visible)
{
    MenuItem* entry = find(name);
    if (!entry || entry->visible == visible)
        return;
    entry->visible = visible;
    changed(*entry);
}

void MenuModel::setCaption(std::string_view name, std::string_view caption)
{
    MenuItem* entry = find(name);
    if (!entry || entry->caption == caption)
        return;
    entry->caption = std::string(caption);
    changed(*entry);
}

void MenuModel::changed(const MenuItem& item)
{
    if (m_listener)
        m_listener(item.name);
}

} // namespace nuvra::shell
