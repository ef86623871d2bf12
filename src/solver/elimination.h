// The circulation solve: Gaussian elimination with partial pivoting on the scaled influence matrix,
// blocked so that the work on the trailing matrix runs in optimised BLAS.
#pragma once

#include "solver/solver_data.h"

#include <functional>
#include <vector>

namespace ab {

// Columns factorised as one panel before the trailing matrix is updated.
inline constexpr int EliminationPanelWidth = 128;

// Solves A x = b for the column-major n x n matrix `a` (overwritten by its factors: U in final row
// order, the multipliers of each panel in the row order of its own elimination) and b (overwritten
// by x). Pivot rule of the plain elimination: the largest magnitude of the column wins, the later row
// on equal magnitudes. `countdown` gets n - k after pivot step k = 1..n. `pivots`, when given,
// receives the chosen row (0-based) of every pivot step. Returns false, with a and b undefined, when a
// pivot column has largest magnitude 0 or a value that is not finite: the system is singular (the
// plain elimination would go on with a factor 0 and give a circulation of 0 there).
// Not checked: near-singularity; the caller checks that the solution is finite.
bool SIMQ902(double* a, int n, double* b, const std::function<void(int)>& countdown = {},
             std::vector<int>* pivots = nullptr, int panelWidth = EliminationPanelWidth);

// Right-hand side -1 at every control point (onset speed 1, angle of attack 1 rad), SIMQ902 on
// solver.matrix, circulations into solver.Circulation. Returns false when the system is singular or
// a circulation is not a finite number.
bool LOES(SolverData& solver, const std::function<void(int)>& countdown = {});

} // namespace ab
