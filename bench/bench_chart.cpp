// One building chart, and every bearing the window can produce in every period.

#include "engine/chart.h"

#include <benchmark/benchmark.h>

using namespace orrindel;

static void oneChart(benchmark::State &state)
{
    Calc calc;
    calc.setYear(2004);
    calc.setDegrees(180.0f);
    for (auto _ : state) {
        BuildingChart chart = buildChart(calc);
        benchmark::DoNotOptimize(chart);
    }
    state.counters["per_chart"] = benchmark::Counter(
        double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(oneChart);

static void sweep(benchmark::State &state)
{
    constexpr int charts = 3600 * 9;
    for (auto _ : state) {
        Calc calc;
        for (int period = 0; period < 9; ++period) {
            calc.setYear(std::int16_t(1864 + 20 * period));
            for (int tenths = 0; tenths < 3600; ++tenths) {
                calc.setDegrees(float(tenths / 10.0));
                BuildingChart chart = buildChart(calc);
                benchmark::DoNotOptimize(chart);
            }
        }
    }
    state.counters["per_chart"] =
        benchmark::Counter(double(state.iterations()) * charts,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(sweep)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
