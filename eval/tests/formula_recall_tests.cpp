#include "eval/formula_recall.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace nuvra::eval {
namespace {

// One step of a walk: record a formula, type (which ends the walk), or press Up or Down with
// the field's text; the expected text is what the field shows then, or nothing when it stays.
enum class Op { Record, Type, Up, Down };

struct Step {
    Op op;
    const char* text; // the formula recorded, or the field's text for Up
    const char* expected = nullptr;
};

struct RecallCase {
    const char* name;
    std::vector<std::string> recorded;
    std::vector<Step> steps;
};

class FormulaRecallTest : public testing::TestWithParam<RecallCase> {};

TEST_P(FormulaRecallTest, WalksTheEvaluatedFormulas)
{
    FormulaRecall recall;
    for (const std::string& formula : GetParam().recorded)
        recall.record(formula);
    int index = 0;
    for (const Step& step : GetParam().steps) {
        std::optional<std::string> shown;
        switch (step.op) {
        case Op::Record:
            recall.record(step.text);
            break;
        case Op::Type:
            recall.endWalk();
            break;
        case Op::Up:
            shown = recall.older(step.text);
            break;
        case Op::Down:
            shown = recall.newer();
            break;
        }
        const std::optional<std::string> expected =
            step.expected ? std::optional<std::string>(step.expected) : std::nullopt;
        EXPECT_EQ(shown, expected) << "step " << index;
        ++index;
    }
}

std::string rowName(const testing::TestParamInfo<RecallCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Walk, FormulaRecallTest,
    testing::Values(
        RecallCase{"up_starts_at_the_newest",
                   {"1+1", "2*3", "sin(30)"},
                   {{Op::Up, "9", "sin(30)"}, {Op::Up, "sin(30)", "2*3"}, {Op::Up, "2*3", "1+1"}}},
        RecallCase{"up_past_the_oldest_stays_on_it",
                   {"1+1", "2*3"},
                   {{Op::Up, "", "2*3"}, {Op::Up, "2*3", "1+1"}, {Op::Up, "1+1", "1+1"}}},
        RecallCase{"down_past_the_newest_gives_back_the_draft",
                   {"1+1", "2*3"},
                   {{Op::Up, "4-", "2*3"},
                    {Op::Up, "2*3", "1+1"},
                    {Op::Down, "", "2*3"},
                    {Op::Down, "", "4-"},
                    {Op::Down, "", nullptr}}},
        RecallCase{"down_outside_a_walk_changes_nothing", {"1+1"}, {{Op::Down, "", nullptr}}},
        RecallCase{"nothing_evaluated_changes_nothing",
                   {},
                   {{Op::Up, "7", nullptr}, {Op::Down, "", nullptr}}},
        RecallCase{"typing_starts_again_from_the_newest",
                   {"1+1", "2*3", "5^2"},
                   {{Op::Up, "", "5^2"},
                    {Op::Up, "5^2", "2*3"},
                    {Op::Type, ""},
                    {Op::Up, "2*3+1", "5^2"},
                    {Op::Down, "", "2*3+1"}}},
        RecallCase{"evaluating_ends_the_walk",
                   {"1+1", "2*3"},
                   {{Op::Up, "", "2*3"},
                    {Op::Record, "7/2"},
                    {Op::Down, "", nullptr},
                    {Op::Up, "7/2", "7/2"},
                    {Op::Up, "7/2", "2*3"}}}),
    rowName);

// A formula evaluated again right after itself is kept once; the same formula after another one
// is kept again, so the walk shows the order of evaluation.
INSTANTIATE_TEST_SUITE_P(
    Repeats, FormulaRecallTest,
    testing::Values(
        RecallCase{"repeated_formula_kept_once",
                   {"1+1", "1+1", "2*3", "2*3"},
                   {{Op::Up, "", "2*3"}, {Op::Up, "2*3", "1+1"}, {Op::Up, "1+1", "1+1"}}},
        RecallCase{"formula_after_another_kept_again",
                   {"1+1", "2*3", "1+1"},
                   {{Op::Up, "", "1+1"}, {Op::Up, "1+1", "2*3"}, {Op::Up, "2*3", "1+1"}}}),
    rowName);

TEST(FormulaRecall, KeepsEveryDistinctFormulaOldestFirst)
{
    FormulaRecall recall;
    for (const char* formula : {"1+1", "1+1", "1/0", "1+1"})
        recall.record(formula);
    EXPECT_EQ(recall.formulas(), (std::vector<std::string>{"1+1", "1/0", "1+1"}));
    EXPECT_FALSE(recall.walking());
}

} // namespace
} // namespace nuvra::eval
