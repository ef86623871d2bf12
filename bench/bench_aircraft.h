// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft the benchmarks calculate: five wings, 2957 panels, close to the 3000 the solver takes.
#pragma once

#include "model/aircraft_texts.h"
#include "model/recalculation.h"
#include "solver/grid.h"

#include <string>
#include <vector>

namespace ab::bench {

inline AircraftTexts largeAircraftTexts()
{
    struct Trap {
        int width, chord, offset;
    };
    struct WingRow {
        int gap, rootChord;
        Trap traps[3];
        int count, x, z;
    };
    const WingRow rows[5] = {
        {0, 300, {{400, 280, 10}, {500, 200, 60}, {200, 120, 120}}, 3, 0, 0},
        {0, 150, {{350, 100, 40}}, 1, 900, 80},
        {0, 120, {{250, 80, 20}}, 1, -400, -60},
        {0, 400, {{2400, 300, 50}, {300, 200, 100}}, 2, 200, 160},
        {100, 350, {{2300, 250, 40}}, 1, 300, -140},
    };
    AircraftTexts a = defaultAircraftTexts();
    for (int w = 1; w <= 5; ++w) {
        const WingRow& r = rows[w - 1];
        WingTexts& t = a.wing[w];
        t[Role::RootGap] = std::to_string(r.gap);
        t[Role::RootChord] = std::to_string(r.rootChord);
        for (int k = 1; k <= 4; ++k) {
            const Trap tr = k <= r.count ? r.traps[k - 1] : Trap{0, 0, 0};
            t[widthRole(k)] = std::to_string(tr.width);
            t[tipChordRole(k)] = std::to_string(tr.chord);
            t[tipOffsetRole(k)] = std::to_string(tr.offset);
        }
        t.trapezoidCount = r.count;
        t[Role::PosX] = std::to_string(r.x);
        t[Role::PosZ] = std::to_string(r.z);
    }
    a.wingCount = 5;
    return a;
}

// The large aircraft with polyhedral on its main wing, a V-tail and tilted outer wings: every
// influence coefficient takes the tilted assembly.
inline AircraftTexts tiltedLargeAircraftTexts()
{
    AircraftTexts a = largeAircraftTexts();
    const char* angles[5][3] = {{"3", "6", "12"}, {"40", "", ""}, {"-10", "", ""}, {"5", "30", ""}, {"-8", "", ""}};
    for (int w = 1; w <= 5; ++w)
        for (int k = 1; k <= 3; ++k)
            a.wing[w].dihedral[k] = angles[w - 1][k - 1];
    return a;
}

// The large aircraft (flat, or `tilted`) with its station tables current and its lattice built,
// ready for EINFLUSS.
inline void buildLargeLattice(Aircraft& ac, SolverData& sd, bool tilted = false)
{
    const AircraftTexts texts = tilted ? tiltedLargeAircraftTexts() : largeAircraftTexts();
    recalculate(ac, texts);
    recalculate(ac, texts);
    std::vector<std::string> failures;
    GRID(ac, sd.counts, Language::English, failures);
    TRAWY2(ac, sd, Language::English, failures);
}

} // namespace ab::bench
