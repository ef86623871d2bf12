// SPDX-License-Identifier: GPL-3.0-or-later
// Panel layout: GRID plans how many strips and chordwise panels each wing half gets, TRAWY2 builds
// the lattice of horseshoe vortices and control points from the station tables.
#pragma once

#include "lang/language.h"
#include "model/aircraft.h"
#include "solver/solver_data.h"

#include <string>
#include <vector>

namespace ab {

// Panel counts of wings 1..ActiveWingCount: about 400 panels on the half of the largest of the
// first three wings, the others in proportion to their area, panels about square. Refuses (failure
// lines appended, CalcFailed set): a trapezoid of positive width and mean chord 0 (before any
// planning), and a wing with more than 299 chordwise panels or strips, or a trapezoid of more than
// 297 strips; when all wings pass, more than 3000 panels in all, naming the wing with most panels.
// Widths are those typed, along the panel: a dihedral angle changes neither the counts nor the
// budget, so a tilted aircraft holds the same 3000-panel limit as the same aircraft flat.
void GRID(Aircraft& aircraft, PanelCounts& counts, Language language, std::vector<std::string>& failures);

// Lattice of wings 1..ActiveWingCount from the station tables, the heights posZ and the counts of
// GRID. The strips of a tilted trapezoid lie in its plane: their ys as seen from above
// (StationProjectedY), their heights posZ + StationRise, their normal (0, -sin a, cos a); those of a
// flat trapezoid keep the typed ys and posZ exactly. With equal spacing trapezoids of two or more
// strips are trimmed; a trimming that does not converge appends its two lines and sets CalcFailed,
// the tables are completed all the same.
//
// With refined spacing (StripSpacing) trapezoid t keeps its n strips but they are not trimmed: the
// edges lie at the cosine fractions (1 - cos(pi i / n)) / 2 of its width, measured along the panel,
// and the control points of strip i on the line at the fraction of the middle angle, pi (i - 1/2) / n
// (the semicircle method: the horseshoes are the projections of equal arcs of a semicircle over the
// trapezoid, each collocated at the projection of its arc's middle). That line lies off the strip's
// middle, towards the nearer end of the trapezoid; the strip's circulation stands for the load
// there, so its lift is taken to act on its bound legs on that line (ControlFraction).
void TRAWY2(Aircraft& aircraft, SolverData& solver, Language language, std::vector<std::string>& failures);

// (1 - cos(pi i / n)) / 2: where edge i of n cosine-spaced strips lies across a trapezoid, as a
// fraction of its width; i may lie between two edges.
double cosineFraction(double i, int n);
// The n + 1 edges of n cosine-spaced strips, 0 and 1 exactly at the ends.
std::vector<double> cosineFractions(int n);

} // namespace ab
