#include "tools/calendar/civil_date.h"
#include "tools/fraction/fraction_finder.h"
#include "tools/mortgage/currency_format.h"
#include "tools/mortgage/mortgage_schedule.h"

#include <benchmark/benchmark.h>

namespace {

using namespace nuvra::tools;

// A value no fraction matches within the bound, so the search runs all its rounds.
void FindFractionAllRounds(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(fraction::FindFraction(3.14159265358979));
}
BENCHMARK(FindFractionAllRounds)->Unit(benchmark::kMillisecond);

void FindFractionOneThird(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(fraction::FindFraction(0.333333333333333));
}
BENCHMARK(FindFractionOneThird)->Unit(benchmark::kMicrosecond);

// The longest schedule, every amount written in the en_US currency form.
void BuildLongestSchedule(benchmark::State& state)
{
    const mortgage::LocaleCurrencyFormat format =
        *mortgage::LocaleCurrencyFormat::forLocale("en_US");
    const mortgage::CurrencyFormatter formatter = [&format](mortgage::Currency amount) {
        return format.text(amount);
    };
    for (auto _ : state) {
        auto schedule = mortgage::BuildSchedule(250000, mortgage::kMaxPayments, 6,
                                                calendar::Date{2009, 1, 15}, formatter);
        benchmark::DoNotOptimize(schedule);
    }
}
BENCHMARK(BuildLongestSchedule)->Unit(benchmark::kMillisecond);

} // namespace
BENCHMARK_MAIN();
