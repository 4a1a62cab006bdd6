#include "core/feedback.h"
#include "core/session.h"
#include "sci/science_state.h"
#include "sci/statistics_page.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nuvra::sci {
namespace {

struct SummaryCase {
    const char* name;
    std::vector<std::string> items;
    StatisticsSummary summary;
    const char* expected;
};

class SummaryTest : public testing::TestWithParam<SummaryCase> {};

TEST_P(SummaryTest, WritesTheSummaryText)
{
    EXPECT_EQ(summaryText(GetParam().items, GetParam().summary), GetParam().expected);
}

const std::vector<std::string> kMixed{"3", "-1", "4", "-1.5"};

INSTANTIATE_TEST_SUITE_P(
    Summaries, SummaryTest,
    testing::Values(
        SummaryCase{"sum", kMixed, StatisticsSummary::SumX, "4.5"},
        SummaryCase{"sum_of_squares", kMixed, StatisticsSummary::SigmaX2, "28.25"},
        SummaryCase{"mean", kMixed, StatisticsSummary::Mean, "1.125"},
        SummaryCase{"mean_of_squares", kMixed, StatisticsSummary::MeanX2, "7.0625"},
        SummaryCase{"positive_sum", kMixed, StatisticsSummary::SumPositive, "7"},
        SummaryCase{"negative_sum", kMixed, StatisticsSummary::SumNegative, "-2.5"},
        SummaryCase{"largest", kMixed, StatisticsSummary::High, "4"},
        SummaryCase{"smallest", kMixed, StatisticsSummary::Low, "-1.5"},
        SummaryCase{"largest_first_of_equals", {"2", "5", "5", "1"}, StatisticsSummary::High, "5"},
        SummaryCase{"smallest_of_equal_list", {"7", "7", "7"}, StatisticsSummary::Low, "7"},
        SummaryCase{"no_positive_items", {"-1", "-2"}, StatisticsSummary::SumPositive, "0"},
        SummaryCase{"no_negative_items", {"1", "2"}, StatisticsSummary::SumNegative, "0"},
        SummaryCase{"empty_list", {}, StatisticsSummary::Mean, "No Input"},
        SummaryCase{"sum_beyond_range", {"1E+308", "1E+308"}, StatisticsSummary::SumX, "error"}),
    [](const testing::TestParamInfo<SummaryCase>& info) { return std::string(info.param.name); });

class StatisticsPageTest : public testing::Test {
protected:
    void insertDisplayValue(StatisticsPage& page, const std::string& text)
    {
        session.display.setEntry(text);
        page.insert();
    }

    core::CountingFeedback feedback;
    core::Session session{feedback};
    ScienceState state;
};

TEST_F(StatisticsPageTest, InsertsDisplayValuesAsNumberTexts)
{
    StatisticsPage page(session, state);
    EXPECT_EQ(page.countText(), "Count = 0");
    EXPECT_TRUE(page.emptyHintShown());
    for (const char* value : {"3", "-1", "4", "-1.5", "0.123456789", "-0.25"})
        insertDisplayValue(page, value);
    EXPECT_EQ(page.items(),
              (std::vector<std::string>{"3", "-1", "4", "-1.5", "0.123456789", "-0.25"}));
    EXPECT_EQ(page.countText(), "Count = 6");
    EXPECT_FALSE(page.emptyHintShown());
    EXPECT_TRUE(session.engine.clearOnDigit);
}

TEST_F(StatisticsPageTest, EmptyDisplayInsertsZeroAndNonNumberBeeps)
{
    StatisticsPage page(session, state);
    insertDisplayValue(page, "");
    insertDisplayValue(page, "3/4");
    EXPECT_EQ(page.items(), std::vector<std::string>{"0"});
    EXPECT_EQ(feedback.beeps(), 1);
}

TEST_F(StatisticsPageTest, RemoveTakesTheSelectionOnly)
{
    StatisticsPage page(session, state);
    for (const char* value : {"1", "2", "3"})
        insertDisplayValue(page, value);
    page.removeSelected();
    EXPECT_EQ(page.items().size(), 3u);
    page.select(1);
    page.removeSelected();
    EXPECT_EQ(page.items(), (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(page.countText(), "Count = 2");
}

TEST_F(StatisticsPageTest, ClearEmptiesAndResetsTheResult)
{
    StatisticsPage page(session, state);
    insertDisplayValue(page, "5");
    page.summarise(StatisticsSummary::SumX);
    EXPECT_EQ(page.resultText(), "5");
    page.clear();
    EXPECT_TRUE(page.items().empty());
    EXPECT_EQ(page.resultText(), "0");
    EXPECT_EQ(page.countText(), "Count = 0");
}

TEST_F(StatisticsPageTest, SendKeysAddAndSubtractTheResult)
{
    StatisticsPage page(session, state);
    insertDisplayValue(page, "2.5");
    page.summarise(StatisticsSummary::SumX);
    session.display.setEntry("10");
    page.sendPlus();
    EXPECT_EQ(session.display.entry(), "12.5");
    page.sendMinus();
    EXPECT_EQ(session.display.entry(), "10");
}

TEST_F(StatisticsPageTest, SendKeyAfterNoInputChangesNothing)
{
    StatisticsPage page(session, state);
    page.summarise(StatisticsSummary::Mean);
    EXPECT_EQ(page.resultText(), "No Input");
    session.display.setEntry("10");
    session.engine.clearOnDigit = false;
    page.sendPlus();
    EXPECT_EQ(session.display.entry(), "10");
    EXPECT_FALSE(session.engine.clearOnDigit);
}

TEST_F(StatisticsPageTest, ItemsSurviveClosingAndReopening)
{
    {
        StatisticsPage page(session, state);
        for (const char* value : {"8", "-2", "0.5"})
            insertDisplayValue(page, value);
        page.summarise(StatisticsSummary::SumX);
        page.unload();
    }
    StatisticsPage reopened(session, state);
    EXPECT_EQ(reopened.items(), (std::vector<std::string>{"8", "-2", "0.5"}));
    EXPECT_EQ(reopened.countText(), "Count = 3");
    EXPECT_EQ(reopened.resultText(), "0");
}

TEST_F(StatisticsPageTest, ResetWhileClosedEmptiesTheKeepingList)
{
    {
        StatisticsPage page(session, state);
        insertDisplayValue(page, "4");
    }
    clearKeepingList(state);
    StatisticsPage reopened(session, state);
    EXPECT_TRUE(reopened.items().empty());
    EXPECT_TRUE(reopened.emptyHintShown());
}

struct FontCase {
    const char* name;
    std::size_t length;
    int points;
    int top;
};

class ResultFontTest : public testing::TestWithParam<FontCase> {};

TEST_P(ResultFontTest, StepsByTextLength)
{
    const auto step = resultFontStepForLength(GetParam().length);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->points, GetParam().points);
    EXPECT_EQ(step->topTwips, GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(FontSteps, ResultFontTest,
                         testing::Values(FontCase{"eleven_large", 11, 20, 105},
                                         FontCase{"twelve_medium", 12, 15, 140},
                                         FontCase{"seventeen_medium", 17, 15, 140},
                                         FontCase{"eighteen_small", 18, 10, 210},
                                         FontCase{"twenty_six_small", 26, 10, 210}),
                         [](const testing::TestParamInfo<FontCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(StatisticsPageTest, LongerResultKeepsTheLastStep)
{
    EXPECT_FALSE(resultFontStepForLength(27));
    StatisticsPage page(session, state);
    insertDisplayValue(page, "-0.333333333333333");
    insertDisplayValue(page, "-1E-300");
    page.summarise(StatisticsSummary::SumX); // "-0.333333333333333": 18 characters
    EXPECT_EQ(page.resultFont().points, 10);
}

} // namespace
} // namespace nuvra::sci
