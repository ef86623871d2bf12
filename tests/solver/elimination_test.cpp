// SPDX-License-Identifier: GPL-3.0-or-later
#include "../../bench/bench_aircraft.h"
#include "solver/elimination.h"
#include "solver/grid.h"
#include "solver/influence.h"
#include "solver/trimming.h"
#include "solver_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <limits>
#include <numeric>
#include <random>
#include <sstream>
#include <tuple>

namespace ab {
namespace {

using Matrix = std::vector<double>; // n x n, column-major unless said otherwise

double& at(Matrix& a, int n, int row, int column) { return a[static_cast<std::size_t>(column) * n + row]; }

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

// The backward error a solve in double reaches, whatever kernel and thread count the matrix products
// run with: n units of rounding. A solve left at single precision misses it by about nine orders.
double doubleResidual(int n) { return std::max(n, 16) * std::numeric_limits<double>::epsilon(); }

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

// A random matrix whose every column is dominated by its diagonal: elimination keeps that dominance,
// so at step k the largest magnitude of the column is in the equation that was row k, wherever it
// stands by then.
Matrix diagonallyDominant(int n, std::mt19937& rng)
{
    std::uniform_real_distribution<double> u(-1, 1);
    Matrix a(static_cast<std::size_t>(n) * n);
    for (int j = 0; j < n; ++j) {
        double sum = 0;
        for (int i = 0; i < n; ++i)
            sum += std::fabs(at(a, n, i, j) = u(rng));
        at(a, n, j, j) = (u(rng) < 0 ? -1 : 1) * (sum + 0.5);
    }
    return a;
}

Matrix randomMatrix(int n, std::mt19937& rng)
{
    std::uniform_real_distribution<double> u(-1, 1);
    Matrix a(static_cast<std::size_t>(n) * n);
    for (double& v : a)
        v = u(rng);
    return a;
}

// A system with its equations shuffled (row i holds equation order[i]) and a random right-hand side.
struct Shuffled {
    std::vector<int> order;
    Matrix a;
    std::vector<double> b;

    Shuffled(const Matrix& equations, int n, std::mt19937& rng) : order(n), a(equations.size()), b(n)
    {
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        std::uniform_real_distribution<double> u(-1, 1);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j)
                at(a, n, i, j) = equations[static_cast<std::size_t>(j) * n + order[i]];
            b[i] = u(rng);
        }
    }
    Matrix rowMajor() const
    {
        const int n = static_cast<int>(b.size());
        Matrix r(a.size());
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                r[static_cast<std::size_t>(i) * n + j] = a[static_cast<std::size_t>(j) * n + i];
        return r;
    }
    // The equation taken at each step when step k exchanges row k with row pivots[k].
    std::vector<int> equationsTaken(const std::vector<int>& pivots) const
    {
        std::vector<int> stand = order, taken;
        for (std::size_t k = 0; k < pivots.size(); ++k) {
            std::swap(stand[k], stand[static_cast<std::size_t>(pivots[k])]);
            taken.push_back(stand[k]);
        }
        return taken;
    }
};

// The two precisions the blocked elimination runs in, with the backward error each reaches.
enum class Precision { Single, Double };
struct PrecisionRow {
    Precision precision;
    const char* name;
    double residual; // relative residual the solve must reach
};
constexpr PrecisionRow Precisions[] = {{Precision::Single, "single", 1e-5}, {Precision::Double, "double", 1e-13}};

// Factorises a copy of the column-major a in the given precision and solves for x (the right-hand
// side on entry): the pivot rows of every step, or nothing when the factorisation refuses.
template <class T>
std::vector<int> eliminateAs(const Matrix& a, int n, std::vector<double>& x, int panel)
{
    std::vector<T> f(a.begin(), a.end()), y(x.begin(), x.end());
    std::vector<int> piv(static_cast<std::size_t>(n));
    if (!factorLU(f.data(), n, piv.data(), {}, panel))
        return {};
    solveLU(f.data(), n, piv.data(), y.data(), panel);
    x.assign(y.begin(), y.end());
    return piv;
}
std::vector<int> eliminate(Precision p, const Matrix& a, int n, std::vector<double>& x, int panel)
{
    return p == Precision::Single ? eliminateAs<float>(a, n, x, panel) : eliminateAs<double>(a, n, x, panel);
}

// The blocked elimination solves (A x = b to rounding) and takes the largest magnitude of each
// column: on a dominant matrix with its rows shuffled it takes equation k at step k, and on any
// matrix it takes the same equations whatever order the rows stand in.
TEST(BlockedElimination, TakesTheLargestPivotWhateverTheRowOrder)
{
    std::mt19937 rng(7);
    AircraftTexts twoWings = test::rectangularWingTexts();
    test::setWing(twoWings, 1, 0, 300, {{400, 250, 40}, {700, 120, 200}}, 0, 0);
    test::setWing(twoWings, 2, 0, 150, {{350, 90, 50}}, 900, 60);
    twoWings.wingCount = 2;
    std::vector<std::tuple<Matrix, int, bool>> systems; // matrix, n, dominant
    for (int n : {1, 2, 17, 130, 301}) {
        systems.emplace_back(diagonallyDominant(n, rng), n, true);
        systems.emplace_back(randomMatrix(n, rng), n, false);
    }
    int lattice = 0;
    systems.emplace_back(latticeMatrix(twoWings, lattice), lattice, false);
    ASSERT_GE(lattice, 400);

    for (const PrecisionRow& prec : Precisions)
        for (const auto& [m, n, dominant] : systems) {
            SCOPED_TRACE(std::string(prec.name) + ", n = " + std::to_string(n) + (dominant ? ", dominant" : ""));
            std::vector<int> inTurn(n), first;
            std::iota(inTurn.begin(), inTurn.end(), 0);
            for (int panel : {7, 32, EliminationPanelWidth}) {
                const Shuffled s(m, n, rng);
                std::vector<double> x = s.b;
                const std::vector<int> pivots = eliminate(prec.precision, s.a, n, x, panel);
                ASSERT_EQ(pivots.size(), static_cast<std::size_t>(n)) << panel;
                EXPECT_LT(relativeResidual(s.a, n, x, s.b), prec.residual) << panel;
                const std::vector<int> taken = s.equationsTaken(pivots);
                if (dominant) {
                    EXPECT_EQ(taken, inTurn) << panel;
                }
                if (first.empty())
                    first = taken;
                EXPECT_EQ(taken, first) << panel;
            }
        }
}

// Blocks of one or two equations down the diagonal, the two of a block equal in magnitude in the
// block's first column: the later row wins the tie, wherever the shuffle put the pair, also where a
// block straddles two panels.
TEST(BlockedElimination, TheLaterRowWinsATie)
{
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> u(0.5, 1);
    for (int n : {2, 9, 131, 300}) {
        Matrix m(static_cast<std::size_t>(n) * n, 0.0);
        std::vector<int> blockOf(n);
        for (int k = 0; k < n;) {
            const bool pair = k + 1 < n && rng() % 4 != 0;
            at(m, n, k, k) = u(rng) * (rng() % 2 ? 1 : -1);
            blockOf[k] = k;
            if (pair) {
                at(m, n, k + 1, k) = -at(m, n, k, k);
                at(m, n, k, k + 1) = u(rng);
                at(m, n, k + 1, k + 1) = u(rng);
                blockOf[k + 1] = k;
            }
            k += pair ? 2 : 1;
        }
        for (const PrecisionRow& prec : Precisions)
            for (int panel : {7, 32, EliminationPanelWidth}) {
                SCOPED_TRACE(std::string(prec.name) + ", n = " + std::to_string(n) + ", panel " + std::to_string(panel));
                const Shuffled s(m, n, rng);
                std::vector<double> x = s.b;
                const std::vector<int> pivots = eliminate(prec.precision, s.a, n, x, panel);
                EXPECT_LT(relativeResidual(s.a, n, x, s.b), prec.residual);
                // Step k takes the lowest row still holding an equation of column k's block.
                std::vector<int> expected, stand = s.order;
                for (int k = 0; k < n; ++k) {
                    int p = k;
                    for (int r = k; r < n; ++r)
                        if (blockOf[stand[r]] == blockOf[k])
                            p = r;
                    expected.push_back(p);
                    std::swap(stand[k], stand[p]);
                }
                EXPECT_EQ(pivots, expected);
            }
    }
}

// The plain elimination of the strip trimming (row-major) solves, takes the largest magnitude of
// each column and gives a column of zeros the factor 0: that unknown comes out 0 and the equation
// standing last at that step (the later row wins the tie of zeros) is the one left unsatisfied.
TEST(PlainElimination, SolvesPivotsOnTheLargestAndDropsTheLastEquationAtAZeroColumn)
{
    // Without the largest pivot, 1e-20 would be divided into 1 and x0 lost.
    std::vector<double> a{1e-20, 1, 1, 1}, b{1, 2};
    SIMQ90(a, b, 2);
    EXPECT_NEAR(b[0], 1, 1e-15);
    EXPECT_NEAR(b[1], 1, 1e-15);

    std::mt19937 rng(3);
    for (int n : {1, 3, 8, 40}) {
        for (const Matrix& m : {diagonallyDominant(n, rng), randomMatrix(n, rng)}) {
            const Shuffled s(m, n, rng);
            Matrix work = s.rowMajor();
            std::vector<double> x = s.b;
            SIMQ90(work, x, n);
            EXPECT_LT(relativeResidual(s.a, n, x, s.b), 1e-13) << n;
        }
        // Column j of a shuffled dominant matrix all zeros: steps 0 .. j-1 take equations 0 .. j-1.
        for (int j : {0, n / 2, n - 2}) {
            if (n < 3)
                break;
            SCOPED_TRACE("n = " + std::to_string(n) + ", zero column " + std::to_string(j));
            Matrix m = diagonallyDominant(n, rng);
            for (int i = 0; i < n; ++i)
                at(m, n, i, j) = 0;
            const Shuffled s(m, n, rng);
            std::vector<int> stand = s.order;
            for (int k = 0; k < j; ++k)
                std::swap(stand[k], *std::find(stand.begin() + k, stand.end(), k));
            const auto dropped = std::find(s.order.begin(), s.order.end(), stand[n - 1]) - s.order.begin();
            Matrix work = s.rowMajor();
            std::vector<double> x = s.b;
            SIMQ90(work, x, n);
            EXPECT_EQ(x[j], 0.0);
            for (int i = 0; i < n; ++i) {
                double r = s.b[i];
                for (int c = 0; c < n; ++c)
                    r -= s.a[static_cast<std::size_t>(c) * n + i] * x[c];
                EXPECT_EQ(std::fabs(r) > 1e-6, i == dropped) << "row " << i << ": " << r;
            }
        }
    }
}

// What SIMQ902 gives for a copy of a: the solution, how it went, and whether it solved at all.
struct MixedSolve {
    bool solved = false;
    std::vector<double> x;
    SolveTrace trace;
    std::vector<int> countdown;
};
MixedSolve mixedSolve(const Matrix& a, int n, const std::vector<double>& b, int panel = EliminationPanelWidth)
{
    MixedSolve m;
    Matrix work = a;
    std::vector<float> single;
    m.x = b;
    m.solved = SIMQ902(work.data(), n, m.x.data(), single, [&](int left) { m.countdown.push_back(left); }, &m.trace,
                       panel);
    return m;
}

std::vector<double> doubleSolve(const Matrix& a, int n, const std::vector<double>& b, int panel = EliminationPanelWidth)
{
    Matrix work = a;
    std::vector<double> x = b;
    EXPECT_TRUE(solveInDouble(work.data(), n, x.data(), {}, nullptr, panel));
    return x;
}

// Largest difference of the two solutions relative to the largest magnitude of the second.
double relativeDifference(const std::vector<double>& x, const std::vector<double>& reference)
{
    double diff = 0, size = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        diff = std::max(diff, std::fabs(x[i] - reference[i]));
        size = std::max(size, std::fabs(reference[i]));
    }
    return size > 0 ? diff / size : diff;
}

std::vector<double> randomVector(int n, std::mt19937& rng)
{
    std::uniform_real_distribution<double> u(-1, 1);
    std::vector<double> v(n);
    for (double& x : v)
        x = u(rng);
    return v;
}

TEST(BlockedElimination, SingularOrNonFiniteSystemsAreRefused)
{
    const int n = 200;
    std::mt19937 rng(5);
    const Matrix a = randomMatrix(n, rng);
    const auto refused = [&](const Matrix& m) {
        const MixedSolve s = mixedSolve(m, n, std::vector<double>(n, -1.0));
        EXPECT_EQ(s.trace.fellBack, !s.solved); // only the elimination in double refuses
        Matrix work = m;
        std::vector<double> b(n, -1.0);
        EXPECT_EQ(solveInDouble(work.data(), n, b.data()), s.solved);
        return !s.solved;
    };
    EXPECT_FALSE(refused(a));

    Matrix zeroColumn = a;
    std::fill(zeroColumn.begin() + 150 * n, zeroColumn.begin() + 151 * n, 0.0);
    EXPECT_TRUE(refused(zeroColumn));

    Matrix withNaN = a;
    withNaN[77 * n + 3] = std::nan("");
    EXPECT_TRUE(refused(withNaN));
    Matrix withInf = a;
    withInf[5 * n + 150] = INFINITY;
    EXPECT_TRUE(refused(withInf));
}

// The solution refined from the single-precision factors is the solution of the elimination in
// double to 1e-12, with the residual of a double solve, on lattice, dominant and random systems with
// their rows shuffled, with panels that split the matrix unevenly.
TEST(RefinedSolve, AgreesWithTheEliminationInDouble)
{
    std::mt19937 rng(17);
    AircraftTexts twoWings = test::rectangularWingTexts();
    test::setWing(twoWings, 1, 20, 260, {{300, 200, 30}, {450, 90, 150}}, 0, 0);
    test::setWing(twoWings, 2, 0, 140, {{300, 80, 60}}, 800, 90);
    twoWings.wingCount = 2;
    std::vector<std::pair<Matrix, int>> systems;
    for (int n : {1, 2, 17, 130, 333}) {
        systems.emplace_back(diagonallyDominant(n, rng), n);
        systems.emplace_back(randomMatrix(n, rng), n);
    }
    int lattice = 0;
    systems.emplace_back(latticeMatrix(twoWings, lattice), lattice);

    for (const auto& [m, n] : systems)
        for (int panel : {8, 48, EliminationPanelWidth}) {
            SCOPED_TRACE("n = " + std::to_string(n) + ", panel " + std::to_string(panel));
            const Shuffled s(m, n, rng);
            const MixedSolve mixed = mixedSolve(s.a, n, s.b, panel);
            ASSERT_TRUE(mixed.solved);
            EXPECT_TRUE(mixed.trace.singleFactorised);
            EXPECT_FALSE(mixed.trace.fellBack);
            EXPECT_LT(relativeDifference(mixed.x, doubleSolve(s.a, n, s.b, panel)), 1e-12);
            EXPECT_LT(relativeResidual(s.a, n, mixed.x, s.b), doubleResidual(n));
        }
}

// The aircraft of the benchmarks, 2957 panels: the circulations of LOES are those of the
// elimination in double to 1e-12.
TEST(RefinedSolve, LargeAircraftAgreesWithTheEliminationInDouble)
{
    Aircraft ac;
    SolverData sd;
    bench::buildLargeLattice(ac, sd);
    ASSERT_TRUE(EINFLUSS(ac, sd));
    const int n = sd.counts.PanelCount;
    ASSERT_GE(n, 2900);
    const Matrix a = sd.matrix;
    ASSERT_TRUE(LOES(sd));
    EXPECT_LT(relativeDifference(sd.Circulation, doubleSolve(a, n, std::vector<double>(n, -1.0))), 1e-12);
    EXPECT_LT(relativeResidual(a, n, sd.Circulation, std::vector<double>(n, -1.0)), doubleResidual(n));
}

// Right-hand sides far outside the range of single precision, and zero: the solution scales with
// the right-hand side and the refinement does not fall back.
TEST(RefinedSolve, SolutionScalesWithTheRightHandSide)
{
    std::mt19937 rng(23);
    const int n = 150;
    const Matrix a = randomMatrix(n, rng);
    const std::vector<double> b = randomVector(n, rng);
    const MixedSolve unit = mixedSolve(a, n, b);
    for (double scale : {1e-280, 1e-40, 1e45, 1e280}) {
        SCOPED_TRACE(scale);
        std::vector<double> scaled = b;
        for (double& v : scaled)
            v *= scale;
        const MixedSolve s = mixedSolve(a, n, scaled);
        ASSERT_TRUE(s.solved);
        EXPECT_FALSE(s.trace.fellBack);
        std::vector<double> back = s.x;
        for (double& v : back)
            v /= scale;
        EXPECT_LT(relativeDifference(back, unit.x), 1e-12);
    }
    const MixedSolve zero = mixedSolve(a, n, std::vector<double>(n, 0.0));
    ASSERT_TRUE(zero.solved);
    EXPECT_EQ(zero.x, std::vector<double>(n, 0.0));
    EXPECT_EQ(zero.trace.corrections, 0);
}

// Sends std::clog to a string while it lives, with the debug log switched on or off.
struct CapturedDebugLog {
    std::ostringstream text;
    std::streambuf* saved;
    explicit CapturedDebugLog(bool on) : saved(std::clog.rdbuf(text.rdbuf()))
    {
        if (on)
            setenv("AEROBALANCE_DEBUG", "1", 1);
        else
            unsetenv("AEROBALANCE_DEBUG");
    }
    ~CapturedDebugLog()
    {
        std::clog.rdbuf(saved);
        unsetenv("AEROBALANCE_DEBUG");
    }
};

// A column that is the sum of two others but for 1e-10: single precision cannot tell the system
// from a singular one, so the refinement does not converge and the elimination in double solves
// it, with the same result as on its own, the countdown run a second time, and a debug log line
// when the log is on (never otherwise).
TEST(RefinedSolve, NearSingularSystemFallsBackToTheEliminationInDouble)
{
    std::mt19937 rng(29);
    std::uniform_real_distribution<double> u(-1, 1);
    const int n = 120;
    Matrix a = randomMatrix(n, rng);
    for (int i = 0; i < n; ++i)
        at(a, n, i, 60) = at(a, n, i, 10) + at(a, n, i, 20) + 1e-10 * u(rng);
    const std::vector<double> b = randomVector(n, rng);

    std::vector<int> twice;
    for (int round = 0; round < 2; ++round)
        for (int left = n - 1; left >= 0; --left)
            twice.push_back(left);
    for (bool logOn : {false, true}) {
        CapturedDebugLog log(logOn);
        const MixedSolve s = mixedSolve(a, n, b);
        ASSERT_TRUE(s.solved);
        EXPECT_TRUE(s.trace.fellBack);
        EXPECT_LT(s.trace.corrections, MaxRefinementSteps) << "gives up once a correction does not shrink";
        EXPECT_EQ(s.x, doubleSolve(a, n, b));
        EXPECT_EQ(s.countdown, twice);
        if (logOn) {
            EXPECT_NE(log.text.str().find("eliminating in double precision"), std::string::npos) << log.text.str();
        } else {
            EXPECT_EQ(log.text.str(), "");
        }
    }
}

// Matrices whose numbers single precision cannot hold (all below its smallest, or beyond its
// largest) are solved by the elimination in double; a system it holds counts down once.
TEST(RefinedSolve, NumbersBeyondSinglePrecisionAreLeftToDouble)
{
    std::mt19937 rng(31);
    const int n = 90;
    const Matrix a = diagonallyDominant(n, rng);
    const std::vector<double> b = randomVector(n, rng);
    struct Row {
        double scale;
        bool fellBack;
    } rows[] = {{1, false}, {1e-50, true}, {1e45, true}, {1e-30, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.scale);
        Matrix scaled = a;
        for (double& v : scaled)
            v *= row.scale;
        const MixedSolve s = mixedSolve(scaled, n, b);
        ASSERT_TRUE(s.solved);
        EXPECT_EQ(s.trace.fellBack, row.fellBack);
        // The countdown ends with a whole run of the elimination that gave the solution.
        ASSERT_GE(s.countdown.size(), static_cast<std::size_t>(n));
        if (!row.fellBack) {
            EXPECT_EQ(s.countdown.size(), static_cast<std::size_t>(n));
        }
        EXPECT_TRUE(std::is_sorted(s.countdown.end() - n, s.countdown.end(), std::greater<int>()));
        EXPECT_EQ(s.countdown.back(), 0);
        EXPECT_LT(relativeDifference(s.x, doubleSolve(scaled, n, b)), 1e-12);
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
