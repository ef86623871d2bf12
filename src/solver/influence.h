// SPDX-License-Identifier: GPL-3.0-or-later
// Influence coefficients of the vortex lattice: the downwash a horseshoe vortex of unit circulation
// induces at a point, and the matrix of these over all control points and horseshoes.
#pragma once

#include "model/aircraft.h"
#include "solver/solver_data.h"

#include <vector>

namespace ab {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

// Downwash (z component, without the factor 1/(4 pi)) at a point P of a horseshoe of unit
// circulation: bound vortex from A to B, trailing legs from A and B parallel to +x to infinity.
// r1 = P - A, r2 = P - B. A point on the line of a trailing leg (y = z = 0 relative to its end)
// gets z = 1e-17 in the trailing terms, so its coefficient stays finite.
//
//        A o====bound====o B       --> y
//          |             |
//          |  trailing   |         x rearward, legs to +infinity
//          v             v
double INDU(const Vec3& r1, const Vec3& r2);

// The whole velocity (without the factor 1/(4 pi)) of the same horseshoe at P, for lattices whose
// panels are tilted: its z part is INDU's, except on the line of a trailing leg, where that leg adds
// nothing to either part.
Vec3 horseshoeVelocity(const Vec3& r1, const Vec3& r2);

// Fills solver.matrix with the influence coefficients of every horseshoe j (column) at every control
// point i (row), each the sum of the right-half horseshoe and its mirror image on the left half
// (ends mirrored to -y and exchanged, so it turns the other way), already multiplied by 0.0795775
// (1/(4 pi) to seven digits) for the solve. Size PanelCount x PanelCount, column-major, in the
// global panel numbering (wing, strip, chordwise panel). Columns are assembled on all cores.
// On a lattice with a tilted strip each coefficient is the velocity of the horseshoe and its mirror
// image taken along the normal of the control point's panel; a flat lattice takes the downwash
// alone, so its matrix is the same to the last bit whether the tilted assembly exists or not.
// Returns false when the lattice does not hold PanelCount panels (the matrix is then not filled).
// Not checked: that no control point coincides with a vortex end (its coefficient is not finite;
// the solve reports that).
bool EINFLUSS(const Aircraft& aircraft, SolverData& solver);

// The vertical velocity (positive upward) that the solved horseshoes of every wing (both halves,
// tilted strips as they lie) induce at each point, per unit onset speed and angle of attack: the sum
// over all panels of the circulation times the coefficient a level panel's control point at that
// place would get. On a lattice without tilted strips it is -1 at every control point, where it
// cancels the onset flow and the flow follows the wing. Points are spread over the cores; a point exactly on a vortex end gives a figure that is not
// finite, which the caller avoids.
std::vector<double> solvedVerticalVelocity(const Aircraft& aircraft, const SolverData& solver, const std::vector<Vec3>& points);

// The onset flow at each control point for unit angle of attack, taken along the panel's normal:
// the normal's z part (cos a on a trapezoid tilted by a, exactly 1 on a flat one), in the global
// panel numbering of the lattice.
std::vector<double> onsetNormals(const SolverData& solver);

} // namespace ab
