// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/blocked_lu.h"

#include <cblas.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

namespace ab {
namespace {

constexpr int kRecursionBase = 16; // columns eliminated one by one at the bottom of the recursion

// The four BLAS operations of the elimination, by precision (column-major throughout).
void trsmLowerUnit(int m, int n, const float* a, int lda, float* b, int ldb)
{
    cblas_strsm(CblasColMajor, CblasLeft, CblasLower, CblasNoTrans, CblasUnit, m, n, 1.0f, a, lda, b, ldb);
}
void trsmLowerUnit(int m, int n, const double* a, int lda, double* b, int ldb)
{
    cblas_dtrsm(CblasColMajor, CblasLeft, CblasLower, CblasNoTrans, CblasUnit, m, n, 1.0, a, lda, b, ldb);
}
// c -= a b (a m x k, b k x n)
void gemmSubtract(int m, int n, int k, const float* a, int lda, const float* b, int ldb, float* c, int ldc)
{
    cblas_sgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, m, n, k, -1.0f, a, lda, b, ldb, 1.0f, c, ldc);
}
void gemmSubtract(int m, int n, int k, const double* a, int lda, const double* b, int ldb, double* c, int ldc)
{
    cblas_dgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, m, n, k, -1.0, a, lda, b, ldb, 1.0, c, ldc);
}
void trsv(CBLAS_UPLO uplo, CBLAS_DIAG diag, int n, const float* a, int lda, float* x)
{
    cblas_strsv(CblasColMajor, uplo, CblasNoTrans, diag, n, a, lda, x, 1);
}
void trsv(CBLAS_UPLO uplo, CBLAS_DIAG diag, int n, const double* a, int lda, double* x)
{
    cblas_dtrsv(CblasColMajor, uplo, CblasNoTrans, diag, n, a, lda, x, 1);
}
// y -= a x (a m x n)
void gemvSubtract(int m, int n, const float* a, int lda, const float* x, float* y)
{
    cblas_sgemv(CblasColMajor, CblasNoTrans, m, n, -1.0f, a, lda, x, 1, 1.0f, y, 1);
}
void gemvSubtract(int m, int n, const double* a, int lda, const double* x, double* y)
{
    cblas_dgemv(CblasColMajor, CblasNoTrans, m, n, -1.0, a, lda, x, 1, 1.0, y, 1);
}

struct Countdown {
    const std::function<void(int)>& report;
    int n, done = 0;
    void step()
    {
        ++done;
        if (report)
            report(n - done);
    }
};

template <class T>
T* col(T* a, int lda, int c)
{
    return a + static_cast<std::size_t>(c) * lda;
}

// Applies the row exchanges piv[0..count) (row k with row piv[k], in order, rows relative to a) to
// columns c0..c1-1. Column by column, so each exchange stays within one column in cache.
template <class T>
void swapRows(T* a, int lda, const int* piv, int count, int c0, int c1)
{
    for (int c = c0; c < c1; ++c) {
        T* x = col(a, lda, c);
        for (int k = 0; k < count; ++k)
            if (piv[k] != k)
                std::swap(x[k], x[piv[k]]);
    }
}

// Largest magnitude of x[from..m), the later row winning ties. Returns -1 for a column whose
// largest magnitude is 0 or not finite.
template <class T>
int pivotRow(const T* x, int from, int m)
{
    T best = 0;
    int p = m - 1;
    bool finite = true;
    for (int r = from; r < m; ++r) {
        const T v = std::fabs(x[r]);
        finite = finite && v <= std::numeric_limits<T>::max(); // false for infinity and not-a-number
        if (v >= best) {
            best = v;
            p = r;
        }
    }
    return finite && best > 0 ? p : -1;
}

// LU factorisation with partial pivoting of the m x w block at a (m >= w), recursive on the columns:
// the left half, then the right half updated by it. piv gets the pivot rows relative to a.
template <class T>
bool factorPanel(T* a, int lda, int m, int w, int* piv, Countdown& progress)
{
    if (w <= kRecursionBase) {
        for (int j = 0; j < w; ++j) {
            T* cj = col(a, lda, j);
            const int p = pivotRow(cj, j, m);
            if (p < 0)
                return false;
            piv[j] = p;
            if (p != j)
                for (int c = 0; c < w; ++c)
                    std::swap(col(a, lda, c)[j], col(a, lda, c)[p]);
            const T inv = 1 / cj[j];
            for (int r = j + 1; r < m; ++r)
                cj[r] *= inv;
            for (int c = j + 1; c < w; ++c) {
                T* cc = col(a, lda, c);
                const T f = cc[j];
                for (int r = j + 1; r < m; ++r)
                    cc[r] -= cj[r] * f;
            }
            progress.step();
        }
        return true;
    }
    const int n1 = w / 2, n2 = w - n1;
    if (!factorPanel(a, lda, m, n1, piv, progress))
        return false;
    swapRows(a, lda, piv, n1, n1, w);
    T* a12 = col(a, lda, n1);
    trsmLowerUnit(n1, n2, a, lda, a12, lda);
    gemmSubtract(m - n1, n2, n1, a + n1, lda, a12, lda, a12 + n1, lda);
    if (!factorPanel(a12 + n1, lda, m - n1, n2, piv + n1, progress))
        return false;
    swapRows(a + n1, lda, piv + n1, n2, 0, n1);
    for (int k = n1; k < w; ++k)
        piv[k] += n1;
    return true;
}

int usablePanelWidth(int panelWidth) { return panelWidth < 1 ? EliminationPanelWidth : panelWidth; }

} // namespace

template <class T>
bool factorLU(T* a, int n, int* piv, const std::function<void(int)>& countdown, int panelWidth)
{
    Countdown progress{countdown, n};
    panelWidth = usablePanelWidth(panelWidth);
    for (int k0 = 0; k0 < n; k0 += panelWidth) {
        const int w = std::min(panelWidth, n - k0);
        T* akk = a + static_cast<std::size_t>(k0) * n + k0;
        if (!factorPanel(akk, n, n - k0, w, piv + k0, progress))
            return false;
        // The exchanges of this panel reach the columns right of it; the columns of earlier panels
        // keep their rows (the forward substitution takes each panel in its own row order, which
        // spares half of the scattered row traffic). Then the trailing update.
        swapRows(a + k0, n, piv + k0, w, k0 + w, n);
        for (int k = k0; k < k0 + w; ++k)
            piv[k] += k0;
        const int rest = n - k0 - w;
        if (rest > 0) {
            T* a12 = akk + static_cast<std::size_t>(w) * n;
            trsmLowerUnit(w, rest, akk, n, a12, n);
            gemmSubtract(rest, rest, w, akk + w, n, a12, n, a12 + w, n);
        }
    }
    return true;
}

template <class T>
void solveLU(const T* f, int n, const int* piv, T* b, int panelWidth)
{
    if (n <= 0)
        return;
    panelWidth = usablePanelWidth(panelWidth);
    // Forward substitution panel by panel, each with its exchanges first.
    for (int k0 = 0; k0 < n; k0 += panelWidth) {
        const int w = std::min(panelWidth, n - k0);
        const T* fkk = f + static_cast<std::size_t>(k0) * n + k0;
        for (int k = k0; k < k0 + w; ++k)
            std::swap(b[k], b[piv[k]]);
        trsv(CblasLower, CblasUnit, w, fkk, n, b + k0);
        if (n - k0 - w > 0)
            gemvSubtract(n - k0 - w, w, fkk + w, n, b + k0, b + k0 + w);
    }
    // Back substitution with U, the last panel first: the block above each diagonal block goes
    // through gemv, which runs on all cores where trsv would run on one.
    const int last = (n - 1) / panelWidth * panelWidth;
    for (int k0 = last; k0 >= 0; k0 -= panelWidth) {
        const int w = std::min(panelWidth, n - k0);
        const T* fkk = f + static_cast<std::size_t>(k0) * n + k0;
        trsv(CblasUpper, CblasNonUnit, w, fkk, n, b + k0);
        if (k0 > 0)
            gemvSubtract(k0, w, f + static_cast<std::size_t>(k0) * n, n, b + k0, b);
    }
}

template bool factorLU<float>(float*, int, int*, const std::function<void(int)>&, int);
template bool factorLU<double>(double*, int, int*, const std::function<void(int)>&, int);
template void solveLU<float>(const float*, int, const int*, float*, int);
template void solveLU<double>(const double*, int, const int*, double*, int);

} // namespace ab
