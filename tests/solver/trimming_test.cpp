#include "solver/trimming.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ab {
namespace {

// Width-to-mean-chord ratio of strip k (1-based) for boundaries f across width W, chords cin..cout.
double stripRatio(const std::vector<double>& f, int k, double W, double cin, double cout)
{
    const double b0 = cin + (cout - cin) * f[k - 1], b1 = cin + (cout - cin) * f[k];
    return (f[k] - f[k - 1]) * W / ((b0 + b1) / 2);
}

TEST(StripTrimming, UntaperedTrapezoidKeepsEqualStrips)
{
    for (int n : {2, 3, 7, 40}) {
        const TrimResult r = TRAPEZ_TRIM(120, 120, 600, n);
        EXPECT_TRUE(r.converged);
        ASSERT_EQ(r.fractions.size(), static_cast<std::size_t>(n + 1));
        for (int k = 0; k <= n; ++k)
            EXPECT_NEAR(r.fractions[k], static_cast<double>(k) / n, 1e-15) << n << " " << k;
    }
}

TEST(StripTrimming, TaperedStripsShareOneRatioAndFillTheWidth)
{
    const TrimResult two = TRAPEZ_TRIM(50, 100, 500, 2);
    ASSERT_TRUE(two.converged);
    EXPECT_NEAR(stripRatio(two.fractions, 1, 500, 100, 50), stripRatio(two.fractions, 2, 500, 100, 50), 1e-9);
    EXPECT_NEAR(two.fractions[2], 1.0, 1e-12);
    EXPECT_GT(two.fractions[1], 0.5); // the outer strip is the narrower one
    EXPECT_NEAR(two.fractions[1], 2 - std::sqrt(2.0), 1e-9);

    const TrimResult many = TRAPEZ_TRIM(30, 200, 900, 25);
    ASSERT_TRUE(many.converged);
    for (int k = 1; k <= 25; ++k) {
        EXPECT_NEAR(stripRatio(many.fractions, k, 900, 200, 30), stripRatio(many.fractions, 25, 900, 200, 30), 1e-9);
        EXPECT_GT(many.fractions[k], many.fractions[k - 1]);
    }
}

TEST(StripTrimming, TipChordNearZeroIsAFailureNotALattice)
{
    // Tip chord 0: no solution within 20 passes.
    EXPECT_FALSE(TRAPEZ_TRIM(0, 100, 500, 2).converged);
    // Tip chord 1 of 100: the equations are met with the outer strip of negative width.
    const TrimResult r = TRAPEZ_TRIM(1, 100, 500, 2);
    EXPECT_FALSE(r.converged);
    // Fractions stay finite numbers whatever the iteration did.
    for (double f : TRAPEZ_TRIM(0.1, 100, 500, 40).fractions)
        EXPECT_TRUE(std::isfinite(f));
}

TEST(PlainElimination, SolvesWithTheLaterRowWinningTiesAndAZeroColumnGivingZero)
{
    // |2| in rows 0 and 2 of the first column: either pivot solves the system.
    const std::vector<double> a0{2, 1, 1, 1, 3, 2, -2, 1, 4}, b0{5, 13, 11};
    std::vector<double> a = a0, b = b0;
    SIMQ90(a, b, 3);
    for (int i = 0; i < 3; ++i) {
        double s = 0;
        for (int j = 0; j < 3; ++j)
            s += a0[i * 3 + j] * b[j];
        EXPECT_NEAR(s, b0[i], 1e-12) << i;
    }

    // A column of zeros gets the factor 0: that unknown comes out 0, the others are still found.
    std::vector<double> z{0, 1, 0, 0, 2, 1, 0, 0, 4};
    std::vector<double> bz{3, 8, 8};
    SIMQ90(z, bz, 3);
    EXPECT_EQ(bz[0], 0.0);
    EXPECT_DOUBLE_EQ(bz[1], 3.0);
    EXPECT_DOUBLE_EQ(bz[2], 2.0);
}

TEST(TrimmingEquations, ResidualsOfASolvedTrapezoidVanish)
{
    std::vector<double> x{250, 250, 500, 80, 80}, F;
    FCN(x, 2, F);
    ASSERT_EQ(F.size(), 2u);
    EXPECT_EQ(F[0], 0.0);
    EXPECT_EQ(F[1], 0.0);
    x[0] = 240; // too narrow inner strip: ratio below the outer one, 10 mm missing
    FCN(x, 2, F);
    EXPECT_LT(F[0], 0.0);
    EXPECT_DOUBLE_EQ(F[1], 10.0);
}

} // namespace
} // namespace ab
