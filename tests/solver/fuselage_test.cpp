// SPDX-License-Identifier: GPL-3.0-or-later
// The fuselage's share of the neutral point: the two reference aircraft of the strip method (a
// trainer with a 100 mm fuselage, a glider with a pod and boom; tests/data/fuselage_*.wk4), and the
// properties every body has: the share grows with the square of the width, and a body of no width
// changes no figure at all.
#include "files/open_aircraft.h"
#include "solver/calculation.h"
#include "stability/stability.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ab {
namespace {

struct Calculated {
    Aircraft aircraft;
    AircraftTexts texts;
    SolverData solver;
};

Calculated calculatedFile(const std::string& name, void (*change)(AircraftTexts&) = nullptr)
{
    Calculated c;
    EXPECT_TRUE(openAircraftFile(AEROBALANCE_SOURCE_DIR "/tests/data/" + name, c.aircraft, c.texts, Language::English).ok());
    if (change)
        change(c.texts);
    const CalculationRun run = calculate(c.aircraft, c.texts, c.solver, Language::English);
    EXPECT_FALSE(run.failed) << name;
    return c;
}

// The reference figures of the strip method on a converged lattice; ours may differ by 0.25 % of
// the reference chord plus 15 % of the reference shift.
TEST(FuselageShare, ReferenceAircraftAgreeWithTheStripMethod)
{
    struct Reference {
        const char* file;
        double mac, shift;
    };
    for (const Reference& r : {Reference{"fuselage_trainer.wk4", 250.05, -3.7}, Reference{"fuselage_glider.wk4", 195.49, -1.0}}) {
        const Calculated c = calculatedFile(r.file);
        const Aircraft& ac = c.aircraft;
        ASSERT_TRUE(ac.FuselageCalculated) << r.file;
        EXPECT_NEAR(ac.ReferenceMac, r.mac, 0.01) << r.file;
        EXPECT_NEAR(ac.FuselageShift, r.shift, 0.0025 * r.mac + 0.15 * std::fabs(r.shift)) << r.file;
        EXPECT_DOUBLE_EQ(ac.NeutralPointX, neutralPointWithoutFuselage(ac) + ac.FuselageShift) << r.file;
        // The band and the centre of gravity follow the neutral point with the fuselage.
        const StabilityFigures f = stabilityFigures(ac, 10);
        EXPECT_DOUBLE_EQ(f.CgDesired, ac.NeutralPointX - 0.1 * ac.ReferenceMac) << r.file;
    }
}

void doubleTheWidths(AircraftTexts& t)
{
    for (FuselageStationTexts& s : t.fuselage)
        s.width = std::to_string(2 * std::stod(s.width));
}
void zeroTheWidths(AircraftTexts& t)
{
    for (FuselageStationTexts& s : t.fuselage)
        s.width = "0";
}
void noFuselage(AircraftTexts& t) { t.fuselage.clear(); }

TEST(FuselageShare, AWiderBodyMovesTheNeutralPointForwardWithTheSquareOfItsWidth)
{
    const Calculated plain = calculatedFile("fuselage_trainer.wk4");
    const Calculated wide = calculatedFile("fuselage_trainer.wk4", doubleTheWidths);
    EXPECT_LT(plain.aircraft.FuselageShift, 0);
    EXPECT_NEAR(wide.aircraft.FuselageShift / plain.aircraft.FuselageShift, 4, 0.05);
    EXPECT_LT(wide.aircraft.NeutralPointX, plain.aircraft.NeutralPointX);
}

// A body of no width, and a table of one station, leave every figure of the wings alone to the last
// digit.
TEST(FuselageShare, ABodyOfNoWidthChangesNothing)
{
    const Calculated without = calculatedFile("fuselage_glider.wk4", noFuselage);
    EXPECT_FALSE(without.aircraft.FuselageCalculated);
    for (auto change : {zeroTheWidths, +[](AircraftTexts& t) { t.fuselage.resize(1); }}) {
        const Calculated c = calculatedFile("fuselage_glider.wk4", change);
        EXPECT_EQ(c.aircraft.NeutralPointX, without.aircraft.NeutralPointX);
        EXPECT_EQ(c.aircraft.ReferenceMac, without.aircraft.ReferenceMac);
        EXPECT_EQ(c.aircraft.ReferenceMacLeadingX, without.aircraft.ReferenceMacLeadingX);
        EXPECT_EQ(c.aircraft.FuselageShift, 0);
    }
}

} // namespace
} // namespace ab
