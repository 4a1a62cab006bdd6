#include "graph/equation_pad.h"

#include <algorithm>

namespace nuvra::graph {

EquationPad::EquationPad() : m_text("x"), m_chunks{1} {}

void EquationPad::textChanged(std::string_view text)
{
    const auto added = static_cast<long>(text.size()) - static_cast<long>(m_text.size());
    if (added > 0)
        m_chunks.push_back(static_cast<int>(added));
    m_text = text;
}

void EquationPad::append(std::string_view text)
{
    textChanged(m_text + std::string(text));
}

void EquationPad::backspace()
{
    if (m_text.empty() || m_chunks.empty())
        return;
    const auto count = std::min(static_cast<std::size_t>(m_chunks.back()), m_text.size());
    m_chunks.pop_back();
    m_text.erase(m_text.size() - count);
}

void EquationPad::clear()
{
    m_text.clear();
    m_chunks.clear();
}

} // namespace nuvra::graph
