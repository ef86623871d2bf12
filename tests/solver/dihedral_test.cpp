// SPDX-License-Identifier: GPL-3.0-or-later
// Tilted trapezoids in the calculation: the neutral points of a V-tail glider against a converged
// lattice of another vortex-lattice code, and the properties a tilted surface must have.
#include "model/numbers.h"
#include "solver/calculation.h"
#include "solver_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>

namespace ab {
namespace {

using test::calculated;
using test::setWing;

// Sets the dihedral texts of wing w, trapezoid by trapezoid.
void tilt(AircraftTexts& a, int w, std::initializer_list<std::string> degrees)
{
    int k = 1;
    for (const std::string& d : degrees)
        a.wing[w].dihedral[k++] = d;
}

// The 2 m glider: a two-trapezoid wing with polyhedral and a tail of 300 mm panel width, tilted by
// `tailAngle` degrees, 850 mm behind the wing's root leading edge and 20 mm above it.
AircraftTexts glider(const std::string& tailAngle, int tailWidth = 300)
{
    AircraftTexts a = defaultAircraftTexts();
    setWing(a, 1, 0, 220, {{600, 200, 5}, {400, 130, 30}}, 0, 0);
    tilt(a, 1, {"2", "8"});
    setWing(a, 2, 0, 130, {{tailWidth, 90, 20}}, 850, 20);
    tilt(a, 2, {tailAngle});
    a.wingCount = 2;
    return a;
}

double percentMac(const test::Calculated& c, double x) { return 100 * (c.ac.NeutralPointX - x) / c.ac.WingMac[1]; }

TEST(TiltedSurfaces, NeutralPointsWithinOnePercentMacOfAConvergedLattice)
{
    struct Case {
        const char* name;
        AircraftTexts texts;
        double neutralPoint; // mm, converged lattice of the other code
    };
    const Case cases[] = {
        {"V-tail of 40 degrees", glider("40"), 106.37},
        {"the same tail flat", glider("0"), 129.79},
        {"flat tail of the V-tail's projected width", glider("0", 230), 108.23},
    };
    for (const Case& c : cases) {
        const test::Calculated r = calculated(c.texts);
        ASSERT_FALSE(r.run.failed) << c.name;
        EXPECT_NEAR(r.ac.WingMac[1], 195.49, 0.01) << c.name;
        EXPECT_LT(std::abs(percentMac(r, c.neutralPoint)), 1.0) << c.name;
    }
}

// A V-tail of angle a and panel width w against flat tails of width w and w cos a. Its lift falls
// faster than its projected width (the onset flow meets its panels at cos a, and they lean), so
// beyond small angles its neutral point lies just ahead of the flat tail of projected width, as the
// converged figures above have it too (106.37 against 108.23), and far ahead of the flat tail of
// the full width; the steeper the V, the further forward.
TEST(TiltedSurfaces, AVTailActsNearlyAsAFlatTailOfItsProjectedWidth)
{
    const double flat = calculated(glider("0")).ac.NeutralPointX;
    double previous = flat;
    for (int angle : {10, 20, 30, 40, 45, 60}) {
        const double projected = 300 * std::cos(angle * std::numbers::pi / 180);
        const double vTail = calculated(glider(std::to_string(angle))).ac.NeutralPointX;
        const double flatProjected = calculated(glider("0", static_cast<int>(std::lround(projected)))).ac.NeutralPointX;
        EXPECT_LT(vTail, previous) << angle;
        EXPECT_LT(std::abs(vTail - flatProjected), 0.5 * (flat - vTail)) << angle;
        if (angle >= 20) {
            EXPECT_LT(std::abs(vTail - flatProjected), 0.15 * (flat - vTail)) << angle;
        }
        previous = vTail;
    }
}

// A single wing tilted about its root, every trapezoid by the same angle: its lift slope falls
// (about as cos^2 a), its neutral point stays within 0.5 % of its MAC, its typed figures stay.
TEST(TiltedSurfaces, TiltingASingleWingHardlyMovesItsNeutralPoint)
{
    const auto single = [](const std::string& angle) {
        AircraftTexts a = defaultAircraftTexts();
        setWing(a, 1, 0, 220, {{600, 200, 5}, {400, 130, 30}}, 0, 0);
        tilt(a, 1, {angle, angle});
        a.wingCount = 1;
        return calculated(a);
    };
    const test::Calculated flat = single("0");
    for (const char* angle : {"5", "15", "-15", "30", "45"}) {
        const test::Calculated c = single(angle);
        ASSERT_FALSE(c.run.failed) << angle;
        const double a = std::stod(angle) * std::numbers::pi / 180;
        EXPECT_LT(std::abs(c.ac.NeutralPointX - flat.ac.NeutralPointX), 0.005 * flat.ac.WingMac[1]) << angle;
        EXPECT_NEAR(c.ac.WingLiftSlope[1] / flat.ac.WingLiftSlope[1], std::cos(a) * std::cos(a), 0.05) << angle;
        EXPECT_NEAR(c.ac.WingSpan[1], flat.ac.WingSpan[1], 1e-9) << angle;
        EXPECT_NEAR(c.ac.WingArea[1], flat.ac.WingArea[1], 1e-6) << angle;
        EXPECT_NEAR(c.ac.WingMac[1], flat.ac.WingMac[1], 1e-9) << angle;
        EXPECT_NEAR(c.ac.ReferenceArea, flat.ac.ReferenceArea, 1e-6) << angle;
        EXPECT_NEAR(c.ac.WingLiftCentreY[1], flat.ac.WingLiftCentreY[1], 0.01 * flat.ac.WingSpan[1]) << angle;
    }
}

// The panel plan is made along the panels: an aircraft of nearly 3000 panels keeps its counts, and
// so the limit, whatever its angles.
TEST(TiltedSurfaces, PanelCountsDoNotDependOnTheAngles)
{
    AircraftTexts a = defaultAircraftTexts();
    setWing(a, 1, 0, 300, {{400, 280, 10}, {500, 200, 60}, {200, 120, 120}}, 0, 0);
    setWing(a, 2, 0, 150, {{350, 100, 40}}, 900, 80);
    setWing(a, 3, 0, 120, {{250, 80, 20}}, -400, -60);
    setWing(a, 4, 0, 400, {{2400, 300, 50}, {300, 200, 100}}, 200, 160);
    setWing(a, 5, 100, 350, {{2300, 250, 40}}, 300, -140);
    a.wingCount = 5;
    const test::Calculated flat = calculated(a);
    tilt(a, 1, {"3", "6", "-12"});
    tilt(a, 2, {"45"});
    tilt(a, 4, {"60", "-60"});
    tilt(a, 5, {"-20"});
    const test::Calculated tilted = calculated(a);
    EXPECT_FALSE(tilted.run.failed);
    EXPECT_EQ(tilted.sd.counts.PanelCount, flat.sd.counts.PanelCount);
    EXPECT_LE(tilted.sd.counts.PanelCount, MaxPanelCount);
    EXPECT_GT(tilted.sd.counts.PanelCount, 2900);
    for (int w = 1; w <= 5; ++w)
        EXPECT_EQ(tilted.sd.counts.StripCount[w], flat.sd.counts.StripCount[w]) << w;
}

// A tail whose root lies well above the wing but whose panels slope down through the wing's plane
// is too close as built: it is moved until the height gap over the whole shared span exceeds the
// minimum distance, which comparing root heights alone would miss.
TEST(TiltedSurfaces, SeparationMeasuresTheGapAsBuilt)
{
    AircraftTexts a = defaultAircraftTexts();
    setWing(a, 1, 0, 100, {{500, 100, 0}}, 0, 0);
    setWing(a, 2, 0, 80, {{300, 80, 0}}, 400, 40);
    a.wingCount = 2;
    EXPECT_FALSE(calculated(a).run.wingsMoved);
    tilt(a, 2, {"-20"});
    const test::Calculated c = calculated(a);
    ASSERT_TRUE(c.run.wingsMoved);
    double d = 0;
    for (int w = 1; w <= 2; ++w)
        d = std::max(d, 0.6 * (c.ac.WingSpan[w] / 2) / c.sd.counts.StripCount[w]);
    for (int s = 0; s <= 1; ++s) {
        const double gap = c.ac.posZ[2] + c.ac.StationRise[s][2] - c.ac.posZ[1];
        EXPECT_GT(std::abs(gap), d) << s;
    }
    EXPECT_LT(c.ac.posZ[2] + c.ac.StationRise[1][2], 0); // moved down, the way the panels slope
}

// The tilted assembly and the flat one describe the same flow: a tail tilted by a millionth of a
// degree gives the flat tail's figures, though every coefficient comes from the other formula.
TEST(TiltedSurfaces, AHairOfTiltGivesTheFlatFigures)
{
    const test::Calculated flat = calculated(glider("0"));
    const test::Calculated hair = calculated(glider("0.000001"));
    ASSERT_FALSE(hair.run.failed);
    EXPECT_NEAR(hair.ac.NeutralPointX, flat.ac.NeutralPointX, 1e-6);
    for (int w = 1; w <= 2; ++w) {
        EXPECT_NEAR(hair.ac.WingLiftSlope[w], flat.ac.WingLiftSlope[w], 1e-7) << w;
        EXPECT_NEAR(hair.ac.WingNeutralX[w], flat.ac.WingNeutralX[w], 1e-6) << w;
    }
}

// Any angles on the five wings of the starting aircraft: the run completes with finite figures or
// is refused with its lines, never a figure that is not a number.
TEST(TiltedSurfaces, RandomAnglesGiveFiniteFiguresOrARefusal)
{
    std::mt19937 rng(27);
    std::uniform_real_distribution<double> degrees(-60, 60);
    for (int round = 0; round < 6; ++round) {
        AircraftTexts a = defaultAircraftTexts();
        for (int w = 1; w <= MaxWings; ++w)
            for (int k = 1; k <= MaxTrapezoids; ++k)
                a.wing[w].dihedral[k] = formatFixed(degrees(rng), 1);
        const test::Calculated c = calculated(a);
        if (c.run.failed) {
            EXPECT_TRUE(c.run.memoVisible) << round;
            continue;
        }
        EXPECT_TRUE(std::isfinite(c.ac.NeutralPointX)) << round;
        for (int w = 1; w <= a.wingCount; ++w)
            EXPECT_TRUE(std::isfinite(c.ac.WingNeutralX[w]) && std::isfinite(c.ac.WingLiftSlope[w])) << round;
    }
}

} // namespace
} // namespace ab
