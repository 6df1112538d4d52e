// Dragging a corner of a 100-corner outline: each move recomputes the whole reading, the
// eight wedges, the nine cells and five rooms, which must fit well within a 16 ms frame.

#include "engine/plan.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

using namespace orrindel;

namespace {

// A noisy circle on a 6000 x 4000 image: simple, as its radius never goes round on itself.
PlanPolygon noisyCircle(int corners)
{
    PlanPolygon outline;
    for (int i = 0; i < corners; ++i) {
        const double a = 2 * std::numbers::pi * i / corners;
        const double r = 1500 + 300 * std::sin(7 * a) + 80 * std::cos(23 * a);
        outline.push_back({3000 + r * std::cos(a), 2000 + r * std::sin(a)});
    }
    return outline;
}

PlanPolygon square(double x, double y, double side)
{
    return {{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}};
}

} // namespace

static void dragCorner(benchmark::State &state)
{
    PlanInput input;
    input.outline = noisyCircle(100);
    input.front = 10;
    input.facing = 205;
    input.centreMode = CentreMode::Rectangle;
    for (int i = 0; i < 5; ++i)
        input.rooms.push_back({"room", square(2000 + 350.0 * i, 1200 + 200.0 * i, 400)});
    const PlanPoint start = input.outline[40];
    int step = 0;
    for (auto _ : state) {
        input.outline[40] = {start.x + step % 50, start.y - step % 30};
        ++step;
        PlanReading plan = readPlan(input);
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(dragCorner)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
