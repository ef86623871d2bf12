// SPDX-License-Identifier: GPL-3.0-or-later
// Blocked LU factorisation with partial pivoting, in single or in double precision, and the
// substitutions with its factors: the elimination beneath the circulation solve.
#pragma once

#include <functional>

namespace ab {

// Columns factorised as one panel before the trailing matrix is updated.
inline constexpr int EliminationPanelWidth = 128;

// Factorises the column-major n x n matrix `a` in place: U in final row order, the multipliers of
// each panel of `panelWidth` columns in the row order of that panel's own elimination (the
// exchanges of later panels do not reach the columns of earlier ones). Pivot rule of the plain
// elimination: the largest magnitude of the column wins, the later row on equal magnitudes.
// piv[k] (n entries) gets the row, 0-based, exchanged with row k at pivot step k; `countdown` gets
// n - k after step k = 1..n. Panels are split in halves down to 16 columns, each half updated by
// the one before with trsm and gemm, and so is the trailing matrix after every panel.
// Returns false, with `a` undefined, at a pivot column whose largest magnitude is 0 or not finite.
// Not checked: near-singularity (small pivots are divided into as they are).
template <class T>
bool factorLU(T* a, int n, int* piv, const std::function<void(int)>& countdown = {},
              int panelWidth = EliminationPanelWidth);

// Solves A x = b with the factors and exchanges of factorLU (same n and panel width); b (n) is
// overwritten by x.
template <class T>
void solveLU(const T* factors, int n, const int* piv, T* b, int panelWidth = EliminationPanelWidth);

extern template bool factorLU<float>(float*, int, int*, const std::function<void(int)>&, int);
extern template bool factorLU<double>(double*, int, int*, const std::function<void(int)>&, int);
extern template void solveLU<float>(const float*, int, const int*, float*, int);
extern template void solveLU<double>(const double*, int, const int*, double*, int);

} // namespace ab
