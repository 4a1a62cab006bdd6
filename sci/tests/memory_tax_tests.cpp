#include "core/feedback.h"
#include "core/session.h"
#include "sci/memory_tax.h"
#include "sci/science_state.h"

#include <gtest/gtest.h>
#include <string>

namespace nuvra::sci {
namespace {

class MemoryTaxTest : public testing::Test {
protected:
    void withEntry(const char* text) { session.display.setEntry(text); }

    core::CountingFeedback feedback;
    core::Session session{feedback};
    ScienceState state;
};

TEST_F(MemoryTaxTest, MemoryAddsUpAndRecalls)
{
    withEntry("2");
    memoryAdd(session, state);
    withEntry("3");
    memoryAdd(session, state);
    memoryRecall(session, state);
    EXPECT_EQ(session.display.entry(), "5");
    EXPECT_TRUE(session.engine.clearOnDigit);
}

TEST_F(MemoryTaxTest, SevenDigitsHideTheSingleError)
{
    withEntry("0.1");
    memoryAdd(session, state);
    memoryRecall(session, state);
    EXPECT_EQ(session.display.shown(), ".1");
}

TEST_F(MemoryTaxTest, LargeValueIsRoundedToSingle)
{
    withEntry("123456789");
    memoryAdd(session, state);
    EXPECT_EQ(state.memoryRegister, 123456792.0f);
    memoryRecall(session, state);
    EXPECT_EQ(session.display.entry(), "1.234568E+08");
}

TEST_F(MemoryTaxTest, ClearThenRecallGivesZero)
{
    state.memoryRegister = 42.0f;
    memoryClear(session, state);
    memoryRecall(session, state);
    EXPECT_EQ(session.display.entry(), "0");
}

TEST_F(MemoryTaxTest, MemoryReadsTheLeadingNumber)
{
    withEntry("12abc");
    memoryAdd(session, state);
    withEntry("");
    memoryAdd(session, state);
    EXPECT_EQ(state.memoryRegister, 12.0f);
    withEntry("2");
    memorySubtract(session, state);
    EXPECT_EQ(state.memoryRegister, 10.0f);
}

TEST_F(MemoryTaxTest, MemoryBeyondSingleRangeEndsSilently)
{
    state.memoryRegister = 7.0f;
    withEntry("1e39");
    session.engine.clearOnDigit = false;
    memoryAdd(session, state);
    EXPECT_EQ(state.memoryRegister, 7.0f);
    EXPECT_FALSE(session.engine.clearOnDigit);
    EXPECT_EQ(feedback.clicks(), 0);
}

struct TaxCase {
    const char* name;
    const char* entry;
    float rate;
    bool plus;
    const char* expected;
};

class TaxKeyTest : public MemoryTaxTest, public testing::WithParamInterface<TaxCase> {};

TEST_P(TaxKeyTest, AddsOrSubtractsTheSingleTax)
{
    withEntry(GetParam().entry);
    state.taxRate = GetParam().rate;
    if (GetParam().plus)
        taxPlus(session, state);
    else
        taxMinus(session, state);
    EXPECT_EQ(session.display.entry(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tax, TaxKeyTest,
    testing::Values(TaxCase{"plus_on_200", "200", 5.0f, true, "210"},
                    TaxCase{"minus_on_200", "200", 5.0f, false, "190"},
                    TaxCase{"plus_on_100", "100", 5.0f, true, "105"},
                    TaxCase{"minus_on_100", "100", 5.0f, false, "95"},
                    TaxCase{"single_amount_on_tenth", "0.1", 5.0f, true, ".104999999888241"}),
    [](const testing::TestParamInfo<TaxCase>& info) { return std::string(info.param.name); });

TEST_F(MemoryTaxTest, TaxOnFractionTextChangesNothing)
{
    withEntry("3/4");
    session.engine.clearOnDigit = false;
    taxPlus(session, state);
    EXPECT_EQ(session.display.entry(), "3/4");
    EXPECT_EQ(feedback.clicks(), 0);
    EXPECT_FALSE(session.engine.clearOnDigit);
    EXPECT_TRUE(session.history.expressions().empty());
}

TEST(MemoryTaxBar, SwitchesBetweenItsSets)
{
    MemoryTaxBar bar;
    EXPECT_EQ(bar.state(), BarState::Closed);
    bar.pressMemoryBarKey();
    EXPECT_EQ(bar.state(), BarState::Memory);
    bar.pressTaxBarKey();
    EXPECT_EQ(bar.state(), BarState::Tax);
    bar.pressTaxBarKey();
    EXPECT_EQ(bar.state(), BarState::Closed);
    bar.pressMemoryBarKey();
    EXPECT_TRUE(bar.memoryKeysShown());
    EXPECT_FALSE(bar.taxKeysShown());
    bar.pressMemoryBarKey();
    EXPECT_FALSE(bar.barShown());
}

TEST(MemoryTaxBar, DoubleClickClosesAndTaxReopensWithTaxKeys)
{
    MemoryTaxBar bar;
    bar.pressTaxBarKey();
    bar.doubleClickBar();
    EXPECT_EQ(bar.state(), BarState::Closed);
    bar.pressTaxBarKey();
    EXPECT_EQ(bar.state(), BarState::Tax);
}

TEST(MemoryTaxBar, KeysWorkOnlyWhileTheirSetIsShown)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    ScienceState state;
    session.display.setEntry("4");
    MemoryTaxBar bar;
    EXPECT_FALSE(bar.press(MemoryTaxKey::MemoryAdd, session, state));
    bar.pressMemoryBarKey();
    EXPECT_TRUE(bar.press(MemoryTaxKey::MemoryAdd, session, state));
    EXPECT_FALSE(bar.press(MemoryTaxKey::TaxPlus, session, state));
    EXPECT_EQ(state.memoryRegister, 4.0f);
}

TEST(MemoryTaxBar, ReopenedToolboxStartsClosedAndKeepsTheValues)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    ScienceState state;
    {
        MemoryTaxBar bar;
        bar.pressMemoryBarKey();
        session.display.setEntry("6");
        ASSERT_TRUE(bar.press(MemoryTaxKey::MemoryAdd, session, state));
    }
    MemoryTaxBar reopened;
    EXPECT_EQ(reopened.state(), BarState::Closed);
    EXPECT_EQ(state.memoryRegister, 6.0f);
    EXPECT_EQ(state.taxRate, 5.0f);
}

TEST(MemoryTaxBar, TaxRateKeyOpensTheStripWithTheRateSelected)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    ScienceState state;
    MemoryTaxBar bar;
    bar.pressTaxBarKey();
    ASSERT_TRUE(bar.press(MemoryTaxKey::TaxRate, session, state));
    EXPECT_EQ(state.operandStrip.state(), StripState::Waiting);
    EXPECT_EQ(state.operandStrip.entryText(), "5");
    EXPECT_TRUE(state.operandStrip.view().entrySelected);
}

} // namespace
} // namespace nuvra::sci
