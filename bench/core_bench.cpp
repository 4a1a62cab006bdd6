#include "core/display_value.h"
#include "core/engine.h"
#include "core/number_text.h"
#include "core/session.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace {

using namespace nuvra::core;

// A mix of the values the fraction search and the display see: integers, short and long
// fractions, exponent forms and negatives.
constexpr std::array<double, 8> kValues{42.0,     0.5,          1.0 / 3.0, -1234.5678,
                                        1.5e20,   6.02214076e-9, 2.0 / 7.0, 123456789.125};

void NumberToTextString(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberToText(kValues[i++ % kValues.size()]));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(NumberToTextString);

void NumberToTextBuffer(benchmark::State& state)
{
    char buffer[kNumberTextCapacity];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberToText(kValues[i++ % kValues.size()], buffer));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(NumberToTextBuffer);

void ReadLeadingNumberText(benchmark::State& state)
{
    constexpr std::array<const char*, 4> kTexts{"12345.678", "-0.5", "1.5E+20", "42abc"};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadLeadingNumber(kTexts[i++ % kTexts.size()]));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(ReadLeadingNumberText);

// One typed digit through the whole entry change pipeline, in each display mode.
void EntryPipelineTypedDigit(benchmark::State& state)
{
    CountingFeedback sounds;
    Session session(sounds);
    Engine engine(session);
    session.display.settings().decimalsMode = static_cast<DecimalsMode>(state.range(0));
    session.display.settings().digitGrouping = state.range(0) != 9;
    SetFormatPatterns(session.display.settings());
    int digit = 1;
    for (auto _ : state) {
        if (session.display.entry().size() > 10)
            engine.CancelAll(CancelVariant::DeleteKey);
        engine.digit(digit, KeyPath::Keyboard);
        digit = digit % 9 + 1;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(EntryPipelineTypedDigit)->Arg(9)->Arg(2);

// One more key after range(0) typed digits: the digit that the full entry refuses, or (with
// range(1) set) Backspace and a digit that goes through the whole pipeline again. The
// per-key time must not grow with the digits typed before.
void EntryPipelineKeyAfterLongTyping(benchmark::State& state)
{
    CountingFeedback sounds;
    Session session(sounds);
    Engine engine(session);
    for (std::int64_t i = 0; i < state.range(0); ++i)
        engine.digit(static_cast<int>(i % 9) + 1, KeyPath::Keyboard);
    const bool edit = state.range(1) != 0;
    for (auto _ : state) {
        if (edit)
            engine.backspace();
        engine.digit(7, KeyPath::Keyboard);
        benchmark::DoNotOptimize(session.display.shown().data());
    }
    const double keysPerIteration = edit ? 2.0 : 1.0;
    state.SetItemsProcessed(static_cast<std::int64_t>(keysPerIteration) * state.iterations());
    state.counters["per_key"] = benchmark::Counter(
        keysPerIteration, benchmark::Counter::kIsIterationInvariantRate |
                              benchmark::Counter::kInvert);
}
BENCHMARK(EntryPipelineKeyAfterLongTyping)
    ->ArgNames({"typed", "edit"})
    ->Args({100000, 0})
    ->Args({100000, 1});

// A result set into the entry: the pattern path of the pipeline.
void EntryPipelineResult(benchmark::State& state)
{
    DisplayValue display;
    display.settings().decimalsMode = static_cast<DecimalsMode>(state.range(0));
    display.settings().digitGrouping = true;
    SetFormatPatterns(display.settings());
    std::size_t i = 0;
    for (auto _ : state) {
        display.setEntry(NumberToText(kValues[i++ % kValues.size()]));
        benchmark::DoNotOptimize(display.shown().data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(EntryPipelineResult)->Arg(9)->Arg(2);

void AlgebraicChain(benchmark::State& state)
{
    CountingFeedback sounds;
    Session session(sounds);
    Engine engine(session);
    for (auto _ : state) {
        engine.digit(7, KeyPath::Keyboard);
        engine.applyOperator(PendingOp::Multiply);
        engine.digit(3, KeyPath::Keyboard);
        engine.equals();
        if (session.history.results().size() > 4096)
            session.history.clear();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(AlgebraicChain);

} // namespace

BENCHMARK_MAIN();
