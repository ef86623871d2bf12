// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the fuselage's share beside the whole calculation it is a step of: the large aircraft
// (2957 panels) with a 2 m body, and a trainer of 469 panels with a 1 m body, each at the strips'
// length in use (5 mm: about 400 and 200 strips).
#include "bench_aircraft.h"
#include "model/fuselage.h"
#include "solver/calculation.h"
#include "solver/fuselage_share.h"

#include <benchmark/benchmark.h>

namespace ab {
namespace {

// The trainer of the examples: a 1600 mm wing, a tailplane 720 mm behind it and 110 mm below.
AircraftTexts trainerTexts()
{
    AircraftTexts a = defaultAircraftTexts();
    const char* wing1[] = {"0", "260", "500", "260", "0", "300", "200", "15", "0", "0", "0", "0", "0", "0", "0", "0"};
    const char* wing2[] = {"0", "150", "300", "110", "20", "0", "0", "0", "0", "0", "0", "0", "0", "0", "720", "-110"};
    for (int r = 0; r < RoleCount; ++r) {
        a.wing[1].field[r] = wing1[r];
        a.wing[2].field[r] = wing2[r];
    }
    a.wing[1].trapezoidCount = 2;
    a.wing[2].trapezoidCount = 1;
    a.wingCount = 2;
    a.fuselage = quickFuselageShape(-250, 1000, 100);
    return a;
}

AircraftTexts benchTexts(bool large)
{
    if (!large)
        return trainerTexts();
    AircraftTexts a = bench::largeAircraftTexts();
    a.fuselage = quickFuselageShape(-600, 2000, 160);
    return a;
}

// The aircraft of the argument (1: the large one, 0: the trainer), calculated once.
struct Solved {
    explicit Solved(bool large) : texts(benchTexts(large))
    {
        ac.WingCount = ac.ActiveWingCount = texts.wingCount;
        calculate(ac, texts, sd, Language::English);
    }
    AircraftTexts texts;
    Aircraft ac;
    SolverData sd;
};

void BM_CalculationWithFuselage(benchmark::State& state)
{
    Solved s(state.range(0) != 0);
    auto& [texts, ac, sd] = s;
    for (auto _ : state)
        if (calculate(ac, texts, sd, Language::English).failed)
            state.SkipWithError("calculation failed");
    state.counters["n"] = sd.counts.PanelCount;
}
BENCHMARK(BM_CalculationWithFuselage)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// The step alone, on the solved lattice of the same aircraft.
void BM_FuselageShare(benchmark::State& state)
{
    Solved s(state.range(0) != 0);
    auto& [texts, ac, sd] = s;
    for (auto _ : state)
        benchmark::DoNotOptimize(fuselageShift(ac, sd, ac.Fuselage));
    state.counters["n"] = sd.counts.PanelCount;
}
BENCHMARK(BM_FuselageShare)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

} // namespace
} // namespace ab

BENCHMARK_MAIN();
