// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the circulation solve against LAPACK's dgesv and dsgesv on the same matrix, and of the
// whole calculation of an aircraft of about 3000 panels.
#include "bench_aircraft.h"
#include "model/recalculation.h"
#include "solver/calculation.h"
#include "solver/elimination.h"
#include "solver/grid.h"
#include "solver/influence.h"

#include <benchmark/benchmark.h>
#include <lapacke.h>

#include <random>
#include <vector>

namespace ab {
namespace {

// The influence matrix of the large aircraft (2957 unknowns), or a random matrix of 3000 unknowns
// whose pivot searches exchange rows at almost every step.
const std::vector<double>& systemMatrix(bool random, int& n)
{
    constexpr int randomSize = 3000;
    static std::vector<double> lattice, noise;
    static int size = 0;
    if (lattice.empty()) {
        Aircraft ac;
        SolverData sd;
        bench::buildLargeLattice(ac, sd);
        EINFLUSS(ac, sd);
        lattice = sd.matrix;
        size = sd.counts.PanelCount;
        std::mt19937 rng(1);
        std::uniform_real_distribution<double> u(-1, 1);
        noise.resize(static_cast<std::size_t>(randomSize) * randomSize);
        for (double& v : noise)
            v = u(rng);
    }
    n = random ? randomSize : size;
    return random ? noise : lattice;
}

enum class Solver { SIMQ902, InDouble, Dgesv, Dsgesv };

void runSolve(benchmark::State& state, Solver solver, int panelWidth = EliminationPanelWidth)
{
    int n = 0;
    const std::vector<double>& a = systemMatrix(state.range(0) != 0, n);
    std::vector<double> work(a.size()), b(n), x(n);
    std::vector<lapack_int> ipiv(n);
    std::vector<float> singleCopy; // kept between solves, as the calculation keeps it
    SolveTrace trace;
    for (auto _ : state) {
        state.PauseTiming();
        work = a;
        b.assign(n, -1.0);
        state.ResumeTiming();
        lapack_int steps = 0;
        switch (solver) {
        case Solver::SIMQ902: SIMQ902(work.data(), n, b.data(), singleCopy, {}, &trace, panelWidth); break;
        case Solver::InDouble: solveInDouble(work.data(), n, b.data(), {}, nullptr, panelWidth); break;
        case Solver::Dgesv: LAPACKE_dgesv(LAPACK_COL_MAJOR, n, 1, work.data(), n, ipiv.data(), b.data(), n); break;
        case Solver::Dsgesv:
            LAPACKE_dsgesv(LAPACK_COL_MAJOR, n, 1, work.data(), n, ipiv.data(), b.data(), n, x.data(), n, &steps);
            state.counters["steps"] = steps;
            break;
        }
        benchmark::DoNotOptimize(b.data());
        benchmark::DoNotOptimize(x.data());
    }
    state.counters["n"] = n;
    if (solver == Solver::SIMQ902) {
        state.counters["steps"] = trace.corrections;
        state.counters["fellBack"] = trace.fellBack;
    }
}

// SIMQ902: single-precision factors refined in double; InDouble: the elimination in double alone;
// LAPACK's dgesv (double) and dsgesv (single factors refined in double) on the same matrix.
void BM_SIMQ902(benchmark::State& state) { runSolve(state, Solver::SIMQ902); }
void BM_SolveInDouble(benchmark::State& state) { runSolve(state, Solver::InDouble); }
void BM_LAPACKE_dgesv(benchmark::State& state) { runSolve(state, Solver::Dgesv); }
void BM_LAPACKE_dsgesv(benchmark::State& state) { runSolve(state, Solver::Dsgesv); }
// Panel widths other than the one in use, on the lattice matrix.
void BM_SIMQ902_PanelWidth(benchmark::State& state)
{
    runSolve(state, Solver::SIMQ902, static_cast<int>(state.range(1)));
}
BENCHMARK(BM_SIMQ902_PanelWidth)->Args({0, 64})->Args({0, 96})->Args({0, 192})->Args({0, 256})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
// Argument 0: lattice matrix (2957 panels), 1: random matrix of 3000 unknowns.
BENCHMARK(BM_SIMQ902)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(BM_SolveInDouble)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(BM_LAPACKE_dgesv)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(BM_LAPACKE_dsgesv)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// Argument 0: the large aircraft flat (the downwash alone), 1: with tilted wings (the whole
// velocity along each panel's normal), the same panel count.
void BM_EINFLUSS(benchmark::State& state)
{
    Aircraft ac;
    SolverData sd;
    bench::buildLargeLattice(ac, sd, state.range(0) != 0);
    for (auto _ : state)
        EINFLUSS(ac, sd);
    state.counters["n"] = sd.counts.PanelCount;
}
BENCHMARK(BM_EINFLUSS)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The panel layout alone (GRID and TRAWY2), the only stage the spacing changes. Argument 0: equal
// strips (trimmed), 1: refined (cosine positions, no trimming).
void BM_Layout(benchmark::State& state)
{
    AircraftTexts texts = bench::largeAircraftTexts();
    texts.spacing = state.range(0) != 0 ? SpanwiseSpacing::Refined : SpanwiseSpacing::Equal;
    Aircraft ac;
    recalculate(ac, texts);
    recalculate(ac, texts);
    SolverData sd;
    std::vector<std::string> failures;
    for (auto _ : state) {
        GRID(ac, sd.counts, Language::English, failures);
        TRAWY2(ac, sd, Language::English, failures);
    }
    state.counters["n"] = sd.counts.PanelCount;
}
BENCHMARK(BM_Layout)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// First argument 0: the large aircraft flat, 1: with tilted wings; second argument 0: equal strips,
// 1: refined towards the ends of every trapezoid (the same panel count).
void BM_WholeCalculation(benchmark::State& state)
{
    AircraftTexts texts = state.range(0) != 0 ? bench::tiltedLargeAircraftTexts() : bench::largeAircraftTexts();
    texts.spacing = state.range(1) != 0 ? SpanwiseSpacing::Refined : SpanwiseSpacing::Equal;
    Aircraft ac;
    SolverData sd;
    calculate(ac, texts, sd, Language::English); // the matrix storage exists from the first run on
    for (auto _ : state) {
        const CalculationRun run = calculate(ac, texts, sd, Language::English);
        if (run.failed)
            state.SkipWithError("calculation failed");
    }
    state.counters["n"] = sd.counts.PanelCount;
}
BENCHMARK(BM_WholeCalculation)->Args({0, 0})->Args({0, 1})->Args({1, 0})->Args({1, 1})
    ->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

} // namespace
} // namespace ab

BENCHMARK_MAIN();
