// Aircraft texts for the solver tests: a blank aircraft of one wing and helpers to describe wings.
#pragma once

#include "model/aircraft_texts.h"

#include <string>

namespace ab::test {

// One trapezoid of a wing as typed: width, tip chord, tip offset (mm).
struct TrapezoidText {
    int width, tipChord, tipOffset;
};

// Sets wing w to the given root gap, root chord, trapezoids, position and height.
inline void setWing(AircraftTexts& a, int w, int rootGap, int rootChord, std::initializer_list<TrapezoidText> traps,
                    int posX = 0, int posZ = 0)
{
    WingTexts& t = a.wing[w];
    t[Role::RootGap] = std::to_string(rootGap);
    t[Role::RootChord] = std::to_string(rootChord);
    int k = 0;
    for (const TrapezoidText& tr : traps) {
        ++k;
        t[widthRole(k)] = std::to_string(tr.width);
        t[tipChordRole(k)] = std::to_string(tr.tipChord);
        t[tipOffsetRole(k)] = std::to_string(tr.tipOffset);
    }
    for (int r = k + 1; r <= 4; ++r) {
        t[widthRole(r)] = "0";
        t[tipChordRole(r)] = "0";
        t[tipOffsetRole(r)] = "0";
    }
    t.trapezoidCount = k;
    t[Role::PosX] = std::to_string(posX);
    t[Role::PosZ] = std::to_string(posZ);
}

// The rectangular wing of span 1000 mm and chord 100 mm, alone: 405 panels.
inline AircraftTexts rectangularWingTexts()
{
    AircraftTexts a = defaultAircraftTexts();
    setWing(a, 1, 0, 100, {{500, 100, 0}});
    a.wingCount = 1;
    return a;
}

} // namespace ab::test

#include "model/aircraft.h"
#include "model/recalculation.h"

namespace ab::test {

// The aircraft tables of `texts` as the calculation sees them after its recalculation pass.
inline Aircraft preparedAircraft(const AircraftTexts& texts)
{
    Aircraft ac;
    ac.WingCount = ac.ActiveWingCount = texts.wingCount;
    recalculate(ac, texts);
    recalculate(ac, texts);
    return ac;
}

// A rectangular wing of half-span `halfSpan` and chord `chord` in one trapezoid.
inline void setRectangle(AircraftTexts& a, int w, int halfSpan, int chord, int posX = 0, int posZ = 0,
                         int rootGap = 0)
{
    setWing(a, w, rootGap, chord, {{halfSpan, chord, 0}}, posX, posZ);
}

} // namespace ab::test
