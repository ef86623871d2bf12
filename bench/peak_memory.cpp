// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory of one calculation of the large aircraft, as the operating system counts it.
#include "bench_aircraft.h"
#include "solver/calculation.h"

#include <sys/resource.h>

#include <cstdio>

int main()
{
    ab::AircraftTexts texts = ab::bench::largeAircraftTexts();
    ab::Aircraft ac;
    ab::SolverData sd;
    const ab::CalculationRun run = ab::calculate(ac, texts, sd, ab::Language::English);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("panels %d, failed %d, neutral point %.2f mm, peak resident memory %.1f MB\n",
                sd.counts.PanelCount, run.failed ? 1 : 0, ac.NeutralPointX, usage.ru_maxrss / 1024.0);
    return run.failed ? 1 : 0;
}
