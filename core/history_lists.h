#pragma once

#include <optional>
#include <string>
#include <vector>

namespace nuvra::core {

// The result history of one run: expression lines and, line for line, the result texts.
// Writers append the expression first and its result second.
class HistoryLists {
public:
    void appendExpression(std::string line) { m_expressions.push_back(std::move(line)); }
    void appendResult(std::string text) { m_results.push_back(std::move(text)); }
    void removeLastExpression();
    void clear();

    const std::vector<std::string>& expressions() const { return m_expressions; }
    const std::vector<std::string>& results() const { return m_results; }

    // The result text at a line as stored (Insert puts it into the display unchanged), or
    // nothing when no result belongs to that line.
    std::optional<std::string> insertText(std::size_t line) const;
    // The same text without one leading blank, for the clipboard.
    std::optional<std::string> copyText(std::size_t line) const;

private:
    std::vector<std::string> m_expressions;
    std::vector<std::string> m_results;
};

} // namespace nuvra::core
