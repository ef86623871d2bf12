// SPDX-License-Identifier: GPL-3.0-or-later
// The three-dimensional view: one full redraw with the pressure needles and the curves over their
// tips, for the calculated aircraft of about 3000 panels, into an image of the window's size.
// Run offscreen unless a display is configured.
#include "bench_aircraft.h"
#include "solver/calculation.h"
#include "draw/three_d_drawing.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void RedrawThreeDViewWithPressure(benchmark::State& state)
{
    ab::AircraftTexts texts = ab::bench::largeAircraftTexts();
    ab::Aircraft aircraft;
    ab::SolverData solver;
    if (ab::calculate(aircraft, texts, solver, ab::Language::English).failed) {
        state.SkipWithError("the calculation failed");
        return;
    }
    QImage image(592, 300, QImage::Format_RGB32);
    ab::CanvasState canvasState;
    ab::ThreeDView view;
    // The size bar at its start position: the scale of a top view of the same size.
    const double scale = ab::view3DScale(75, ab::topViewLayout(aircraft, aircraft.WingCount, 592, 300).scale);
    const ab::ThreeDInput input{.view3DScale = scale, .showPressure = true};
    for (auto _ : state) {
        ab::Canvas canvas(image, canvasState);
        ab::drawThreeDView(canvas, aircraft, aircraft.WingCount, solver, view, input);
    }
    state.counters["panels"] = solver.counts.PanelCount;
}
BENCHMARK(RedrawThreeDViewWithPressure)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
