#include "core/feedback.h"
#include "core/session.h"
#include "eval/expression_evaluator.h"
#include "eval/fuzz/result_shape.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace nuvra::eval {
namespace {

// The fuzzer's seed corpus, fed to both evaluators under every compiler: each file must give
// one of the result texts.
TEST(FuzzCorpusReplay, EveryFileGivesAResultText)
{
    const std::filesystem::path folder = NUVRA_EVAL_CORPUS_DIR;
    int files = 0;
    for (const auto& item : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(item.path(), std::ios::binary);
        const std::string formula((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
        core::CountingFeedback feedback;
        core::Session session(feedback);
        EXPECT_TRUE(isResultShape(EvaluateExpression(formula, session))) << item.path();
        EXPECT_TRUE(isResultShape(EvaluateGraphExpression(formula, session.display)))
            << item.path();
        ++files;
    }
    EXPECT_GT(files, 0);
}

TEST(FuzzCorpusReplay, ResultShapeRefusesOtherTexts)
{
    EXPECT_TRUE(isResultShape("3/4"));
    EXPECT_TRUE(isResultShape("-1.5E+20"));
    EXPECT_TRUE(isResultShape("Syntax error"));
    EXPECT_FALSE(isResultShape("infinity"));
    EXPECT_FALSE(isResultShape(""));
    EXPECT_FALSE(isResultShape("1/"));
}

} // namespace
} // namespace nuvra::eval
