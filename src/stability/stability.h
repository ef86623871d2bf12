// SPDX-License-Identifier: GPL-3.0-or-later
// Static stability: where the centre of gravity belongs for a margin in percent of the reference
// chord ahead of the neutral point, and the texts the aircraft top view and Label21 show.
#pragma once

#include "lang/language.h"
#include "model/aircraft.h"
#include "model/units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ab {

struct StabilityFigures {
    double StabilityLow = 0, StabilityHigh = 0, StabilityDesired = 0; // %
    double CgAtLow = 0, CgAtHigh = 0, CgDesired = 0;                  // x, mm
    // The same points in percent of the reference chord from its leading edge; none without a
    // reference chord.
    std::optional<double> NeutralPointPercentMac{}, CgAtLowPercentMac{}, CgAtHighPercentMac{}, CgDesiredPercentMac{};
};

// The automatic range is 4..8 % for one wing and 8..16 % otherwise (by ActiveWingCount). A desired
// margin that would put the centre of gravity out of range of a double counts as 0 %.
StabilityFigures stabilityFigures(const Aircraft& aircraft, double desiredPercent);

// Where x (mm in the aircraft's datum) lies on the reference chord, in percent of its length from its
// leading edge (ReferenceMacLeadingX): 0 at the leading edge, 100 at the trailing edge, below 0 ahead
// of it. None while there is no positive reference chord, and never a figure that is not finite.
std::optional<double> percentOfMac(const Aircraft& aircraft, double x);

// The band the centre of gravity is recommended to lie in, front edge ahead of (or at) the rear one:
// automatic, between the centres of gravity of the high and the low margin; manual, the desired
// margin +- DesiredBandPercent, its rear edge kept at or ahead of the neutral point for a desired
// margin that is not negative.
inline constexpr double DesiredBandPercent = 2.0;
struct CgBand {
    double frontMargin = 0, rearMargin = 0; // % of the reference chord ahead of the neutral point
    double frontX = 0, rearX = 0;           // mm in the aircraft's datum
};
CgBand recommendedBand(const Aircraft& aircraft, const StabilityFigures& figures, bool automatic);

// The one centre of gravity the outputs name for the stability mode: in the middle of the automatic
// band (12 % for an aircraft of several wings), at the desired margin in manual mode. The top view's
// CG symbol, the 1:1 template's CG line and the moment reference of the AVL file all take it.
struct CgInUse {
    double marginPercent = 0; // % of the reference chord ahead of the neutral point
    double x = 0;             // mm in the aircraft's datum
};
CgInUse centreOfGravityInUse(const StabilityFigures& figures, bool automatic);

// One text line of the aircraft top view, written at pixel column 9.
enum class StabilityInk { Black, Blue, Red };
struct StabilityRow {
    int row = 0; // pixel row ReferenceAreaRow .. 298
    StabilityInk ink = StabilityInk::Black;
    std::string text;
};

// The row of the reference area, the one line that stands on the reference wing's colour while the
// lattice is shown.
inline constexpr int ReferenceAreaRow = 232;

// The lines of rows 232 to 298: reference area, reference length, the centre of gravity for the
// high and low margin (automatic) or for the desired margin (manual), and the neutral point; each
// position also in % of the reference chord, e.g. "x_ac: 126.9mm (52.8% MAC)". After a calculation
// with a fuselage, its share follows in row 314.
std::vector<StabilityRow> stabilityRows(const Aircraft& aircraft, const StabilityFigures& figures,
                                        Language language, bool automatic, UnitSystem units = UnitSystem::Metric);

// The labels of the band and the symbols in the top view: the band with its margins ("CG range
// 8..16%", manual "CG range 5.5..9.5%"), the centre of gravity's symbol with its margin ("CG 12%" in
// the middle of the automatic range, "CG 7.5%" manual), the neutral point's ("AC"), the measured
// centre of gravity's and the reference chord's ("MAC").
struct StabilityLabels {
    std::string band, centreOfGravity, neutralPoint, measured, mac;
};
StabilityLabels stabilityLabels(const Aircraft& aircraft, const StabilityFigures& figures, bool automatic,
                                Language language);

// The measured centre of gravity's label with its place, as the top view's texts give places:
// "CG measured 94.4mm (36.8% MAC)"; without a reference chord the millimetres only.
std::string measuredCgLabel(const Aircraft& aircraft, double x, Language language,
                            UnitSystem units = UnitSystem::Metric);

// " (52.8% MAC)" in the language's words for the reference chord; empty for no figure.
std::string percentMacText(std::optional<double> percent, Language language);

// The fuselage's shift of the neutral point in percent of the reference chord; none without a
// reference chord.
std::optional<double> fuselageShiftPercentMac(const Aircraft& aircraft);
// The fuselage's share as the outputs show it: "fuselage: -3.7 mm (-1.5 % MAC)" in the language's
// words; empty unless the last calculation had a fuselage.
std::string fuselageShiftText(const Aircraft& aircraft, Language language, UnitSystem units = UnitSystem::Metric);
// The neutral point the wings alone give (NeutralPointX includes the fuselage).
inline double neutralPointWithoutFuselage(const Aircraft& aircraft)
{
    return aircraft.NeutralPointX - aircraft.FuselageShift;
}

// The caption of Label21 behind the margin field: "%" while the results are stale, otherwise the
// distance of the neutral point ahead of the desired centre of gravity, e.g. "%  AC-CG= 15.0mm".
std::string label21Text(const Aircraft& aircraft, const StabilityFigures& figures, Language language,
                        UnitSystem units = UnitSystem::Metric);

// The text ScrollBar5 writes into Edit_Mstab for a position 0..60: 30 % down to 0 % in half steps,
// one decimal, right-aligned in 4 characters.
std::string marginFieldText(int scrollPosition);

} // namespace ab
