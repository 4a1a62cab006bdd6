#pragma once

#include "core/display_value.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::core {
struct Session;
}

namespace nuvra::sci {

struct ScienceState;

enum class StatisticsSummary {
    SumX,        // cmdsumx
    SigmaX2,     // cmdsigmax2
    Mean,        // cmdmean
    MeanX2,      // cmdmeanx2
    SumPositive, // cmdsump
    SumNegative, // cmdsumn
    High,        // cmdhigh
    Low,         // cmdlow
};

inline constexpr std::string_view kNoInput = "No Input";

// The summary of a list of number texts: its number text, "No Input" for an empty list, and
// "error" when a sum leaves the double range.
std::string summaryText(const std::vector<std::string>& items, StatisticsSummary summary);

// The reset of the settings panel and of the menu while the toolbox is not loaded: the list
// is emptied as cmdC would.
void clearKeepingList(ScienceState& state);

// The result label's type by the length of its text: up to 11 characters 20 points at 105
// twips, 12 to 17 15 points at 140, 18 to 26 10 points at 210; longer texts keep the step.
std::optional<core::FontStep> resultFontStepForLength(std::size_t length);

// The statistics page of the toolbox window. It is created with the window: the items come
// back from the keeping list of the science state, and go back there when the window unloads.
class StatisticsPage {
public:
    StatisticsPage(core::Session& session, ScienceState& state);
    ~StatisticsPage();
    StatisticsPage(const StatisticsPage&) = delete;
    StatisticsPage& operator=(const StatisticsPage&) = delete;

    // cmdinsert: appends the display value's number text ("0" for an empty entry). A display
    // text that is not one number is refused with a beep.
    void insert();
    // cmdrem: removes the selected item; nothing without a selection.
    void removeSelected();
    // cmdC: empties the list; the result label reads "0".
    void clear();
    void summarise(StatisticsSummary summary);
    // cmdsendf1 and cmdsendf2: the display value plus or minus the result label's number;
    // nothing when the label holds no number ("No Input").
    void sendPlus();
    void sendMinus();

    void select(std::optional<std::size_t> index);
    std::optional<std::size_t> selection() const { return m_selection; }

    const std::vector<std::string>& items() const { return m_items; }
    std::string countText() const;
    const std::string& resultText() const { return m_resultText; }
    core::FontStep resultFont() const { return m_resultFont; }
    // The empty-list hint is visible exactly while the count reads "Count = 0".
    bool emptyHintShown() const { return m_items.empty(); }

    // The window unloads: the keeping list gets every non-empty item, in order. Runs once; the
    // destructor runs it when the window did not.
    void unload();

private:
    void setResultText(std::string text);
    void send(double sign);

    core::Session& m_session;
    ScienceState& m_state;
    std::vector<std::string> m_items;
    std::optional<std::size_t> m_selection;
    std::string m_resultText = "0";
    core::FontStep m_resultFont{20, 105};
    bool m_unloaded = false;
};

} // namespace nuvra::sci
