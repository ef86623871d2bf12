// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/trimming.h"

#include <cmath>
#include <utility>

namespace ab {

void FCN(const std::vector<double>& x, int n, std::vector<double>& F)
{
    const double W = x[n], cin = x[n + 1], cout = x[n + 2];
    F.assign(n, 0.0);
    // Chords at the strip boundaries, linear in y; ratio of width to mean chord per strip.
    double sum = 0, inner = cin;
    std::vector<double>& r = F;
    for (int j = 0; j < n; ++j) {
        sum += x[j];
        const double outer = j == n - 1 ? cout : cin + (cout - cin) * sum / W;
        const double m = (inner + outer) / 2;
        r[j] = (m * x[j]) / (m * m);
        inner = outer;
    }
    const double rn = r[n - 1];
    for (int j = 0; j < n - 1; ++j)
        F[j] = r[j] - rn;
    double widths = 0;
    for (int j = 0; j < n; ++j)
        widths += x[j];
    F[n - 1] = W - widths;
}

void SIMQ90(std::vector<double>& a, std::vector<double>& b, int n)
{
    const auto A = [&](int r, int c) -> double& { return a[static_cast<std::size_t>(r) * n + c]; };
    for (int k = 0; k < n; ++k) {
        int p = k;
        double best = 0;
        for (int r = k; r < n; ++r) {
            if (std::fabs(A(r, k)) >= best) {
                best = std::fabs(A(r, k));
                p = r;
            }
        }
        const double g = best > 0 ? 1 / A(p, k) : 0;
        std::swap(b[k], b[p]);
        b[k] *= g;
        for (int c = k; c < n; ++c) {
            std::swap(A(k, c), A(p, c));
            A(k, c) *= g;
        }
        for (int r = k + 1; r < n; ++r) {
            const double f = A(r, k);
            for (int c = k + 1; c < n; ++c)
                A(r, c) -= f * A(k, c);
            b[r] -= f * b[k];
        }
    }
    for (int k = n - 2; k >= 0; --k) {
        double s = 0;
        for (int c = k + 1; c < n; ++c)
            s += A(k, c) * b[c];
        b[k] -= s;
    }
}

bool TRIM9M(std::vector<double>& x, int n, int limit)
{
    std::vector<double> F, Fh, jac(static_cast<std::size_t>(n) * n);
    bool solved = false;
    for (int it = 1; it <= limit; ++it) {
        FCN(x, n, F);
        double s = 0;
        for (double f : F)
            s += std::fabs(f);
        solved = s < 1e-9; // a residual that is not a number counts as unsolved
        if (solved)
            continue;
        for (int j = 0; j < n; ++j) {
            const double keep = x[j];
            x[j] += 0.001;
            FCN(x, n, Fh);
            for (int i = 0; i < n; ++i)
                jac[static_cast<std::size_t>(i) * n + j] = 1000 * (Fh[i] - F[i]);
            x[j] = keep;
        }
        SIMQ90(jac, F, n);
        for (int j = 0; j < n; ++j)
            x[j] -= F[j];
    }
    return solved;
}

TrimResult TRAPEZ_TRIM(double cout, double cin, double W, int n)
{
    std::vector<double> x(n + 3, W / n);
    x[n] = W;
    x[n + 1] = cin;
    x[n + 2] = cout;

    TrimResult result;
    result.converged = TRIM9M(x, n, 20);
    result.fractions.resize(n + 1);
    result.fractions[0] = 0;
    double sum = 0;
    bool finite = true, increasing = true;
    for (int k = 1; k <= n; ++k) {
        sum += x[k - 1];
        result.fractions[k] = sum / W;
        finite = finite && std::isfinite(result.fractions[k]);
        increasing = increasing && x[k - 1] > 0;
    }
    // Equations solved with a strip of negative width (a tip chord near 0) are no lattice either.
    result.converged = result.converged && increasing;
    if (!finite) {
        for (int k = 1; k <= n; ++k)
            result.fractions[k] = static_cast<double>(k) / n;
    }
    return result;
}

} // namespace ab
