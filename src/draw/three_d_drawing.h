// SPDX-License-Identifier: GPL-3.0-or-later
// The rotatable three-dimensional view on the aircraft tab: axes, flight-direction arrow, the
// outlines of the wings in use and, after a calculation, the pressure needles with the curves over
// their tips. The window and the printed page draw with the same functions.
#pragma once

#include "model/aircraft.h"
#include "solver/solver_data.h"
#include "draw/canvas.h"
#include "views/projection.h"

namespace ab {

// Draws the whole view: clears it (a rectangle over the whole image in the note colour, outlined
// grey), fills the point tables from the aircraft, the lattice and the input, projects them for the
// elevation and azimuth bars, then strokes the axes, the arrow, the fuselage's round sections and
// the outlines of wings 1..wingCount; with the pressure distribution on and valid results also the grey needles and the
// green curves over their tips. Leaves the pen width at 1. The view keeps the projected offsets for
// the next drawing.
void drawThreeDView(Canvas& canvas, const Aircraft& aircraft, int wingCount, const SolverData& solver,
                    ThreeDView& view, const ThreeDInput& input);

} // namespace ab
