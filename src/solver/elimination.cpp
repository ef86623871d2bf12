// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/elimination.h"

#include "solver/debug_log.h"
#include "solver/influence.h"

#include <cblas.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <utility>

namespace ab {
namespace {

double largestMagnitude(const double* v, int n)
{
    double m = 0;
    for (int i = 0; i < n; ++i)
        m = std::max(m, std::fabs(v[i])); // a not-a-number is passed over here, caught by isfinite below
    return m;
}

bool allFinite(const double* v, int n)
{
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(v[i]))
            return false;
    return true;
}

// Writes the single-precision copy of A into s and returns the largest row sum of |A| (the infinity
// norm the refinement measures its residual against), in one pass on all cores: the pass is bound
// by memory traffic.
double convertToSingle(const double* a, int n, float* s)
{
    std::vector<double> rowSum(static_cast<std::size_t>(n), 0.0);
#pragma omp parallel
    {
        std::vector<double> sum(static_cast<std::size_t>(n), 0.0);
#pragma omp for schedule(static)
        for (int j = 0; j < n; ++j) {
            const double* c = a + static_cast<std::size_t>(j) * n;
            float* o = s + static_cast<std::size_t>(j) * n;
            for (int i = 0; i < n; ++i) {
                o[i] = static_cast<float>(c[i]);
                sum[i] += std::fabs(c[i]);
            }
        }
#pragma omp critical
        for (int i = 0; i < n; ++i)
            rowSum[i] += sum[i];
    }
    double normA = 0;
    for (double v : rowSum)
        normA = std::max(normA, v);
    return normA;
}

// Solves with the single-precision factors for a right-hand side v in double: v is scaled to
// largest magnitude 1 before it is rounded to single precision, so that a residual far below (or a
// right-hand side far above) the range of single precision keeps its digits; out gets the
// solution scaled back, in double. A v of zeros gives zeros.
struct SingleSolver {
    const float* factors;
    int n;
    const int* piv;
    int panelWidth;
    std::vector<float> work;

    void solve(const double* v, double* out)
    {
        const double scale = largestMagnitude(v, n);
        if (scale == 0) {
            std::fill(out, out + n, 0.0);
            return;
        }
        work.resize(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            work[i] = static_cast<float>(v[i] / scale);
        solveLU(factors, n, piv, work.data(), panelWidth);
        for (int i = 0; i < n; ++i)
            out[i] = static_cast<double>(work[i]) * scale;
    }
};

// Iterative refinement: x from the single factors, then corrections d for the residual r = b - A x
// computed in double. Converged when a correction is at most RefinementTolerance of x, or when the
// residual is already at the rounding level of the double elimination (|r| <= sqrt(n) eps |A| |x|,
// infinity norms): from there a correction only moves digits below the solution's accuracy, and
// for a system whose condition number times 1e-16 exceeds 1e-15 it never falls under the tolerance.
// Not converging: a correction not below half the one before (the single factors are too coarse
// for the system) or MaxRefinementSteps corrections made. steps gets the corrections made.
bool refine(const double* a, double normA, int n, const double* b, SingleSolver& single, double* x, int& steps)
{
    const double roundingLevel = std::sqrt(static_cast<double>(n)) * std::numeric_limits<double>::epsilon() * normA;
    std::vector<double> r(static_cast<std::size_t>(n)), d(static_cast<std::size_t>(n));
    single.solve(b, x);
    double previous = INFINITY;
    for (steps = 0; steps < MaxRefinementSteps;) {
        std::copy(b, b + n, r.begin());
        cblas_dgemv(CblasColMajor, CblasNoTrans, n, n, -1.0, a, n, x, 1, 1.0, r.data(), 1);
        if (!allFinite(r.data(), n))
            return false;
        if (largestMagnitude(r.data(), n) <= roundingLevel * largestMagnitude(x, n))
            return true;
        single.solve(r.data(), d.data());
        for (int i = 0; i < n; ++i)
            x[i] += d[i];
        ++steps;
        const double correction = largestMagnitude(d.data(), n);
        if (correction <= RefinementTolerance * largestMagnitude(x, n))
            return allFinite(x, n);
        if (!(correction < 0.5 * previous))
            return false;
        previous = correction;
    }
    return false;
}

} // namespace

bool solveInDouble(double* a, int n, double* b, const std::function<void(int)>& countdown, std::vector<int>* pivots,
                   int panelWidth)
{
    if (n <= 0)
        return true;
    std::vector<int> piv(static_cast<std::size_t>(n));
    if (!factorLU(a, n, piv.data(), countdown, panelWidth))
        return false;
    solveLU(a, n, piv.data(), b, panelWidth);
    if (pivots)
        *pivots = std::move(piv);
    return true;
}

bool SIMQ902(double* a, int n, double* b, std::vector<float>& singleCopy, const std::function<void(int)>& countdown,
             SolveTrace* trace, int panelWidth)
{
    SolveTrace local;
    SolveTrace& t = trace ? *trace : local;
    t = {};
    if (n <= 0)
        return true;
    singleCopy.resize(static_cast<std::size_t>(n) * n);
    const double normA = convertToSingle(a, n, singleCopy.data());
    t.pivots.resize(static_cast<std::size_t>(n));
    t.singleFactorised = factorLU(singleCopy.data(), n, t.pivots.data(), countdown, panelWidth);
    if (t.singleFactorised) {
        SingleSolver single{singleCopy.data(), n, t.pivots.data(), panelWidth, {}};
        std::vector<double> x(static_cast<std::size_t>(n));
        if (refine(a, normA, n, b, single, x.data(), t.corrections)) {
            std::copy(x.begin(), x.end(), b);
            return true;
        }
    }
    debugLog(t.singleFactorised
                 ? "circulation solve: refinement from single precision did not converge after " +
                       std::to_string(t.corrections) + " corrections (n = " + std::to_string(n) +
                       "), eliminating in double precision"
                 : "circulation solve: single-precision factorisation met a zero or non-finite pivot column (n = " +
                       std::to_string(n) + "), eliminating in double precision");
    t.fellBack = true;
    return solveInDouble(a, n, b, countdown, &t.pivots, panelWidth);
}

bool LOES(SolverData& sd, const std::function<void(int)>& countdown)
{
    const int n = sd.counts.PanelCount;
    std::vector<double>& b = sd.Circulation;
    // The onset flow's part along each panel's normal: cos a on a panel tilted by a, 1 on a flat one.
    b = onsetNormals(sd);
    if (static_cast<int>(b.size()) != n)
        b.assign(n, 1.0);
    for (double& v : b)
        v = -v;
    if (!SIMQ902(sd.matrix.data(), n, b.data(), sd.singleCopy, countdown))
        return false;
    for (double g : b)
        if (!std::isfinite(g))
            return false;
    return true;
}

} // namespace ab
