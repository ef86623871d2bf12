#include "solver/elimination.h"

#include <cblas.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstddef>
#include <utility>

namespace ab {
namespace {

constexpr int kRecursionBase = 16; // columns eliminated one by one at the bottom of the recursion

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

inline double* col(double* a, int lda, int c) { return a + static_cast<std::size_t>(c) * lda; }

// Applies the row exchanges piv[0..count) (row k with row piv[k], in order, rows relative to a) to
// columns c0..c1-1. Column by column, so each exchange stays within one column in cache.
void swapRows(double* a, int lda, const int* piv, int count, int c0, int c1)
{
    for (int c = c0; c < c1; ++c) {
        double* x = col(a, lda, c);
        for (int k = 0; k < count; ++k)
            if (piv[k] != k)
                std::swap(x[k], x[piv[k]]);
    }
}

// Largest magnitude of x[from..m), the later row winning ties. Returns -1 for a column whose
// largest magnitude is 0 or not finite.
int pivotRow(const double* x, int from, int m)
{
    double best = 0;
    int p = m - 1;
    bool finite = true;
    for (int r = from; r < m; ++r) {
        const double v = std::fabs(x[r]);
        finite = finite && v <= std::numeric_limits<double>::max(); // false for infinity and not-a-number
        if (v >= best) {
            best = v;
            p = r;
        }
    }
    return finite && best > 0 ? p : -1;
}

// LU factorisation with partial pivoting of the m x w block at a (m >= w), recursive on the columns:
// the left half, then the right half updated by it. piv gets the pivot rows relative to a.
bool factorPanel(double* a, int lda, int m, int w, int* piv, Countdown& progress)
{
    if (w <= kRecursionBase) {
        for (int j = 0; j < w; ++j) {
            double* cj = col(a, lda, j);
            const int p = pivotRow(cj, j, m);
            if (p < 0)
                return false;
            piv[j] = p;
            if (p != j)
                for (int c = 0; c < w; ++c)
                    std::swap(col(a, lda, c)[j], col(a, lda, c)[p]);
            const double inv = 1 / cj[j];
            for (int r = j + 1; r < m; ++r)
                cj[r] *= inv;
            for (int c = j + 1; c < w; ++c) {
                double* cc = col(a, lda, c);
                const double f = cc[j];
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
    double* a12 = col(a, lda, n1);
    cblas_dtrsm(CblasColMajor, CblasLeft, CblasLower, CblasNoTrans, CblasUnit, n1, n2, 1.0, a, lda, a12, lda);
    cblas_dgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, m - n1, n2, n1, -1.0, a + n1, lda, a12, lda, 1.0,
                a12 + n1, lda);
    if (!factorPanel(a12 + n1, lda, m - n1, n2, piv + n1, progress))
        return false;
    swapRows(a + n1, lda, piv + n1, n2, 0, n1);
    for (int k = n1; k < w; ++k)
        piv[k] += n1;
    return true;
}

} // namespace

bool SIMQ902(double* a, int n, double* b, const std::function<void(int)>& countdown, std::vector<int>* pivots,
             int panelWidth)
{
    if (n <= 0)
        return true;
    Countdown progress{countdown, n};
    std::vector<int> piv(n);
    if (panelWidth < 1)
        panelWidth = EliminationPanelWidth;
    for (int k0 = 0; k0 < n; k0 += panelWidth) {
        const int w = std::min(panelWidth, n - k0);
        double* akk = a + static_cast<std::size_t>(k0) * n + k0;
        if (!factorPanel(akk, n, n - k0, w, piv.data() + k0, progress))
            return false;
        // The exchanges of this panel reach the columns right of it; the columns of earlier panels
        // keep their rows (the forward substitution below takes each panel in its own row order,
        // which spares half of the scattered row traffic). Then the trailing update.
        swapRows(a + k0, n, piv.data() + k0, w, k0 + w, n);
        const int rest = n - k0 - w;
        if (rest > 0) {
            double* a12 = akk + static_cast<std::size_t>(w) * n;
            cblas_dtrsm(CblasColMajor, CblasLeft, CblasLower, CblasNoTrans, CblasUnit, w, rest, 1.0, akk, n, a12,
                        n);
            cblas_dgemm(CblasColMajor, CblasNoTrans, CblasNoTrans, rest, rest, w, -1.0, akk + w, n, a12, n, 1.0,
                        a12 + w, n);
        }
    }
    // Forward substitution panel by panel, each with its exchanges first; back substitution with U.
    for (int k0 = 0; k0 < n; k0 += panelWidth) {
        const int w = std::min(panelWidth, n - k0);
        const double* akk = a + static_cast<std::size_t>(k0) * n + k0;
        for (int k = 0; k < w; ++k) {
            std::swap(b[k0 + k], b[k0 + piv[k0 + k]]);
            piv[k0 + k] += k0;
        }
        cblas_dtrsv(CblasColMajor, CblasLower, CblasNoTrans, CblasUnit, w, akk, n, b + k0, 1);
        const int rest = n - k0 - w;
        if (rest > 0)
            cblas_dgemv(CblasColMajor, CblasNoTrans, rest, w, -1.0, akk + w, n, b + k0, 1, 1.0, b + k0 + w, 1);
    }
    cblas_dtrsv(CblasColMajor, CblasUpper, CblasNoTrans, CblasNonUnit, n, a, n, b, 1);
    if (pivots)
        *pivots = std::move(piv);
    return true;
}

bool LOES(SolverData& sd, const std::function<void(int)>& countdown)
{
    const int n = sd.counts.PanelCount;
    std::vector<double>& b = sd.Circulation;
    b.assign(n, -1.0);
    if (!SIMQ902(sd.matrix.data(), n, b.data(), countdown))
        return false;
    for (double g : b)
        if (!std::isfinite(g))
            return false;
    return true;
}

} // namespace ab
