// SPDX-License-Identifier: GPL-3.0-or-later
// Window benchmarks: one keystroke in a wing field until its labels show the new figures, the
// window's construction until its first frame is on the screen, the whole calculation in the window
// beside the same calculation without it, the redraw of every view after a calculation with the
// pressure colours on, and the redraws where a user drags or types on the aircraft tab after a
// calculation: one mouse move turning the three-dimensional view, one step of its bar, one keystroke
// in the margin field. Run offscreen unless a display is configured.
#include "bench_aircraft.h"
#include "solver/calculation.h"
#include "ui/main_window.h"
#include "ui/page_control.h"
#include "views/planform_editing.h"
#include "views/view_geometry.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
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

// Calculate in the window: the run on the worker, the event loop running until its results show.
void calculateInWindow(ab::TForm1& form)
{
    form.Button4Click();
    while (form.calculationRunning())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void WindowCalculation(benchmark::State& state)
{
    ab::TForm1 form;
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    typeLargeAircraft(form);
    for (auto _ : state)
        calculateInWindow(form);
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

// The large aircraft calculated in a shown window, the pressure distribution on when asked.
void calculateLargeAircraft(ab::TForm1& form, bool pressure)
{
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    typeLargeAircraft(form);
    calculateInWindow(form);
    form.findChild<QCheckBox*>("CheckBoxA")->setChecked(pressure);
    QApplication::processEvents();
}

void RedrawAllViewsWithPressure(benchmark::State& state)
{
    ab::TForm1 form;
    calculateLargeAircraft(form, true);
    for (auto _ : state)
        form.FormResize();
}
BENCHMARK(RedrawAllViewsWithPressure)->Unit(benchmark::kMillisecond);

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// One mouse move of a left-button drag in the three-dimensional view, diagonally by six pixels:
// the elevation and the azimuth bar each take two steps, both views redraw, the window repaints.
// Argument: the pressure distribution off (0) or on (1).
void ThreeDMouseMove(benchmark::State& state)
{
    ab::TForm1 form;
    calculateLargeAircraft(form, state.range(0) != 0);
    QWidget* view = form.findChild<QWidget*>("Image3");
    const QPoint from = view->rect().center(), to = from + QPoint(6, -6);
    sendMouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton);
    int i = 0;
    for (auto _ : state) {
        sendMouse(view, QEvent::MouseMove, ++i % 2 ? to : from, Qt::LeftButton);
        QApplication::processEvents();
    }
    sendMouse(view, QEvent::MouseButtonRelease, from, Qt::NoButton);
}
BENCHMARK(ThreeDMouseMove)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One step of the azimuth bar (ScrollBar2) with the pressure distribution on, until repainted.
void ThreeDBarStepWithPressure(benchmark::State& state)
{
    ab::TForm1 form;
    calculateLargeAircraft(form, true);
    auto* azimuth = form.findChild<QScrollBar*>("ScrollBar2");
    const int start = azimuth->value();
    int i = 0;
    for (auto _ : state) {
        azimuth->setValue(start + ++i % 2);
        QApplication::processEvents();
    }
}
BENCHMARK(ThreeDBarStepWithPressure)->Unit(benchmark::kMillisecond);

// One keystroke in the margin field with the margin set by hand, until the top view is repainted.
// Argument: the pressure distribution off (0) or on (1).
void MarginKeystroke(benchmark::State& state)
{
    ab::TForm1 form;
    calculateLargeAircraft(form, state.range(0) != 0);
    form.findChild<QRadioButton*>("RadioButton16")->click();
    auto* margin = form.findChild<QLineEdit*>("Edit_Mstab");
    int i = 0;
    for (auto _ : state) {
        margin->setText(++i % 2 ? "7.5" : "7.6");
        QApplication::processEvents();
    }
}
BENCHMARK(MarginKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Calculating while editing: one keystroke in the tailplane's x field of the large aircraft until the
// new neutral point is on screen (the typing pause of 150 ms included), and the longest stretch the
// event loop was blocked meanwhile, measured by a 1 ms timer that checks its own lateness: while the
// worker calculates (blocked_calc_ms) and as the results are shown (blocked_show_ms).
void LiveKeystrokeToNeutralPoint(benchmark::State& state)
{
    ab::TForm1 form;
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    typeLargeAircraft(form);
    form.setLiveCalculation(true);
    auto* tailX = form.findChild<QLineEdit*>(QString::fromUtf8(ab::fieldName(2, ab::Role::PosX).data()));
    const QString base = tailX->text();
    double blockedCalc = 0, blockedShow = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        double& worst = form.liveCalculationBusy() ? blockedCalc : blockedShow;
        worst = std::max(worst, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.start();
    });
    int i = 0;
    for (auto _ : state) {
        tailX->setText(base + (++i % 2 ? "1" : "2"));
        sinceTick.start();
        ticker.start();
        while (form.liveCalculationBusy() || !form.aircraftState().ResultsValid)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ticker.stop();
    }
    state.counters["blocked_calc_ms"] = blockedCalc;
    state.counters["blocked_show_ms"] = blockedShow;
}
BENCHMARK(LiveKeystrokeToNeutralPoint)->Unit(benchmark::kMillisecond)->Iterations(6);

// Calculate on the large aircraft, from the click until the results are shown, and the longest
// stretch the event loop was blocked meanwhile (blocked_ms, by the 1 ms timer that checks its own
// lateness): the staged memo, the lattice and the countdown come from the worker, the window answers.
void CalculateKeepsTheWindowAnswering(benchmark::State& state)
{
    ab::TForm1 form;
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    typeLargeAircraft(form);
    auto* tailX = form.findChild<QLineEdit*>(QString::fromUtf8(ab::fieldName(2, ab::Role::PosX).data()));
    const QString base = tailX->text();
    double blocked = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        blocked = std::max(blocked, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.start();
    });
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        tailX->setText(base + (++i % 2 ? "1" : "2"));
        QApplication::processEvents();
        state.ResumeTiming();
        sinceTick.start();
        ticker.start();
        calculateInWindow(form);
        ticker.stop();
    }
    if (!form.aircraftState().ResultsValid)
        state.SkipWithError("the calculation failed");
    state.counters["blocked_ms"] = blocked;
}
BENCHMARK(CalculateKeepsTheWindowAnswering)->Unit(benchmark::kMillisecond)->Iterations(6);

// One mouse move of a corner drag on the large aircraft's main wing: the rubber band and the
// previewed figures, until repainted.
void RubberBandMove(benchmark::State& state)
{
    ab::TForm1 form;
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    typeLargeAircraft(form);
    form.PageControl1->setActivePage(form.wingPage[1]->tab());
    QApplication::processEvents();
    auto* view = form.findChild<QWidget*>("Image1");
    const ab::ViewMapping m = ab::planformMapping(form.aircraftState(), 1, view->width(), view->height());
    const ab::CornerOffset c = ab::cornerOffsets(form.aircraftState(), 1, m.scale)[5];
    const QPoint corner(m.originX + static_cast<int>(c.dx), m.originY + static_cast<int>(c.dy));
    sendMouse(view, QEvent::MouseButtonPress, corner, Qt::LeftButton);
    int i = 0;
    for (auto _ : state) {
        sendMouse(view, QEvent::MouseMove, corner + QPoint(++i % 20, 0), Qt::LeftButton);
        QApplication::processEvents();
    }
    sendMouse(view, QEvent::MouseButtonRelease, corner, Qt::NoButton);
}
BENCHMARK(RubberBandMove)->Unit(benchmark::kMillisecond);

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
