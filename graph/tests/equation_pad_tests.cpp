#include "graph/equation_pad.h"

#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace nuvra::graph {
namespace {

struct PadStep {
    enum class Kind { TextChanged, Append, Backspace, Clear } kind;
    std::string_view text;
};

PadStep typed(std::string_view newText)
{
    return {PadStep::Kind::TextChanged, newText};
}

PadStep key(std::string_view text)
{
    return {PadStep::Kind::Append, text};
}

constexpr PadStep kBackspace{PadStep::Kind::Backspace, {}};
constexpr PadStep kClear{PadStep::Kind::Clear, {}};

struct PadCase {
    const char* name;
    std::vector<PadStep> steps;
    const char* text;
    std::vector<int> chunks;
};

class EquationPadTest : public testing::TestWithParam<PadCase> {};

TEST_P(EquationPadTest, BackspaceTakesAwayWhatOneChangeAdded)
{
    EquationPad pad;
    for (const PadStep& step : GetParam().steps) {
        switch (step.kind) {
        case PadStep::Kind::TextChanged:
            pad.textChanged(step.text);
            break;
        case PadStep::Kind::Append:
            pad.append(step.text);
            break;
        case PadStep::Kind::Backspace:
            pad.backspace();
            break;
        case PadStep::Kind::Clear:
            pad.clear();
            break;
        }
    }
    EXPECT_EQ(pad.text(), GetParam().text);
    EXPECT_EQ(pad.chunks(), GetParam().chunks);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, EquationPadTest,
    testing::Values(
        PadCase{"opens_with_x", {}, "x", {1}},
        PadCase{"backspace_removes_the_opening_x", {kBackspace}, "", {}},
        PadCase{"clear_forgets_the_chunks", {key("+1"), kClear}, "", {}},
        PadCase{"pad_keys_append_whole",
                {kClear, key("Sin("), key("x"), key(")")},
                "Sin(x)",
                {4, 1, 1}},
        PadCase{"first_backspace_takes_the_bracket",
                {kClear, key("Sin("), key("x"), key(")"), kBackspace},
                "Sin(x",
                {4, 1}},
        PadCase{"second_backspace_takes_the_x",
                {kClear, key("Sin("), key("x"), key(")"), kBackspace, kBackspace},
                "Sin(",
                {4}},
        PadCase{"third_backspace_takes_the_whole_function",
                {kClear, key("Sin("), key("x"), key(")"), kBackspace, kBackspace, kBackspace},
                "",
                {}},
        PadCase{"typed_characters_go_one_at_a_time",
                {kClear, typed("2"), typed("2x"), kBackspace},
                "2",
                {1}},
        PadCase{"paste_is_one_chunk", {typed("x+12")}, "x+12", {1, 3}},
        PadCase{"paste_goes_in_one_backspace", {typed("x+12"), kBackspace}, "x", {1}},
        PadCase{"same_length_records_nothing", {typed("y")}, "y", {1}},
        PadCase{"shorter_text_records_nothing", {kClear, key("Sin("), typed("Si")}, "Si", {4}},
        PadCase{
            "backspace_stops_at_the_start", {kClear, key("Sin("), typed("Si"), kBackspace}, "", {}},
        PadCase{"backspace_on_empty_text_keeps_the_chunks", {typed(""), kBackspace}, "", {1}},
        PadCase{"backspace_on_nothing_does_nothing", {kClear, kBackspace}, "", {}}),
    [](const testing::TestParamInfo<PadCase>& info) { return info.param.name; });

} // namespace
} // namespace nuvra::graph
