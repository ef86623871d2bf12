// SPDX-License-Identifier: GPL-3.0-or-later
// Axis scales: round steps, ends on ticks, as few ticks as the room allows, and sane ranges from
// values that are empty, reversed or not finite.
#include "views/plot_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace ab {
namespace {

TEST(PlotScale, RoundStepsWithTheDecimalsTheyNeed)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    struct Row {
        double low, high;
        int maxSteps;
        double wantLow, wantHigh, wantStep;
        int decimals;
    } rows[] = {
        {0, 2200, 11, 0, 2200, 200, 0},
        {0, 1000.0000000001, 9, 0, 1000, 200, 0}, // a rounding error past the tick
        {-1e-13, 7.35, 8, 0, 8, 1, 0},
        {0, 2200, 9, 0, 2250, 250, 0},
        {0, 2200, 5, 0, 2500, 500, 0},
        {0, 1.02, 5, 0, 1.25, 0.25, 2},
        {0, 7.35, 8, 0, 8, 1, 0},
        {-0.3, 1.2, 6, -0.5, 1.5, 0.5, 1},
        {0.001, 0.0042, 4, 0.001, 0.005, 0.001, 3},
        {0, 26, 1, 0, 50, 50, 0},
        {0, 25, 1, 0, 25, 25, 0},
        {0, 25, 0, 0, 25, 25, 0},   // at least one step
        {3, 1, 4, 1, 3, 0.5, 1},    // reversed
        {0, 0, 5, 0, 1, 0.2, 1},    // nothing: 0..1
        {nan, nan, 5, 0, 1, 0.2, 1},
        {-inf, inf, 5, 0, 1, 0.2, 1},
        {2, 2, 4, 1, 3, 0.5, 1},    // one value: around it
        {nan, 4, 4, 3, 5, 0.5, 1},  // the finite end
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.low << ".." << r.high << " in " << r.maxSteps);
        const AxisScale a = niceAxis(r.low, r.high, r.maxSteps);
        EXPECT_NEAR(a.low, r.wantLow, 1e-12);
        EXPECT_NEAR(a.high, r.wantHigh, 1e-12);
        EXPECT_NEAR(a.step, r.wantStep, 1e-12);
        EXPECT_EQ(a.decimals, r.decimals);
    }
}

// Over random ranges: the scale covers the range with ends on ticks, in no more steps than allowed,
// and the next smaller round step would need more.
TEST(PlotScale, CoversEveryRangeWithTheSmallestRoundStep)
{
    std::mt19937 random(18);
    std::uniform_real_distribution<double> exponent(-4, 5), unit(-1, 1);
    const double rounds[] = {1, 2, 2.5, 5};
    for (int i = 0; i < 2000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        const double low = unit(random) * magnitude, high = low + std::abs(unit(random)) * magnitude + 1e-9;
        const int maxSteps = 2 + i % 10;
        const AxisScale a = niceAxis(low, high, maxSteps);
        SCOPED_TRACE(testing::Message() << low << ".." << high << " in " << maxSteps << ": step " << a.step);
        ASSERT_LE(a.low, low + 1e-9 * a.step);
        ASSERT_GE(a.high, high - 1e-9 * a.step);
        ASSERT_LE(a.tickCount() - 1, maxSteps);
        ASSERT_NEAR(a.tick(0), a.low, 1e-9 * magnitude);
        ASSERT_NEAR(a.tick(a.tickCount() - 1), a.high, 1e-9 * magnitude);
        // The step is 1, 2, 2.5 or 5 times a power of ten.
        const double decade = std::pow(10.0, std::floor(std::log10(a.step) + 1e-9));
        const double m = a.step / decade;
        ASSERT_TRUE(std::any_of(std::begin(rounds), std::end(rounds), [&](double r) { return std::abs(m - r) < 1e-9; })) << m;
        // The round step below it needs more steps.
        const int at = static_cast<int>(std::find_if(std::begin(rounds), std::end(rounds),
                                                     [&](double r) { return std::abs(m - r) < 1e-9; }) - std::begin(rounds));
        const double smaller = at > 0 ? rounds[at - 1] * decade : 5 * decade / 10;
        ASSERT_GT(std::ceil(high / smaller - 1e-9) - std::floor(low / smaller + 1e-9), maxSteps);
    }
}

} // namespace
} // namespace ab
