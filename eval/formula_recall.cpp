#include "eval/formula_recall.h"

#include <utility>

namespace nuvra::eval {

void FormulaRecall::record(std::string formula)
{
    endWalk();
    if (m_formulas.empty() || m_formulas.back() != formula)
        m_formulas.push_back(std::move(formula));
}

std::optional<std::string> FormulaRecall::older(std::string_view draft)
{
    if (m_formulas.empty())
        return std::nullopt;
    if (!m_position) {
        m_draft = std::string(draft);
        m_position = m_formulas.size() - 1;
    } else if (*m_position > 0) {
        --*m_position;
    }
    return m_formulas[*m_position];
}

std::optional<std::string> FormulaRecall::newer()
{
    if (!m_position)
        return std::nullopt;
    if (*m_position + 1 < m_formulas.size()) {
        ++*m_position;
        return m_formulas[*m_position];
    }
    m_position.reset();
    return std::exchange(m_draft, {});
}

void FormulaRecall::endWalk()
{
    m_position.reset();
    m_draft.clear();
}

} // namespace nuvra::eval
