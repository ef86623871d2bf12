// Window benchmarks: one keystroke in a wing field until its labels show the new figures, and the
// window's construction until its first frame is on the screen. Run offscreen unless a display is
// configured.
#include "ui/main_window.h"

#include <QApplication>
#include <QLabel>
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
