#include "solver/elimination.h"
#include "solver/grid.h"
#include "solver/influence.h"
#include "solver/trimming.h"
#include "solver_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
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

    for (const auto& [m, n, dominant] : systems) {
        SCOPED_TRACE("n = " + std::to_string(n) + (dominant ? ", dominant" : ""));
        std::vector<int> inTurn(n), first;
        std::iota(inTurn.begin(), inTurn.end(), 0);
        for (int panel : {7, 32, EliminationPanelWidth}) {
            const Shuffled s(m, n, rng);
            Matrix work = s.a;
            std::vector<double> x = s.b;
            std::vector<int> pivots;
            ASSERT_TRUE(SIMQ902(work.data(), n, x.data(), {}, &pivots, panel));
            EXPECT_LT(relativeResidual(s.a, n, x, s.b), 1e-13) << panel;
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
        for (int panel : {7, 32, EliminationPanelWidth}) {
            SCOPED_TRACE("n = " + std::to_string(n) + ", panel " + std::to_string(panel));
            const Shuffled s(m, n, rng);
            Matrix work = s.a;
            std::vector<double> x = s.b;
            std::vector<int> pivots;
            ASSERT_TRUE(SIMQ902(work.data(), n, x.data(), {}, &pivots, panel));
            EXPECT_LT(relativeResidual(s.a, n, x, s.b), 1e-14);
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
