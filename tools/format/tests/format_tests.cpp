#include "core/feedback.h"
#include "core/session.h"
#include "tools/format/format_toolbox.h"

#include <gtest/gtest.h>

namespace nuvra::tools::format {
namespace {

using core::DecimalsMode;

class FormatToolboxTest : public testing::Test {
protected:
    core::CountingFeedback feedback;
    core::Session session{feedback};
};

TEST_F(FormatToolboxTest, StartsWithAllDecimalsAndNoGrouping)
{
    const FormatToolbox toolbox(session);
    EXPECT_EQ(toolbox.decimalsMode(), DecimalsMode::All);
    EXPECT_FALSE(toolbox.digitGrouping());
    EXPECT_TRUE(toolbox.allDecimalsChosen());
    EXPECT_EQ(session.display.settings().shownPattern, "");
}

TEST_F(FormatToolboxTest, TwoDecimalsWithGrouping)
{
    FormatToolbox toolbox(session);
    toolbox.chooseDecimals(DecimalsMode::Two);
    toolbox.toggleGrouping();
    EXPECT_TRUE(toolbox.digitGrouping());
    EXPECT_EQ(session.display.settings().shownPattern, "##,##.##");
    EXPECT_EQ(session.display.settings().entryPattern, "####.##");
    EXPECT_EQ(feedback.clicks(), 2);
}

TEST_F(FormatToolboxTest, AllDecimalsTurnsGroupingOffAndLocksTheToggle)
{
    FormatToolbox toolbox(session);
    toolbox.chooseDecimals(DecimalsMode::Two);
    toolbox.toggleGrouping();
    session.display.setEntry("1234.5");
    EXPECT_EQ(session.display.shown(), "1,234.5");

    toolbox.chooseAllDecimals();
    EXPECT_EQ(toolbox.decimalsMode(), DecimalsMode::All);
    EXPECT_FALSE(toolbox.digitGrouping());
    EXPECT_EQ(session.display.shown(), "1234.5");
    toolbox.toggleGrouping();
    EXPECT_FALSE(toolbox.digitGrouping());
    // The patterns stay those of the last patterned mode.
    EXPECT_EQ(session.display.settings().shownPattern, "##,##.##");

    toolbox.chooseDecimals(DecimalsMode::Four);
    toolbox.toggleGrouping();
    EXPECT_TRUE(toolbox.digitGrouping());
    EXPECT_EQ(session.display.settings().shownPattern, "##,##.####");
    EXPECT_EQ(feedback.clicks(), 6);
}

TEST_F(FormatToolboxTest, NoDecimalsWithoutGrouping)
{
    FormatToolbox toolbox(session);
    toolbox.chooseDecimals(DecimalsMode::None);
    EXPECT_EQ(session.display.settings().shownPattern, "####.");
    EXPECT_EQ(session.display.settings().entryPattern, "####.");
}

TEST_F(FormatToolboxTest, ReopeningShowsTheChoiceMadeBefore)
{
    {
        FormatToolbox first(session);
        first.chooseDecimals(DecimalsMode::Four);
        first.toggleGrouping();
    }
    const FormatToolbox reopened(session);
    EXPECT_EQ(reopened.decimalsMode(), DecimalsMode::Four);
    EXPECT_TRUE(reopened.digitGrouping());
    EXPECT_FALSE(reopened.allDecimalsChosen());
}

} // namespace
} // namespace nuvra::tools::format
