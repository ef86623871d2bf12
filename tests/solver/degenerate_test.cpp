#include "solver/calculation.h"
#include "solver_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace ab {
namespace {

using test::setRectangle;
using test::setWing;

// Every figure a user can see after a run.
void expectFiniteFigures(const Aircraft& ac)
{
    EXPECT_TRUE(std::isfinite(ac.NeutralPointX));
    EXPECT_TRUE(std::isfinite(ac.ReferenceArea));
    EXPECT_TRUE(std::isfinite(ac.ReferenceMac));
    for (int w = 1; w <= MaxWings; ++w) {
        for (double v : {ac.WingSpan[w], ac.WingArea[w], ac.WingMac[w], ac.WingAspectRatio[w], ac.WingNeutralX[w],
                         ac.WingLiftCentreY[w], ac.WingLiftSlope[w], ac.WingR25[w]})
            EXPECT_TRUE(std::isfinite(v)) << "wing " << w;
    }
}

CalculationRun run(AircraftTexts t, Aircraft& ac, Language l = Language::English)
{
    ac = test::preparedAircraft(t);
    SolverData sd;
    CalculationRun r = calculate(ac, t, sd, l);
    expectFiniteFigures(ac);
    EXPECT_EQ(r.failed, !ac.ResultsValid);
    return r;
}

TEST(DegenerateAircraft, ZeroChordsEndInTheTrapeziumLines)
{
    AircraftTexts t = defaultAircraftTexts();
    setWing(t, 1, 0, 0, {{500, 0, 0}});
    t.wingCount = 1;
    Aircraft ac;
    const CalculationRun r = run(t, ac);
    EXPECT_TRUE(r.failed);
    EXPECT_TRUE(r.memoVisible);
    EXPECT_EQ(r.memo, (std::vector<std::string>{"Error: ", "Can not calculate Wing  1 / Trapezium  1 ",
                                                "Please change this trapezium (more chord length at tip)!"}));
}

TEST(DegenerateAircraft, NoPanelsAtAllMeansNoLift)
{
    AircraftTexts t = defaultAircraftTexts();
    setWing(t, 1, 0, 100, {{0, 100, 0}});
    setWing(t, 2, 30, 0, {{0, 0, 0}});
    t.wingCount = 2;
    Aircraft ac;
    const CalculationRun r = run(t, ac, Language::German);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.memo, (std::vector<std::string>{"Fehler: ", "Kann nicht berechnen: das Flugzeug erzeugt keinen Auftrieb."}));
}

TEST(DegenerateAircraft, WingWithoutPanelsBesideARealOneKeepsZeroResults)
{
    AircraftTexts t = defaultAircraftTexts();
    setRectangle(t, 1, 500, 100);
    setWing(t, 2, 0, 0, {{0, 0, 0}}, 600, 0);
    t.wingCount = 2;
    Aircraft ac;
    const CalculationRun r = run(t, ac);
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(ac.WingNeutralX[2], 0);
    EXPECT_EQ(ac.WingArea[2], 0);
    EXPECT_NEAR(ac.NeutralPointX, 24.4, 0.05);
}

TEST(DegenerateAircraft, HugeNumbersAreRefusedNotOverflowed)
{
    AircraftTexts t = defaultAircraftTexts();
    setWing(t, 1, 0, 3, {{2147483647, 1, 0}});
    t.wingCount = 1;
    Aircraft ac;
    EXPECT_TRUE(run(t, ac).failed);

    // A huge wing 4 against small reference wings, and hex and overlong texts in the fields.
    t = defaultAircraftTexts();
    t.wing[4][Role::RootChord] = "99999999999";
    t.wing[4][Role::Width1] = "$7FFFFFFF";
    const CalculationRun r = run(t, ac);
    EXPECT_TRUE(r.failed);
    EXPECT_GE(r.memo.size(), 3u);

    // Positions far apart: finite figures whatever the outcome.
    t = defaultAircraftTexts();
    t.wing[2][Role::PosX] = "2147483647";
    t.wing[3][Role::PosZ] = "-2147483647";
    run(t, ac);
}

TEST(DegenerateAircraft, WingInsideAnotherAtTheSameHeightIsMovedAndSolved)
{
    AircraftTexts t = defaultAircraftTexts();
    setRectangle(t, 1, 500, 200);
    setRectangle(t, 2, 200, 50, 50, 0, 100); // inside wing 1's planform
    setRectangle(t, 3, 500, 200);            // exactly on top of wing 1
    t.wingCount = 3;
    Aircraft ac;
    const CalculationRun r = run(t, ac);
    EXPECT_FALSE(r.failed);
    EXPECT_TRUE(r.wingsMoved);
    EXPECT_NE(ac.posZ[2], 0);
    EXPECT_NE(ac.posZ[3], 0);
    EXPECT_NE(ac.posZ[3], ac.posZ[2]);
}

TEST(DegenerateAircraft, RandomAircraftNeverCrashOrShowNotANumber)
{
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> len(0, 400), chord(0, 300), offset(-200, 200), gap(0, 60), pick(0, 9);
    std::uniform_int_distribution<int> count(1, 4), wings(1, 5), pos(-500, 500);
    for (int trial = 0; trial < 25; ++trial) {
        AircraftTexts t = defaultAircraftTexts();
        t.wingCount = wings(rng);
        for (int w = 1; w <= 5; ++w) {
            std::vector<test::TrapezoidText> traps;
            const int n = count(rng);
            for (int k = 0; k < n; ++k)
                traps.push_back({pick(rng) == 0 ? 0 : len(rng), pick(rng) == 0 ? 0 : chord(rng), offset(rng)});
            setWing(t, w, pick(rng) < 3 ? gap(rng) : 0, pick(rng) == 0 ? 0 : chord(rng), {},
                    pos(rng), pick(rng) < 5 ? 0 : pos(rng));
            for (int k = 1; k <= n; ++k) {
                t.wing[w][widthRole(k)] = std::to_string(traps[k - 1].width);
                t.wing[w][tipChordRole(k)] = std::to_string(traps[k - 1].tipChord);
                t.wing[w][tipOffsetRole(k)] = std::to_string(traps[k - 1].tipOffset);
            }
            t.wing[w].trapezoidCount = n;
        }
        SCOPED_TRACE(trial);
        Aircraft ac;
        const CalculationRun r = run(t, ac);
        if (r.failed) {
            EXPECT_TRUE(r.memoVisible);
            EXPECT_GE(r.memo.size(), 2u);
        }
    }
}

} // namespace
} // namespace ab
