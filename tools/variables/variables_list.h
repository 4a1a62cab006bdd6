#pragma once

#include "platform/clipboard.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::core {
struct Session;
}

namespace nuvra::shell {
class SettingsStore;
}

namespace nuvra::tools::variables {

// The list kept while the window is closed; the main window owns it for the whole run.
using HiddenList = std::vector<std::string>;

inline constexpr std::string_view kVariablesKey = "Variables";
inline constexpr std::string_view kEmptyVariablesText = "$";
inline constexpr std::string_view kRemoveTooltip = "Remove selected Value";

// Every non-empty text followed by ";" ("a;b;c;"); "$" when there is none.
std::string VariablesText(const std::vector<std::string>& texts);

// Every ";" ends one text, an empty one included; characters after the last ";" are dropped,
// and "@" reads as nothing.
std::vector<std::string> ReadVariablesText(std::string_view stored);

// At the main window's load: the stored texts are appended to the hidden list.
void LoadVariables(const shell::SettingsStore& store, HiddenList& hidden);

class VariablesWindow;

// At exit: the open window's list (or, with the window closed, the hidden list) is written in
// the stored form; the hidden list keeps only its non-empty texts.
void SaveVariables(shell::SettingsStore& store, HiddenList& hidden, VariablesWindow* window);

// The Variables window's list and buttons without the window. Every button ends with the click
// sound; copy, cut, paste and remove end silently when their step fails.
class VariablesWindow {
public:
    // Opening: the list gets every non-empty text of the hidden list.
    VariablesWindow(core::Session& session, platform::Clipboard& clipboard, HiddenList& hidden);

    const std::vector<std::string>& items() const { return m_items; }
    std::optional<std::size_t> selection() const { return m_selection; }
    bool select(std::size_t index);
    // The hint "Click the + button ..." shows while the list is empty.
    bool hintVisible() const { return m_items.empty(); }

    // The value of the main display's entry as its number text ("0" for an empty entry).
    void insertValue();
    // A numeric clipboard text, with up to two leading zeros removed while a digit follows.
    void pasteValue();
    // The selected number into the main display's entry, not marked complete.
    void exportSelected();
    // Returns whether the copy notification shows: only when a numeric text was copied.
    bool copySelected();
    void cutSelected();
    void removeSelected();
    void clearList();

    // Closing: the hidden list is emptied and receives every non-empty text of the list.
    void close();

private:
    std::optional<std::string> selectedNumber() const;
    void eraseSelected();

    core::Session& m_session;
    platform::Clipboard& m_clipboard;
    HiddenList& m_hidden;
    std::vector<std::string> m_items;
    std::optional<std::size_t> m_selection;
};

} // namespace nuvra::tools::variables
