// SPDX-License-Identifier: GPL-3.0-or-later
// The spanwise lift distribution against what the vortex results report and what the planform's shape
// says about where a wing stalls first; and the refusal of results that do not belong together.
#include "solver/lift_distribution.h"
#include "solver_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace ab {
namespace {

using test::calculated;
using test::setWing;

AircraftTexts oneWing(int rootGap, int rootChord, std::vector<test::TrapezoidText> traps)
{
    AircraftTexts a = defaultAircraftTexts();
    setWing(a, 1, rootGap, rootChord, std::move(traps));
    a.wingCount = 1;
    return a;
}

// Where on the half span the highest cl/CL lies, as a share of the half span.
enum class Stall { Root, Outboard };

struct Shape {
    const char* name;
    AircraftTexts texts;
    Stall stall;
};

std::vector<Shape> shapes()
{
    AircraftTexts tailed = test::rectangularWingTexts();
    test::setRectangle(tailed, 2, 200, 80, 450, 40);
    tailed.wingCount = 2;
    return {
        {"rectangle", test::rectangularWingTexts(), Stall::Root},
        {"taper 0.25", oneWing(0, 300, {{1000, 75, 56}}), Stall::Outboard},
        {"swept back", oneWing(0, 150, {{600, 150, 400}}), Stall::Outboard},
        {"swept forward", oneWing(0, 150, {{600, 150, -400}}), Stall::Root},
        // The open centre gap unloads the inner strips as a tip would.
        {"root gap", oneWing(60, 200, {{500, 120, 20}}), Stall::Outboard},
        {"two trapezoids", oneWing(0, 250, {{400, 220, 5}, {500, 90, 60}}), Stall::Outboard},
        {"wing and tail", tailed, Stall::Root},
    };
}

TEST(LiftDistribution, MatchesTheVortexResultsAndTheShapeOfEachWing)
{
    for (const Shape& shape : shapes()) {
        SCOPED_TRACE(shape.name);
        const auto c = calculated(shape.texts);
        ASSERT_FALSE(c.run.failed);
        const LiftDistribution d = liftDistribution(c.ac, c.sd);
        ASSERT_TRUE(d.available());
        EXPECT_EQ(d.referenceChord, c.ac.ReferenceMac);
        EXPECT_EQ(d.wingCount, shape.texts.wingCount);
        for (int w = 1; w <= d.wingCount; ++w) {
            SCOPED_TRACE(w);
            const WingLiftDistribution& wing = d.wings[w];
            ASSERT_EQ(wing.stations.size(), static_cast<std::size_t>(c.sd.counts.StripCount[w]));
            // Both halves together carry the lift the wing reports.
            const double lift = c.ac.WingLiftSlope[w] * c.ac.WingArea[w];
            EXPECT_NEAR(2 * halfWingLift(wing, d.referenceChord), lift, 1e-10 * lift);
            EXPECT_NEAR(wing.liftCoefficient, c.ac.WingLiftSlope[w], 1e-12 * wing.liftCoefficient);
            // The ellipse carries the same lift over 0..b.
            EXPECT_NEAR(wing.ellipticRoot * d.referenceChord * std::numbers::pi * wing.halfSpan / 4, lift / 2, 1e-10 * lift);
            EXPECT_DOUBLE_EQ(2 * wing.halfSpan, c.ac.WingSpan[w]);

            // Strips side by side from the inner edge to the tip; cl/CL averages to 1 over the area.
            double y = wing.innerY, area = 0, weighted = 0;
            for (const LiftStation& s : wing.stations) {
                EXPECT_NEAR(s.y, y + s.width / 2, 1e-9);
                y += s.width;
                area += s.chord * s.width;
                weighted += s.clOverCL * s.chord * s.width;
                EXPECT_NEAR(s.localLift * d.referenceChord / s.chord, s.clOverCL * wing.liftCoefficient, 1e-9);
                EXPECT_DOUBLE_EQ(s.elliptic, ellipticLift(wing, s.y));
                EXPECT_LE(s.clOverCL, wing.stations[wing.stallFirst].clOverCL);
            }
            EXPECT_NEAR(y, wing.halfSpan, 1e-9);
            EXPECT_NEAR(weighted / area, 1, 1e-9);
        }
        // Where the main wing stalls first follows its planform.
        const WingLiftDistribution& main = d.wings[1];
        const double at = main.stations[main.stallFirst].y / main.halfSpan;
        if (shape.stall == Stall::Root)
            EXPECT_LT(at, 0.2) << at;
        else
            EXPECT_GT(at, 0.45) << at;
    }
}

TEST(LiftDistribution, RectangularWingLoadsItsRootMostAndFallsOffToTheTip)
{
    const auto c = calculated(test::rectangularWingTexts());
    const LiftDistribution d = liftDistribution(c.ac, c.sd);
    const WingLiftDistribution& wing = d.wings[1];
    EXPECT_EQ(wing.stallFirst, 0);
    for (std::size_t J = 1; J < wing.stations.size(); ++J)
        EXPECT_LT(wing.stations[J].localLift, wing.stations[J - 1].localLift) << J;
    // Flatter than the ellipse inboard, fuller outboard, as a wing of constant chord is.
    EXPECT_LT(wing.stations.front().localLift, wing.stations.front().elliptic);
    EXPECT_GT(wing.stations.back().localLift, wing.stations.back().elliptic);
}

TEST(LiftDistribution, OffersNothingForResultsThatDoNotBelongToTheLattice)
{
    const auto good = calculated(test::rectangularWingTexts());
    struct Case {
        const char* name;
        void (*spoil)(Aircraft&, SolverData&);
    };
    const Case cases[] = {
        {"results stale", [](Aircraft& ac, SolverData&) { ac.ResultsValid = false; }},
        {"no lattice in memory", [](Aircraft& ac, SolverData&) { ac.SolverDataValid = false; }},
        {"circulations of another lattice", [](Aircraft&, SolverData& sd) { sd.Circulation.pop_back(); }},
        {"no reference chord", [](Aircraft& ac, SolverData&) { ac.ReferenceMac = 0; }},
        {"reference chord not finite", [](Aircraft& ac, SolverData&) { ac.ReferenceMac = std::numeric_limits<double>::infinity(); }},
        {"no wing", [](Aircraft& ac, SolverData&) { ac.ActiveWingCount = 0; }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        auto c = good;
        k.spoil(c.ac, c.sd);
        const LiftDistribution d = liftDistribution(c.ac, c.sd);
        EXPECT_FALSE(d.available());
        EXPECT_EQ(d.wingCount, 0);
        EXPECT_TRUE(d.wings[1].stations.empty());
    }
}

TEST(LiftDistribution, LeavesOutOnlyTheWingWithoutLiftOrWithFiguresNotFinite)
{
    AircraftTexts texts = test::rectangularWingTexts();
    test::setRectangle(texts, 2, 200, 80, 450, 40);
    texts.wingCount = 2;
    const auto good = calculated(texts);
    const std::size_t wing1Panels = (good.sd.lattice[1].strips.size() - 1) * good.sd.counts.ChordwiseCount[1];
    for (const double spoilt : {0.0, std::numeric_limits<double>::quiet_NaN()}) {
        auto c = good;
        std::fill(c.sd.Circulation.begin() + wing1Panels, c.sd.Circulation.end(), spoilt);
        const LiftDistribution d = liftDistribution(c.ac, c.sd);
        ASSERT_TRUE(d.available());
        EXPECT_EQ(d.wings[1].stations.size(), good.sd.lattice[1].strips.size() - 1);
        EXPECT_TRUE(d.wings[2].stations.empty());
        EXPECT_EQ(d.wings[2].stallFirst, -1);
    }
}

TEST(LiftDistribution, EllipseIsZeroOffTheHalfSpan)
{
    WingLiftDistribution w;
    w.halfSpan = 500;
    w.ellipticRoot = 2;
    const std::pair<double, double> rows[] = {{0, 2}, {300, 1.6}, {500, 0}, {-1, 0}, {501, 0}};
    for (const auto& [y, value] : rows)
        EXPECT_NEAR(ellipticLift(w, y), value, 1e-12) << y;
    EXPECT_EQ(ellipticLift(WingLiftDistribution{}, 0), 0);
}

} // namespace
} // namespace ab
