// SPDX-License-Identifier: GPL-3.0-or-later
// Vortex results: from the circulations of all panels the pressure coefficients, per wing the lift
// slope, neutral point, spanwise centre of lift and planform figures of the lattice, the neutral
// point of the aircraft and the reference wing with its area, chord and outline.
#pragma once

#include "model/aircraft.h"
#include "solver/solver_data.h"

namespace ab {

// All figures for onset speed 1 and angle of attack 1 rad. On a wing with tilted trapezoids the lift
// is the vertical force (circulation times the strip's width seen from above), the neutral point its
// centre in x, the centre of lift its y measured along the panels; span, area, MAC and aspect ratio,
// the lift slope's area and the reference wing's rules stay those of the unfolded planform. A wing without strips, or whose lift is
// 0, keeps its lift results at 0. Returns false when the aircraft carries no lift (it has no neutral
// point) or a result is not finite; the aircraft results are then 0 and no figure written is
// infinite or not a number.
bool WIRBEL_ERG(Aircraft& aircraft, SolverData& solver);

} // namespace ab
