// Window benchmarks: one keystroke in a wing field until its labels show the new figures, the
// window's construction until its first frame is on the screen, the whole calculation in the window
// beside the same calculation without it, and the redraw of every view after a calculation with the
// pressure colours on. Run offscreen unless a display is configured.
#include "bench_aircraft.h"
#include "solver/calculation.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void KeystrokeToLabels(benchmark::State& state)
{
    ab::TForm1 form;
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    auto* rootChord = form.findChild<QLineEdit*>("Edit4");
    auto* span = form.findChild<QLabel*>("Label_lm1");
    int i = 0;
    for (auto _ : state) {
        rootChord->setText(++i % 2 ? "336" : "335");
        benchmark::DoNotOptimize(span->text());
    }
}
BENCHMARK(KeystrokeToLabels)->Unit(benchmark::kMicrosecond);

void WindowToFirstFrame(benchmark::State& state)
{
    for (auto _ : state) {
        ab::TForm1 form;
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            state.SkipWithError("the window was not shown");
        QApplication::processEvents();
    }
}
BENCHMARK(WindowToFirstFrame)->Unit(benchmark::kMillisecond);

// The aircraft of about 3000 panels typed into a shown window.
void typeLargeAircraft(ab::TForm1& form)
{
    const ab::AircraftTexts t = ab::bench::largeAircraftTexts();
    form.findChild<QRadioButton*>(QString::fromUtf8(ab::wingCountButtonName(t.wingCount).data()))->click();
    for (int w = 1; w <= ab::MaxWings; ++w) {
        form.findChild<QRadioButton*>(QString::fromUtf8(ab::trapezoidButtonName(w, t.wing[w].trapezoidCount).data()))->click();
        for (int r = 0; r < ab::RoleCount; ++r)
            form.findChild<QLineEdit*>(QString::fromUtf8(ab::fieldName(w, static_cast<ab::Role>(r)).data()))
                ->setText(QString::fromStdString(t.wing[w].field[r]));
    }
}

void WindowCalculation(benchmark::State& state)
{
    ab::TForm1 form;
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    typeLargeAircraft(form);
    for (auto _ : state)
        form.Button4Click();
    if (!form.aircraftState().ResultsValid)
        state.SkipWithError("the calculation failed");
}
BENCHMARK(WindowCalculation)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BatchCalculation(benchmark::State& state)
{
    ab::AircraftTexts texts = ab::bench::largeAircraftTexts();
    ab::Aircraft aircraft;
    ab::SolverData solver;
    for (auto _ : state) {
        const ab::CalculationRun run = ab::calculate(aircraft, texts, solver, ab::Language::English);
        benchmark::DoNotOptimize(run.failed);
    }
    state.counters["panels"] = solver.counts.PanelCount;
}
BENCHMARK(BatchCalculation)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void RedrawAllViewsWithPressure(benchmark::State& state)
{
    ab::TForm1 form;
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    typeLargeAircraft(form);
    form.Button4Click();
    form.findChild<QCheckBox*>("CheckBoxA")->setChecked(true);
    for (auto _ : state)
        form.FormResize();
}
BENCHMARK(RedrawAllViewsWithPressure)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
