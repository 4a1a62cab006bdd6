#include "core/history_lists.h"

namespace nuvra::core {

void HistoryLists::removeLastExpression()
{
    if (!m_expressions.empty())
        m_expressions.pop_back();
}

void HistoryLists::clear()
{
    m_expressions.clear();
    m_results.clear();
}

std::optional<std::string> HistoryLists::insertText(std::size_t line) const
{
    if (line >= m_expressions.size() || line >= m_results.size())
        return std::nullopt;
    return m_results[line];
}

std::optional<std::string> HistoryLists::copyText(std::size_t line) const
{
    auto text = insertText(line);
    if (text && !text->empty() && text->front() == ' ')
        text->erase(0, 1);
    return text;
}

} // namespace nuvra::core
