// SPDX-License-Identifier: GPL-3.0-or-later
// The fuselage's share of the neutral point, a step after the solve: the slender-body moment of the
// body in the flow the solved lattice induces along its axis (Multhopp's strip method).
#pragma once

#include "model/aircraft.h"
#include "solver/solver_data.h"

namespace ab {

// The body is cut into strips of this length between its stations (mm) where the axis passes close
// to a wing's root chord, up to four times longer where the flow is smooth; 2 or 10 mm change a
// neutral point by under 0.1 mm against 5.
inline constexpr double FuselageStripLength = 5;

// The shift of the neutral point (mm, negative forward) by the body of `stations`, over strips from
// `stripLength` long (close to a root chord) to four times that (a quarter of the distance to it):
//     dx = -(pi/2) * sum(W^2 * dbeta/dalpha * dx) / (CL_alpha * S_ref)
// with W the plan-view width at each strip's middle (straight between stations) and dbeta/dalpha =
// 1 + the solved vertical velocity there per unit angle of attack, taken on the body axis: y = 0 at the
// height of the reference wing's root. Strips whose middle lies within the reference wing's root
// chord count zero (the flow there follows the wing). CL_alpha * S_ref is the whole aircraft's lift
// slope times the reference area: the sum of every wing's lift slope times its area. Needs the
// circulations and results of a complete solve; 0 for fewer than two stations, no reference wing or
// no lift.
double fuselageShift(const Aircraft& aircraft, const SolverData& solver, const std::vector<FuselageStation>& stations,
                     double stripLength = FuselageStripLength);

// After WIRBEL_ERG: the shift of aircraft.Fuselage into FuselageShift and NeutralPointX, and
// FuselageCalculated set when there is a body. An aircraft without one keeps every figure as it was.
// Returns false when the shift is not finite (nothing is then changed).
bool addFuselageShare(Aircraft& aircraft, const SolverData& solver);

} // namespace ab
