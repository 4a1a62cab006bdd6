#include "tools/variables/variables_list.h"

#include "core/number_text.h"
#include "core/session.h"
#include "shell/settings_store.h"

namespace nuvra::tools::variables {
namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool startsWithDigit(std::string_view text)
{
    return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

} // namespace

std::string VariablesText(const std::vector<std::string>& texts)
{
    std::string stored;
    for (const std::string& text : texts) {
        if (text.empty())
            continue;
        stored += text;
        stored += ';';
    }
    return stored.empty() ? std::string(kEmptyVariablesText) : stored;
}

std::vector<std::string> ReadVariablesText(std::string_view stored)
{
    std::vector<std::string> texts;
    if (stored == "@")
        return texts;
    std::string current;
    for (char c : stored) {
        if (c == ';') {
            texts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return texts;
}

void LoadVariables(const shell::SettingsStore& store, HiddenList& hidden)
{
    const std::string stored = store.ReadSetting(shell::kApplication, shell::kSettingsSection,
                                                 kVariablesKey, kEmptyVariablesText);
    for (std::string& text : ReadVariablesText(stored))
        hidden.push_back(std::move(text));
}

void SaveVariables(shell::SettingsStore& store, HiddenList& hidden, VariablesWindow* window)
{
    if (window != nullptr) {
        window->close();
    } else {
        std::erase_if(hidden, [](const std::string& text) { return text.empty(); });
    }
    store.WriteSetting(shell::kApplication, shell::kSettingsSection, kVariablesKey,
                       VariablesText(hidden));
}

VariablesWindow::VariablesWindow(core::Session& session, platform::Clipboard& clipboard, HiddenList& hidden)
    : m_session(session), m_clipboard(clipboard), m_hidden(hidden)
{
    for (const std::string& text : m_hidden) {
        if (!text.empty())
            m_items.push_back(text);
    }
}

bool VariablesWindow::select(std::size_t index)
{
    if (index >= m_items.size())
        return false;
    m_selection = index;
    return true;
}

std::optional<std::string> VariablesWindow::selectedNumber() const
{
    if (!m_selection)
        return std::nullopt;
    const std::string& text = m_items[*m_selection];
    if (!core::ReadPastedNumber(text))
        return std::nullopt;
    return text;
}

void VariablesWindow::eraseSelected()
{
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(*m_selection));
    m_selection.reset();
}

void VariablesWindow::insertValue()
{
    m_items.push_back(core::NumberToText(core::ReadLeadingNumber(m_session.display.entry())));
    m_session.feedback.playClick();
}

void VariablesWindow::pasteValue()
{
    const auto text = m_clipboard.text();
    if (text && core::ReadPastedNumber(*text)) {
        std::string_view number = trimmed(*text);
        for (int i = 0; i < 2; ++i) {
            if (number.size() > 1 && number.front() == '0' && startsWithDigit(number.substr(1)))
                number.remove_prefix(1);
        }
        m_items.emplace_back(number);
    }
    m_session.feedback.playClick();
}

void VariablesWindow::exportSelected()
{
    if (const auto number = selectedNumber()) {
        const auto value = core::ReadPastedNumber(*number);
        m_session.display.setEntry(core::NumberToText(*value));
    }
    m_session.feedback.playClick();
}

bool VariablesWindow::copySelected()
{
    bool copied = false;
    if (const auto number = selectedNumber())
        copied = m_clipboard.clear() && m_clipboard.setText(*number);
    m_session.feedback.playClick();
    return copied;
}

void VariablesWindow::cutSelected()
{
    if (const auto number = selectedNumber()) {
        if (m_clipboard.clear() && m_clipboard.setText(*number))
            eraseSelected();
    }
    m_session.feedback.playClick();
}

void VariablesWindow::removeSelected()
{
    if (m_selection)
        eraseSelected();
    m_session.feedback.playClick();
}

void VariablesWindow::clearList()
{
    m_items.clear();
    m_selection.reset();
    m_session.feedback.playClick();
}

void VariablesWindow::close()
{
    m_hidden.clear();
    for (const std::string& text : m_items) {
        if (!text.empty())
            m_hidden.push_back(text);
    }
}

} // namespace nuvra::tools::variables
