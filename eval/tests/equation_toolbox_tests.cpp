#include "core/feedback.h"
#include "core/session.h"
#include "eval/equation_toolbox.h"
#include "platform/fake_clipboard.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nuvra::eval {
namespace {

using platform::TwipsPoint;
using platform::TwipsRect;
using Lines = std::vector<std::string>;

struct RecordCase {
    const char* name;
    const char* formula;
    const char* answer; // the entry that "ans" reads
    const char* result;
    Lines expressions;
    Lines results;
};

class EvaluateAndRecordTest : public testing::TestWithParam<RecordCase> {};

TEST_P(EvaluateAndRecordTest, RecordsWhatDidNotFail)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    session.display.setEntry(GetParam().answer);
    EXPECT_EQ(EvaluateAndRecord(GetParam().formula, session), GetParam().result);
    EXPECT_EQ(session.history.expressions(), GetParam().expressions);
    EXPECT_EQ(session.history.results(), GetParam().results);
}

template <typename Case> std::string rowName(const testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    History, EvaluateAndRecordTest,
    testing::Values(
        RecordCase{"sum_with_a_blank_after_the_formula", "2+2", "0", "4", {"2+2 "}, {"4"}},
        RecordCase{"blanks_of_the_formula_kept", "2 * 3", "0", "6", {"2 * 3 "}, {"6"}},
        RecordCase{"fraction_result", "0.25>frac", "0", "1/4", {"0.25>frac "}, {"1/4"}},
        RecordCase{"division_by_zero_not_recorded", "1/0", "0", "Error", {}, {}},
        RecordCase{"syntax_error_not_recorded", "2+3)", "0", "Syntax error", {}, {}},
        // The first evaluation reads ans as 7, then the tangent puts 0 into the entry, which
        // the second evaluation reads: 0 + 7 + 1 is shown, 0 + 0 + 1 recorded.
        RecordCase{"result_line_is_a_second_evaluation",
                   "tan(90)+ans+1",
                   "7",
                   "8",
                   {"tan(90)+ans+1 "},
                   {"1"}}),
    rowName<RecordCase>);

struct EvaluateCase {
    const char* name;
    const char* formula;
    bool evaluated;
    const char* entry;
    std::size_t historyLines;
    bool clearOnDigit; // the next digit typed on the main window starts a new number
};

class EquationEvaluateTest : public testing::TestWithParam<EvaluateCase> {};

TEST_P(EquationEvaluateTest, SetsTheEntryToTheResult)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    session.display.setEntry("5");
    session.engine.clearOnDigit = false;
    EquationToolboxState state;
    EquationToolbox toolbox(state, session);

    EXPECT_EQ(toolbox.Evaluate(GetParam().formula), GetParam().evaluated);

    EXPECT_EQ(session.display.entry(), GetParam().entry);
    EXPECT_EQ(session.history.expressions().size(), GetParam().historyLines);
    EXPECT_EQ(session.history.results().size(), GetParam().historyLines);
    EXPECT_EQ(session.engine.clearOnDigit, GetParam().clearOnDigit);
    const Lines recalled = GetParam().evaluated ? Lines{GetParam().formula} : Lines{};
    EXPECT_EQ(state.recall.formulas(), recalled);
}

INSTANTIATE_TEST_SUITE_P(
    Entry, EquationEvaluateTest,
    testing::Values(EvaluateCase{"number", "2+2", true, "4", 1, true},
                    EvaluateCase{"answer_read_before_it_is_replaced", "ans*3", true, "15", 1, true},
                    EvaluateCase{"fraction", "0.25>frac", true, "1/4", 1, true},
                    EvaluateCase{"error_word_shown_and_recalled", "1/0", true, "Error", 0, false},
                    EvaluateCase{"syntax_error_shown_and_recalled", "2+3)", true, "Syntax error", 0,
                                 false},
                    EvaluateCase{"empty_formula_changes_nothing", "", false, "5", 0, false}),
    rowName<EvaluateCase>);

TEST(EquationCopy, EmptiesTheClipboardThenWritesTheFormula)
{
    platform::FakeClipboard clipboard;
    clipboard.content = "old";
    EquationToolbox::CopyEquation("2(3+4)^2", clipboard);
    EXPECT_EQ(clipboard.clears, 1);
    EXPECT_EQ(clipboard.writes, 1);
    EXPECT_EQ(clipboard.content, std::optional<std::string>("2(3+4)^2"));

    platform::FakeClipboard unreachable;
    unreachable.unreachable = true;
    EquationToolbox::CopyEquation("1+1", unreachable);
    EXPECT_EQ(unreachable.clears, 1);
    EXPECT_EQ(unreachable.writes, 0);
}

struct LayoutCase {
    const char* name;
    int width;
    EquationLayout layout;
};

class EquationLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(EquationLayoutTest, FollowsTheWidth)
{
    EXPECT_EQ(equationLayout(GetParam().width), GetParam().layout);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, EquationLayoutTest,
    testing::Values(LayoutCase{"design_width", 6000, {4050, 6000, 3730, 5940}},
                    LayoutCase{"narrowest_drag_of_200_pixels", 3000, {1050, 3000, 730, 2940}},
                    LayoutCase{"docked_across_1920_pixels", 28800, {26850, 28800, 26530, 28740}},
                    LayoutCase{"field_never_negative", 2000, {50, 2000, 0, 1940}}),
    rowName<LayoutCase>);

TEST(EquationAngularMenu, OpensUnderTheIndicator)
{
    EXPECT_EQ(angularMenuPlace({75, 300, 540, 300}, 4050), (TwipsPoint{4065, 630}));
    EXPECT_EQ(angularMenuPlace({75, 300, 540, 300}, 0), (TwipsPoint{15, 630}));
}

class EquationPlaceTest : public testing::Test {
protected:
    core::CountingFeedback feedback;
    core::Session session{feedback};
    EquationToolboxState state;
};

TEST_F(EquationPlaceTest, FirstLoadTakesTheFirstPlaceAtTheDesignSize)
{
    EquationToolbox toolbox(state, session);
    EXPECT_EQ(toolbox.load({4080, 1200}, 6000, 900), (TwipsRect{4080, 1200, 6000, 900}));
    EXPECT_FALSE(state.firstShow);
    EXPECT_FALSE(toolbox.docked());
    EXPECT_EQ(state.width, 6000);
}

TEST_F(EquationPlaceTest, LaterLoadsRestorePlaceAndWidth)
{
    EquationToolbox first(state, session);
    static_cast<void>(first.load({4080, 1200}, 6000, 900));
    first.unload({750, 300, 9000, 900});

    EquationToolbox second(state, session);
    EXPECT_EQ(second.load({4080, 1200}, 6000, 900), (TwipsRect{750, 300, 9000, 900}));
}

TEST_F(EquationPlaceTest, DocksAcrossTheTopAndComesBack)
{
    EquationToolbox toolbox(state, session);
    const TwipsRect floating = toolbox.load({4080, 1200}, 6000, 900);

    EXPECT_EQ(toolbox.UndockEquation(), std::nullopt);
    EXPECT_EQ(toolbox.DockEquation(floating, 28800), (TwipsRect{0, 0, 28800, 900}));
    EXPECT_TRUE(state.EquationDocked);
    EXPECT_EQ(toolbox.DockEquation({0, 0, 28800, 900}, 28800), std::nullopt);
    EXPECT_EQ(toolbox.UndockEquation(), floating);
    EXPECT_FALSE(state.EquationDocked);
    EXPECT_EQ(toolbox.UndockEquation(), std::nullopt);
}

TEST_F(EquationPlaceTest, UnloadedWhileDockedReopensFloating)
{
    EquationToolbox first(state, session);
    static_cast<void>(first.load({4080, 1200}, 6000, 900));
    static_cast<void>(first.DockEquation({1500, 450, 7500, 900}, 19200));
    first.unload({0, 0, 19200, 900});

    EquationToolbox second(state, session);
    EXPECT_EQ(second.load({4080, 1200}, 6000, 900), (TwipsRect{1500, 450, 7500, 900}));
    EXPECT_FALSE(second.docked());
    EXPECT_EQ(second.UndockEquation(), std::nullopt);
}

// A key going down or up, and the command the window carries out for a key going down.
struct KeyStep {
    bool down;
    EquationKeyPress press;
    EquationCommand command = EquationCommand::None;
};

struct KeyCase {
    const char* name;
    std::vector<KeyStep> steps;
};

class EquationKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(EquationKeyTest, GivesTheCommand)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    EquationToolboxState state;
    EquationToolbox toolbox(state, session);
    int index = 0;
    for (const KeyStep& step : GetParam().steps) {
        if (step.down)
            EXPECT_EQ(toolbox.keyDown(step.press), step.command) << "step " << index;
        else
            toolbox.keyUp();
        ++index;
    }
}

using enum EquationKey;
using Command = EquationCommand;

INSTANTIATE_TEST_SUITE_P(
    Keys, EquationKeyTest,
    testing::Values(
        KeyCase{"ctrl_flag_then_up_docks",
                {{true, {Control}}, {true, {Up}, Command::DockEquation}}},
        KeyCase{"ctrl_flag_then_down_undocks",
                {{true, {Control}}, {true, {Down}, Command::UndockEquation}}},
        KeyCase{"ctrl_held_with_up_docks", {{true, {Up, true}, Command::DockEquation}}},
        KeyCase{"ctrl_held_with_shift_still_docks",
                {{true, {Down, true, true}, Command::UndockEquation}}},
        KeyCase{"any_key_up_clears_the_flag",
                {{true, {Control}}, {false, {Other}}, {true, {Up}, Command::RecallOlder}}},
        KeyCase{"flag_survives_other_keys_going_down",
                {{true, {Control}}, {true, {Other}}, {true, {Up}, Command::DockEquation}}},
        KeyCase{"plain_arrows_walk_the_recall",
                {{true, {Up}, Command::RecallOlder}, {true, {Down}, Command::RecallNewer}}},
        KeyCase{"shifted_arrows_do_nothing",
                {{true, {Up, false, true}}, {true, {Down, false, true}}}},
        KeyCase{"enter_evaluates", {{true, {Enter}, Command::Evaluate}}},
        KeyCase{"other_keys_do_nothing", {{true, {Other}}, {true, {Other, true}}}}),
    rowName<KeyCase>);

TEST(EquationKeys, LoadClearsTheCtrlFlag)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    EquationToolboxState state;
    EquationToolbox toolbox(state, session);
    static_cast<void>(toolbox.keyDown({Control}));
    EXPECT_TRUE(toolbox.ctrlFlag());
    static_cast<void>(toolbox.load({0, 0}, 6000, 900));
    EXPECT_FALSE(toolbox.ctrlFlag());
}

} // namespace
} // namespace nuvra::eval
