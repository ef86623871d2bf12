// SPDX-License-Identifier: GPL-3.0-or-later
// The recalculation pass: after any change that concerns more than one wing, every wing is
// evaluated again and the positions of all wings are read.
#pragma once

#include "model/aircraft.h"
#include "model/aircraft_texts.h"
#include "model/planform.h"

namespace ab {

// The results go stale (ResultsValid and SolverDataValid cleared) unless the pass only redraws and
// keeps them.
// Evaluates wings 1..5 in order, whatever the wing count, then reads posX and posZ of all wings and
// the fuselage table.
// The leading-edge tables therefore use the positions of the previous pass; callers that read them
// (the calculation, printing) run a pass after the last position change was read.
PerWing<WingLabels> recalculate(Aircraft& aircraft, const AircraftTexts& texts,
                                ResultsAfterPass results = ResultsAfterPass::GoStale);

} // namespace ab
