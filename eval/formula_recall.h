#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::eval {

// The formulas evaluated in a run, walked with Up (older) and Down (newer) as a shell walks its
// history. The walk starts at the newest formula and keeps the text that was being typed, which
// Down past the newest gives back. A formula equal to the newest one is not kept twice, so that
// pressing Enter again on the same formula does not make the walk repeat it.
class FormulaRecall {
public:
    // An evaluated formula becomes the newest; any walk ends.
    void record(std::string formula);
    // The next older formula; the first step keeps draft, the text being typed. Past the oldest
    // the walk stays on it. Nothing when no formula was evaluated.
    std::optional<std::string> older(std::string_view draft);
    // The next newer formula, or the kept draft past the newest (which ends the walk). Nothing
    // outside a walk.
    std::optional<std::string> newer();
    // The user typed: the next Up starts again from the newest, keeping what is typed then.
    void endWalk();

    bool walking() const { return m_position.has_value(); }
    const std::vector<std::string>& formulas() const { return m_formulas; }

private:
    std::vector<std::string> m_formulas; // oldest first
    std::optional<std::size_t> m_position;
    std::string m_draft;
};

} // namespace nuvra::eval
