// SPDX-License-Identifier: GPL-3.0-or-later
// Strip-width trimming of one tapered trapezoid: every strip gets the same ratio of width to mean
// chord, so the panels keep about the same shape from root to tip. A Newton iteration with a
// forward-difference Jacobian solves the equations; its linear steps use the plain elimination.
#pragma once

#include <vector>

namespace ab {

// Residuals of the trimming equations. x holds the n strip widths (inner strip first) followed by
// the trapezoid width W, the inner chord cin and the outer chord cout; F gets n residuals: the
// ratio of each strip j < n against the outermost strip, and W minus the sum of the widths.
void FCN(const std::vector<double>& x, int n, std::vector<double>& F);

// Gaussian elimination with partial pivoting on the row-major n x n matrix a (destroyed) and the
// right-hand side b, which receives the solution. The pivot is the largest magnitude of the column,
// the later row winning ties; a column of zeros gets the factor 0 and the elimination goes on.
void SIMQ90(std::vector<double>& a, std::vector<double>& b, int n);

// Newton iteration on the first n entries of x, always `limit` passes; the tolerance is 1e-9 on the
// sum of absolute residuals. Returns true when the last pass found the equations solved.
bool TRIM9M(std::vector<double>& x, int n, int limit = 20);

struct TrimResult {
    std::vector<double> fractions; // f0 = 0 .. fn = 1: strip boundaries as fractions of the width
    bool converged = true;         // solved, and every strip of positive width
};

// Boundaries of n >= 2 strips across a trapezoid of width W with chords cin (inner) and cout (outer).
// After a failed iteration the fractions of the last widths are returned, or equal widths where
// those are not finite numbers.
TrimResult TRAPEZ_TRIM(double cout, double cin, double W, int n);

} // namespace ab
