#include "core/operand_stack.h"

namespace nuvra::core {

bool OperandStack::push(std::string text)
{
    if (m_items.size() >= kMaxDepth)
        return false;
    m_items.push_back(std::move(text));
    return true;
}

void OperandStack::rollDown(std::string bottom)
{
    for (std::size_t i = m_items.size() - 1; i > 0; --i)
        m_items[i] = std::move(m_items[i - 1]);
    m_items[0] = std::move(bottom);
}

} // namespace nuvra::core
