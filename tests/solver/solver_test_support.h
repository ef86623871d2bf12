// SPDX-License-Identifier: GPL-3.0-or-later
// Aircraft for the solver tests: wings described in a line, and the tables as a calculation sees them.
#pragma once

#include "model/aircraft_texts.h"
#include "model/recalculation.h"
#include "solver/calculation.h"

#include <string>
#include <vector>

namespace ab::test {

struct TrapezoidText {
    int width, tipChord, tipOffset; // mm
};

// Sets wing w to the given root gap, root chord, trapezoids, position and height.
inline void setWing(AircraftTexts& a, int w, int rootGap, int rootChord, std::vector<TrapezoidText> traps,
                    int posX = 0, int posZ = 0)
{
    WingTexts& t = a.wing[w];
    t[Role::RootGap] = std::to_string(rootGap);
    t[Role::RootChord] = std::to_string(rootChord);
    traps.resize(4, {0, 0, 0});
    for (int k = 1; k <= 4; ++k) {
        t[widthRole(k)] = std::to_string(traps[k - 1].width);
        t[tipChordRole(k)] = std::to_string(traps[k - 1].tipChord);
        t[tipOffsetRole(k)] = std::to_string(traps[k - 1].tipOffset);
    }
    int count = 4;
    while (count > 1 && traps[count - 1].width == 0 && traps[count - 1].tipChord == 0)
        --count;
    t.trapezoidCount = count;
    t[Role::PosX] = std::to_string(posX);
    t[Role::PosZ] = std::to_string(posZ);
}

// A rectangular wing of half-span `halfSpan` and chord `chord`.
inline void setRectangle(AircraftTexts& a, int w, int halfSpan, int chord, int posX = 0, int posZ = 0,
                         int rootGap = 0)
{
    setWing(a, w, rootGap, chord, {{halfSpan, chord, 0}}, posX, posZ);
}

// The rectangular wing of span 1000 mm and chord 100 mm, alone: 405 panels.
inline AircraftTexts rectangularWingTexts()
{
    AircraftTexts a = defaultAircraftTexts();
    setRectangle(a, 1, 500, 100);
    a.wingCount = 1;
    return a;
}

// The aircraft tables of `texts` as the calculation sees them after its recalculation pass.
inline Aircraft preparedAircraft(const AircraftTexts& texts)
{
    Aircraft ac;
    ac.WingCount = ac.ActiveWingCount = texts.wingCount;
    recalculate(ac, texts);
    recalculate(ac, texts);
    return ac;
}

struct Calculated {
    Aircraft ac;
    AircraftTexts texts;
    SolverData sd;
    CalculationRun run;
};

inline Calculated calculated(const AircraftTexts& texts, Language l = Language::English,
                             const CalculationCallbacks& callbacks = {})
{
    Calculated c{preparedAircraft(texts), texts, {}, {}};
    c.run = calculate(c.ac, c.texts, c.sd, l, callbacks);
    return c;
}

} // namespace ab::test
