// SPDX-License-Identifier: GPL-3.0-or-later
// Planform evaluation of one wing: reads the wing's field texts into the station tables, integrates
// span, area, mean aerodynamic chord, geometric neutral point and aspect ratio, and makes the label
// texts the wing's tab shows.
#pragma once

#include "model/aircraft.h"
#include "model/units.h"
#include "model/aircraft_texts.h"

#include <array>
#include <string>

namespace ab {

// The five planform figures of one wing.
struct PlanformFigures {
    double span = 0;        // mm, both halves
    double area = 0;        // mm^2, both halves
    double mac = 0;         // mean aerodynamic chord, mm
    double aspectRatio = 0; // span^2 / area
    double r25 = 0;         // area-weighted quarter-chord x, mm (absolute as the leX given)
    double macY = 0;        // spanwise station of the mean chord: the centroid of the half wing's area, mm
};

// Integrates wing w over stations 0..stationCount-1 of the three tables (leX absolute). The chord is
// linear across each trapezoid, so the integrals of c^2, c * (x_LE + c/4) and c * y are exact. The
// mean chord's leading edge lies at r25 - mac / 4: its quarter point is the area-weighted one.
PlanformFigures NTRAP_SPEZIAL(int w, int stationCount, const PerStation<double>& leX,
                              const PerStation<double>& y, const PerStation<double>& chord);

// Reads the fourteen wing fields and the trapezoid count of a wing by the lenient integer rule,
// taking absolute values of the gap, chords and widths. The position fields are read as well.
Wing readWing(const WingTexts& texts);

// What the wing's tab shows after an evaluation.
struct WingLabels {
    std::string span, area, mac, r25, aspectRatio; // "2200mm", "71.82dm^2", ...
    std::array<std::string, MaxStations> stations; // y_0 .. y_4 as plain integers
    double macLeading = 0;  // leading edge of the mean chord, from the root leading edge (mm)
    double macTrailing = 0; // its trailing edge
};

// Evaluates wing w (1..5) from its texts: fills its integer and real tables and its planform
// figures in `aircraft` and returns the label texts. posX is taken from aircraft.posX[w] as the
// last recalculation pass read it. The results go stale, unless the evaluation only redraws
// (a resize, a print) and keeps them.
WingLabels evaluateWing(Aircraft& aircraft, const WingTexts& texts, int w,
                        ResultsAfterPass results = ResultsAfterPass::GoStale);

// The labels of wing w as an evaluation left them, in the chosen units: in imperial the lengths in
// inches (stations with two decimals), the area in in^2; metric labels stay as they are.
WingLabels labelsInUnits(WingLabels labels, const Aircraft& aircraft, int w, UnitSystem units);

// True when wing w shows the question whether its centre gap is intended (its root gap is not 0).
inline bool showsGapQuestion(const Aircraft& aircraft, int w) { return aircraft.rootGap[w] != 0; }

} // namespace ab
