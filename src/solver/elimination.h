// SPDX-License-Identifier: GPL-3.0-or-later
// The circulation solve: Gaussian elimination with partial pivoting on the scaled influence matrix,
// factorised in single precision and refined to double precision against the double matrix, with
// the elimination in double as the way out when the refinement does not converge.
#pragma once

#include "solver/blocked_lu.h"
#include "solver/solver_data.h"

#include <functional>
#include <vector>

namespace ab {

// Refinement stops once a correction is at most this fraction of the solution (largest magnitudes).
inline constexpr double RefinementTolerance = 1e-15;
// Corrections tried before the solve falls back to the elimination in double.
inline constexpr int MaxRefinementSteps = 10;

// How a solve went, for tests, benchmarks and the debug log (never for results).
struct SolveTrace {
    bool singleFactorised = false; // the single-precision factorisation found a pivot in every column
    int corrections = 0;           // refinement steps taken with the single-precision factors
    bool fellBack = false;         // solved by the elimination in double instead
    std::vector<int> pivots;       // rows chosen by the factorisation that gave the solution
};

// Solves A x = b for the column-major n x n matrix `a`; b is overwritten by x. The pivot rule and
// countdown are those of factorLU. Steps:
//   1. `singleCopy` (resized to n * n; its capacity is the caller's to keep between solves) gets A
//      in single precision and is factorised;
//   2. x from the single factors, then x += d with d solved from the single factors for
//      r = b - A x (r in double, with `a` as given). Converged when |d| <= RefinementTolerance |x|,
//      or when |r| <= sqrt(n) eps |A| |x| (eps of double, infinity norms): the residual the
//      elimination in double leaves, which for a system of condition number above about 10 stays
//      above what the tolerance asks of a correction;
//   3. when the single factorisation meets a zero or non-finite pivot column, or a correction is
//      not below half the one before, or MaxRefinementSteps corrections have not converged (an
//      ill-conditioned system), a debug log line says so and solveInDouble factorises `a` in place
//      (the countdown runs once more).
// `a` is unchanged unless step 3 runs. Returns false, with b undefined, when the elimination in
// double finds a pivot column with largest magnitude 0 or a value that is not finite.
bool SIMQ902(double* a, int n, double* b, std::vector<float>& singleCopy,
             const std::function<void(int)>& countdown = {}, SolveTrace* trace = nullptr,
             int panelWidth = EliminationPanelWidth);

// The elimination in double: factorLU<double> on `a` in place, then the substitutions into b.
// `pivots`, when given, receives the chosen row of every step. Returns false, with a and b
// undefined, when a pivot column has largest magnitude 0 or a value that is not finite: the system
// is singular (the plain elimination would go on with a factor 0 and give a circulation of 0 there).
bool solveInDouble(double* a, int n, double* b, const std::function<void(int)>& countdown = {},
                   std::vector<int>* pivots = nullptr, int panelWidth = EliminationPanelWidth);

// Right-hand side -1 at every control point (onset speed 1, angle of attack 1 rad; -cos a on a panel
// tilted by a, whose normal the onset flow meets at that angle), SIMQ902 on
// solver.matrix (which may be left factorised) with solver.singleCopy, circulations into
// solver.Circulation. Returns
// false when the system is singular or a circulation is not a finite number.
bool LOES(SolverData& solver, const std::function<void(int)>& countdown = {});

} // namespace ab
