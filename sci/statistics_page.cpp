#include "sci/statistics_page.h"

#include "core/number_text.h"
#include "core/session.h"
#include "sci/key_action.h"
#include "sci/science_state.h"

#include <cmath>

namespace nuvra::sci {
namespace {

double itemValue(const std::string& item)
{
    return core::ReadWholeNumber(item).value_or(0.0);
}

std::string valueText(double value)
{
    // A sum beyond the double range is no number the list can show.
    return std::isfinite(value) ? core::NumberToText(value) : std::string("error");
}

} // namespace

std::string summaryText(const std::vector<std::string>& items, StatisticsSummary summary)
{
    if (items.empty())
        return std::string(kNoInput);
    double sum = 0.0;
    switch (summary) {
    case StatisticsSummary::SumX:
    case StatisticsSummary::Mean:
        for (const std::string& item : items)
            sum += itemValue(item);
        if (summary == StatisticsSummary::Mean)
            sum /= static_cast<double>(items.size());
        return valueText(sum);
    case StatisticsSummary::SigmaX2:
    case StatisticsSummary::MeanX2:
        for (const std::string& item : items)
            sum += std::pow(itemValue(item), 2.0);
        if (summary == StatisticsSummary::MeanX2)
            sum /= static_cast<double>(items.size());
        return valueText(sum);
    case StatisticsSummary::SumPositive:
    case StatisticsSummary::SumNegative:
        for (const std::string& item : items) {
            const double x = itemValue(item);
            if (summary == StatisticsSummary::SumPositive ? x > 0.0 : x < 0.0)
                sum += x;
        }
        return valueText(sum);
    case StatisticsSummary::High:
    case StatisticsSummary::Low: {
        // Only a strictly larger (smaller) item replaces the candidate: the first one wins.
        double candidate = itemValue(items.front());
        for (std::size_t i = 1; i < items.size(); ++i) {
            const double x = itemValue(items[i]);
            if (summary == StatisticsSummary::High ? x > candidate : x < candidate)
                candidate = x;
        }
        return valueText(candidate);
    }
    }
    return std::string(kNoInput);
}

void clearKeepingList(ScienceState& state)
{
    state.statisticsKeepingList.clear();
}

std::optional<core::FontStep> resultFontStepForLength(std::size_t length)
{
    if (length <= 11)
        return core::FontStep{20, 105};
    if (length <= 17)
        return core::FontStep{15, 140};
    if (length <= 26)
        return core::FontStep{10, 210};
    return std::nullopt;
}

StatisticsPage::StatisticsPage(core::Session& session, ScienceState& state)
    : m_session(session), m_state(state)
{
    for (const std::string& item : m_state.statisticsKeepingList) {
        if (!item.empty())
            m_items.push_back(item);
    }
}

StatisticsPage::~StatisticsPage()
{
    unload();
}

void StatisticsPage::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_state.statisticsKeepingList.clear();
    for (const std::string& item : m_items) {
        if (!item.empty())
            m_state.statisticsKeepingList.push_back(item);
    }
}

void StatisticsPage::insert()
{
    const std::string& entry = m_session.display.entry();
    if (entry.empty()) {
        m_items.push_back("0");
    } else {
        const std::optional<double> value = readDisplayValue(m_session.display);
        if (!value) {
            m_session.feedback.beep();
            return;
        }
        // Every value, also 0.123456789 and the negative ones, is kept as its own number text.
        m_items.push_back(core::NumberToText(*value));
    }
    FinishKeyAction(m_session);
}

void StatisticsPage::removeSelected()
{
    if (m_selection && *m_selection < m_items.size()) {
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(*m_selection));
        m_selection.reset();
    }
    FinishKeyAction(m_session);
}

void StatisticsPage::clear()
{
    m_items.clear();
    m_selection.reset();
    setResultText("0");
    FinishKeyAction(m_session);
}

void StatisticsPage::summarise(StatisticsSummary summary)
{
    setResultText(summaryText(m_items, summary));
    FinishKeyAction(m_session);
}

void StatisticsPage::sendPlus()
{
    send(1.0);
}

void StatisticsPage::sendMinus()
{
    send(-1.0);
}

void StatisticsPage::send(double sign)
{
    const std::optional<double> result = core::ReadWholeNumber(m_resultText);
    if (!result)
        return;
    const std::optional<double> display = m_session.display.entry().empty()
                                              ? std::optional<double>(0.0)
                                              : readDisplayValue(m_session.display);
    if (!display)
        return;
    const double value = *display + sign * *result;
    if (!std::isfinite(value))
        return;
    writeDisplayValue(m_session.display, core::NumberToText(value));
    FinishKeyAction(m_session);
}

void StatisticsPage::select(std::optional<std::size_t> index)
{
    if (index && *index >= m_items.size())
        index.reset();
    m_selection = index;
}

std::string StatisticsPage::countText() const
{
    return "Count = " + std::to_string(m_items.size());
}

void StatisticsPage::setResultText(std::string text)
{
    m_resultText = std::move(text);
    if (auto step = resultFontStepForLength(m_resultText.size()))
        m_resultFont = *step;
}

} // namespace nuvra::sci
