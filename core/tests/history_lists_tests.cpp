#include "core/history_lists.h"

#include <gtest/gtest.h>

namespace nuvra::core {
namespace {

TEST(HistoryLists, InsertKeepsTheLeadingBlankAndCopyDropsIt)
{
    HistoryLists history;
    history.appendExpression(" 5 +3");
    history.appendResult(" 8");
    EXPECT_EQ(history.insertText(0), " 8");
    EXPECT_EQ(history.copyText(0), "8");
}

TEST(HistoryLists, LinesWithoutAResultGiveNothing)
{
    HistoryLists history;
    EXPECT_EQ(history.insertText(0), std::nullopt);
    history.appendExpression("log");
    history.appendExpression("5 +3");
    history.appendResult("8");
    EXPECT_EQ(history.insertText(0), "8");
    EXPECT_EQ(history.insertText(1), std::nullopt);
    EXPECT_EQ(history.copyText(7), std::nullopt);
}

TEST(HistoryLists, RemoveLastExpressionAndClear)
{
    HistoryLists history;
    history.removeLastExpression();
    history.appendExpression("1 +1");
    history.appendResult("2");
    history.appendExpression("2 x0");
    history.removeLastExpression();
    EXPECT_EQ(history.expressions(), std::vector<std::string>{"1 +1"});
    history.clear();
    EXPECT_TRUE(history.expressions().empty());
    EXPECT_TRUE(history.results().empty());
}

} // namespace
} // namespace nuvra::core
