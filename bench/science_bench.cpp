#include "core/feedback.h"
#include "core/session.h"
#include "eval/expression_evaluator.h"

#include <benchmark/benchmark.h>
#include <string_view>

namespace {

using nuvra::core::CountingFeedback;
using nuvra::core::Session;

constexpr std::string_view kExampleFormula = "2(3+4)^2 - sin(30) + 15%";

// 200 characters: brackets, powers, every kind of function, percent, mod and a factorial.
constexpr std::string_view kLongFormula =
    "(12.5*3-4/2)^2+sqr(144)-abs(-7.25)*2+sin(45)*cos(30)-tan(60)/3+log(1000)*ln(10)-int(9.99)"
    "+25%*80-(3^2+4^2)^0.5+exp(1)*2-10mod3+(1+2)*(3+4)*(5-6)/7+asn(0.5)-acs(0.5)+atn(1)*4-5!/3"
    "+(2.5e-3*4000)^(1/2)+1";
static_assert(kLongFormula.size() == 200);

void evaluate(benchmark::State& state, std::string_view formula)
{
    CountingFeedback feedback;
    Session session(feedback);
    for (auto _ : state)
        benchmark::DoNotOptimize(nuvra::eval::EvaluateExpression(formula, session));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void EvaluateExampleFormula(benchmark::State& state)
{
    evaluate(state, kExampleFormula);
}
BENCHMARK(EvaluateExampleFormula);

void Evaluate200CharacterFormula(benchmark::State& state)
{
    evaluate(state, kLongFormula);
}
BENCHMARK(Evaluate200CharacterFormula);

// A value that no fraction of the walk matches: all 1 000 000 steps.
void FractionTextNoMatch(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(nuvra::eval::FractionText(1.4142135623731));
}
BENCHMARK(FractionTextNoMatch)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
