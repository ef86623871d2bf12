#include "solver/elimination.h"
#include "solver/grid.h"
#include "solver/influence.h"
#include "solver_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace ab {
namespace {

// The plain elimination, written row by row as the pivot rule reads: normalise the pivot row, clear
// the column below it, substitute back. Column-major input like SIMQ902; returns the pivot rows.
std::vector<int> plainElimination(std::vector<double> colMajor, int n, std::vector<double>& b)
{
    std::vector<double> a(colMajor.size());
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            a[static_cast<std::size_t>(i) * n + j] = colMajor[static_cast<std::size_t>(j) * n + i];
    const auto A = [&](int r, int c) -> double& { return a[static_cast<std::size_t>(r) * n + c]; };
    std::vector<int> pivots(n);
    for (int k = 0; k < n; ++k) {
        int p = k;
        double best = 0;
        for (int r = k; r < n; ++r)
            if (std::fabs(A(r, k)) >= best)
                best = std::fabs(A(r, k)), p = r;
        pivots[k] = p;
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
    for (int k = n - 2; k >= 0; --k)
        for (int c = k + 1; c < n; ++c)
            b[k] -= A(k, c) * b[c];
    return pivots;
}

double relativeDifference(const std::vector<double>& x, const std::vector<double>& y)
{
    double d = 0, s = 0;
    for (std::size_t i = 0; i < x.size(); ++i)
        d += (x[i] - y[i]) * (x[i] - y[i]), s += y[i] * y[i];
    return std::sqrt(d / s);
}

// Solves with both eliminations and compares pivot sequences and solutions.
void expectSameAsPlain(const std::vector<double>& a, int n, const std::vector<double>& b, int panelWidth)
{
    std::vector<double> xPlain = b, xBlocked = b, work = a;
    const std::vector<int> plainPivots = plainElimination(a, n, xPlain);
    std::vector<int> blockedPivots;
    ASSERT_TRUE(SIMQ902(work.data(), n, xBlocked.data(), {}, &blockedPivots, panelWidth));
    EXPECT_EQ(blockedPivots, plainPivots);
    EXPECT_LT(relativeDifference(xBlocked, xPlain), 1e-12) << "n = " << n;
}

// The scaled influence matrix of an aircraft's lattice.
std::vector<double> latticeMatrix(const AircraftTexts& texts, int& n)
{
    Aircraft ac = test::preparedAircraft(texts);
    SolverData sd;
    std::vector<std::string> failures;
    GRID(ac, sd.counts, Language::English, failures);
    TRAWY2(ac, sd, Language::English, failures);
    EXPECT_TRUE(EINFLUSS(ac, sd));
    n = sd.counts.PanelCount;
    return sd.matrix;
}

std::vector<double> rowsPermuted(const std::vector<double>& a, int n, std::mt19937& rng)
{
    std::vector<int> perm(n);
    for (int i = 0; i < n; ++i)
        perm[i] = i;
    std::shuffle(perm.begin(), perm.end(), rng);
    std::vector<double> p(a.size());
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
            p[static_cast<std::size_t>(j) * n + i] = a[static_cast<std::size_t>(j) * n + perm[i]];
    return p;
}

TEST(BlockedElimination, MatchesThePlainEliminationOnLattices)
{
    std::mt19937 rng(7);
    AircraftTexts twoWings = test::rectangularWingTexts();
    test::setWing(twoWings, 1, 0, 300, {{400, 250, 40}, {700, 120, 200}}, 0, 0);
    test::setWing(twoWings, 2, 0, 150, {{350, 90, 50}}, 900, 60);
    twoWings.wingCount = 2;
    for (const AircraftTexts& texts : {test::rectangularWingTexts(), twoWings}) {
        int n = 0;
        const std::vector<double> a = latticeMatrix(texts, n);
        ASSERT_GE(n, 400);
        ASSERT_LE(n, 1500);
        const std::vector<double> b(n, -1.0);
        expectSameAsPlain(a, n, b, EliminationPanelWidth);
        // The diagonal of a lattice wins every pivot search; mixed rows make the rule work.
        expectSameAsPlain(rowsPermuted(a, n, rng), n, b, EliminationPanelWidth);
    }
}

TEST(BlockedElimination, MatchesThePlainEliminationOnRandomSystems)
{
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> u(-1, 1);
    for (int n : {1, 2, 17, 130, 301}) {
        std::vector<double> a(static_cast<std::size_t>(n) * n), b(n);
        for (double& v : a)
            v = u(rng);
        for (double& v : b)
            v = u(rng);
        // Equal magnitudes in the first column (rows 3, 10, 17, ...): the later row wins.
        for (int i = 3; i < n; i += 7)
            a[i] = i % 2 ? -2.0 : 2.0;
        for (int panel : {8, 32, EliminationPanelWidth})
            expectSameAsPlain(a, n, b, panel);
    }
}

TEST(BlockedElimination, SingularOrNonFiniteSystemsAreRefused)
{
    const int n = 200;
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> u(-1, 1);
    std::vector<double> a(n * n);
    for (double& v : a)
        v = u(rng);
    const auto refused = [&](std::vector<double> m) {
        std::vector<double> b(n, -1.0);
        return !SIMQ902(m.data(), n, b.data());
    };
    EXPECT_FALSE(refused(a));

    std::vector<double> zeroColumn = a;
    std::fill(zeroColumn.begin() + 150 * n, zeroColumn.begin() + 151 * n, 0.0);
    EXPECT_TRUE(refused(zeroColumn));

    std::vector<double> withNaN = a;
    withNaN[77 * n + 3] = std::nan("");
    EXPECT_TRUE(refused(withNaN));
    std::vector<double> withInf = a;
    withInf[5 * n + 150] = INFINITY;
    EXPECT_TRUE(refused(withInf));
}

// Largest |A x - b| over the rows, relative to |A| |x| + |b| (infinity norms): the backward error.
double relativeResidual(const std::vector<double>& a, int n, const std::vector<double>& x, const std::vector<double>& b)
{
    std::vector<double> r(b.begin(), b.end()), rowNorm(n, 0.0);
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            const double v = a[static_cast<std::size_t>(j) * n + i];
            r[i] -= v * x[j];
            rowNorm[i] += std::fabs(v);
        }
    double res = 0, normA = 0, normX = 0, normB = 0;
    for (int i = 0; i < n; ++i) {
        res = std::max(res, std::fabs(r[i]));
        normA = std::max(normA, rowNorm[i]);
        normX = std::max(normX, std::fabs(x[i]));
        normB = std::max(normB, std::fabs(b[i]));
    }
    return res / (normA * normX + normB);
}

TEST(CirculationSolve, ResidualOfTheSolveIsSmall)
{
    // The circulations of a two-wing lattice satisfy every control point's condition.
    AircraftTexts texts = test::rectangularWingTexts();
    test::setWing(texts, 1, 20, 260, {{300, 200, 30}, {450, 90, 150}}, 0, 0);
    test::setWing(texts, 2, 0, 140, {{300, 80, 60}}, 800, 90);
    texts.wingCount = 2;
    int n = 0;
    const std::vector<double> a = latticeMatrix(texts, n);
    SolverData sd;
    sd.counts.PanelCount = n;
    sd.matrix = a;
    ASSERT_TRUE(LOES(sd));
    EXPECT_LT(relativeResidual(a, n, sd.Circulation, std::vector<double>(n, -1.0)), 1e-14);

    // Random systems exchange rows at almost every pivot step, across panel borders.
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> u(-1, 1);
    for (int size : {150, 333}) {
        std::vector<double> m(static_cast<std::size_t>(size) * size), b(size);
        for (double& v : m)
            v = u(rng);
        for (double& v : b)
            v = u(rng);
        for (int panel : {8, 48, EliminationPanelWidth}) {
            std::vector<double> work = m, x = b;
            ASSERT_TRUE(SIMQ902(work.data(), size, x.data(), {}, nullptr, panel));
            EXPECT_LT(relativeResidual(m, size, x, b), 1e-13) << size << " " << panel;
        }
    }
}

TEST(CirculationSolve, UnitDownwashEverywhereOrARefusal)
{
    SolverData sd;
    sd.counts.PanelCount = 2;
    sd.matrix = {2, 0, 1, 4}; // column-major [[2, 1], [0, 4]]
    ASSERT_TRUE(LOES(sd));
    EXPECT_EQ(sd.Circulation, (std::vector<double>{-0.375, -0.25}));
    sd.matrix = {2, 0, 1, std::nan("")};
    EXPECT_FALSE(LOES(sd));
}

TEST(InfluenceCoefficients, PointOnATrailingLegLineStaysFinite)
{
    // P lies on the line of the trailing leg from A (y = z = 0 relative to A), ahead of A.
    const double w = INDU({-10, 0, 0}, {-10, -20, 0});
    EXPECT_TRUE(std::isfinite(w));
    // Behind the bound vortex in its plane, between the legs, the horseshoe induces downwash of one
    // sign; mirrored (ends exchanged) the sign flips.
    const double inside = INDU({30, 10, 0}, {30, -10, 0});
    EXPECT_NE(inside, 0.0);
    EXPECT_DOUBLE_EQ(INDU({30, -10, 0}, {30, 10, 0}), -inside);
}

} // namespace
} // namespace ab
