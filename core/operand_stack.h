#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace nuvra::core {

// The RPN operand stack: number texts, index 0 the oldest, the last one Y. X is the display's
// entry text and is not held here.
class OperandStack {
public:
    static constexpr std::size_t kMaxDepth = 32767;

    bool empty() const { return m_items.empty(); }
    std::size_t size() const { return m_items.size(); }
    const std::vector<std::string>& items() const { return m_items; }

    // Returns false when the stack is full; the text is then not pushed.
    bool push(std::string text);
    const std::string& top() const { return m_items.back(); }
    void setTop(std::string text) { m_items.back() = std::move(text); }
    void pop() { m_items.pop_back(); }
    void clear() { m_items.clear(); }
    // Roll down: Y leaves the top, every other entry moves one place up, bottom gets the text.
    void rollDown(std::string bottom);

private:
    std::vector<std::string> m_items;
};

} // namespace nuvra::core
