// SPDX-License-Identifier: GPL-3.0-or-later
// Positions in % of the reference chord from its leading edge, the recommended band, and the place of
// the reference chord after a calculation and after opening the stored results of a file.
#include "stability/stability.h"

#include "files/aircraft_writer.h"
#include "files/open_aircraft.h"
#include "model/aircraft_texts.h"
#include "model/mean_chord.h"
#include "model/recalculation.h"
#include "solver/calculation.h"
#include "../files/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace ab {
namespace {

Aircraft withReferenceChord(double leadingX, double mac, double neutralX = 100)
{
    Aircraft ac;
    ac.WingCount = ac.ActiveWingCount = 2;
    ac.NeutralPointX = neutralX;
    ac.ReferenceMac = mac;
    ac.ReferenceMacLeadingX = leadingX;
    ac.ReferenceArea = 100000;
    ac.ResultsValid = true;
    return ac;
}

TEST(PercentMac, FromTheLeadingEdgeOfTheReferenceChord)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double leadingX, mac, x;
        std::optional<double> percent;
    };
    const Case cases[] = {
        {50, 200, 50, 0},          {50, 200, 150, 50},      {50, 200, 250, 100}, {50, 200, 0, -25},
        {-120, 80, -100, 25},      {50, 0, 150, std::nullopt}, {50, -200, 150, std::nullopt},
        {50, nan, 150, std::nullopt}, {50, inf, 150, std::nullopt}, {50, 200, inf, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.leadingX << " " << c.mac << " " << c.x);
        const std::optional<double> p = percentOfMac(withReferenceChord(c.leadingX, c.mac), c.x);
        ASSERT_EQ(p.has_value(), c.percent.has_value());
        if (p) {
            EXPECT_DOUBLE_EQ(*p, *c.percent);
        }
    }
    EXPECT_EQ(percentMacText(12.345, Language::English), " (12.3% MAC)");
    EXPECT_EQ(percentMacText(std::nullopt, Language::German), "");
}

// Whatever the aircraft, the neutral point lies each margin behind its centre of gravity in % MAC,
// and moving the reference chord's leading edge back by d lowers every figure by d / MAC.
TEST(PercentMac, TheMarginIsTheDistanceOfTheNeutralPointInPercentMac)
{
    std::mt19937 random(16);
    std::uniform_real_distribution<double> position(-2000, 2000), chord(10, 1500), margin(-5, 30);
    for (int i = 0; i < 200; ++i) {
        const Aircraft ac = withReferenceChord(position(random), chord(random), position(random));
        const StabilityFigures f = stabilityFigures(ac, margin(random));
        ASSERT_TRUE(f.NeutralPointPercentMac && f.CgAtLowPercentMac && f.CgAtHighPercentMac && f.CgDesiredPercentMac);
        EXPECT_NEAR(*f.NeutralPointPercentMac - *f.CgAtLowPercentMac, f.StabilityLow, 1e-9);
        EXPECT_NEAR(*f.NeutralPointPercentMac - *f.CgAtHighPercentMac, f.StabilityHigh, 1e-9);
        EXPECT_NEAR(*f.NeutralPointPercentMac - *f.CgDesiredPercentMac, f.StabilityDesired, 1e-9);
        Aircraft moved = ac;
        moved.ReferenceMacLeadingX += 37;
        EXPECT_NEAR(*stabilityFigures(moved, f.StabilityDesired).NeutralPointPercentMac,
                    *f.NeutralPointPercentMac - 37 / ac.ReferenceMac * 100, 1e-9);
    }
    // Without a reference chord there is no figure at all.
    const StabilityFigures none = stabilityFigures(withReferenceChord(0, 0), 7.5);
    EXPECT_FALSE(none.NeutralPointPercentMac || none.CgAtLowPercentMac || none.CgDesiredPercentMac);
}

TEST(PercentMac, RecommendedBandByMode)
{
    // Neutral point 100 mm, reference chord 200 mm: one % of margin is 2 mm.
    struct Case {
        int wings;
        bool automatic;
        double desired;
        double frontMargin, rearMargin;
    };
    const Case cases[] = {
        {1, true, 7.5, 8, 4},  {2, true, 30, 16, 8},    {2, false, 7.5, 9.5, 5.5},
        {2, false, 1, 3, 0},   {1, false, 0, 2, 0},     {2, false, -5, -3, -7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.wings << " " << c.automatic << " " << c.desired);
        Aircraft ac = withReferenceChord(0, 200);
        ac.ActiveWingCount = c.wings;
        const CgBand band = recommendedBand(ac, stabilityFigures(ac, c.desired), c.automatic);
        EXPECT_DOUBLE_EQ(band.frontMargin, c.frontMargin);
        EXPECT_DOUBLE_EQ(band.rearMargin, c.rearMargin);
        EXPECT_DOUBLE_EQ(band.frontX, 100 - 2 * c.frontMargin);
        EXPECT_DOUBLE_EQ(band.rearX, 100 - 2 * c.rearMargin);
    }
}

// After a calculation the reference chord has the length the lattice gave and lies on the
// reference wing; a file saved with those results opens with the chord in the same place. The
// tandem's wings have equal spans, so there the larger rear wing is the reference.
TEST(PercentMac, ReferenceChordOfTheExamplesAfterACalculationAndAfterOpeningTheirResults)
{
    const test::TempFolder folder;
    for (const char* name : {"default", "glider", "trainer", "flying_wing", "tandem", "canard"}) {
        SCOPED_TRACE(name);
        const std::string file = std::string(AEROBALANCE_SOURCE_DIR "/examples/") + name + ".wk4";
        Aircraft calculated;
        AircraftTexts texts = defaultAircraftTexts();
        recalculate(calculated, texts);
        ASSERT_TRUE(openAircraftFile(file, calculated, texts, Language::English).ok());
        SolverData solver;
        ASSERT_FALSE(calculate(calculated, texts, solver, Language::English).failed);
        const MeanChord chord = meanChordOf(calculated, solver.ReferenceWing, true);
        EXPECT_NEAR(chord.length, calculated.ReferenceMac, 1e-9 * calculated.ReferenceMac);
        EXPECT_EQ(calculated.ReferenceMacLeadingX, chord.leadingX);
        EXPECT_EQ(calculated.ReferenceMacY, chord.y);
        if (std::string(name) == "tandem") {
            EXPECT_EQ(solver.ReferenceWing, 2);
        }

        const std::string saved = folder.file(std::string(name) + ".wk4");
        ASSERT_TRUE(saveAircraftFile(saved, texts, calculated, Language::English).ok);
        Aircraft opened;
        AircraftTexts openedTexts = defaultAircraftTexts();
        recalculate(opened, openedTexts);
        ASSERT_TRUE(openAircraftFile(saved, opened, openedTexts, Language::English).ok());
        ASSERT_TRUE(opened.ResultsValid);
        EXPECT_DOUBLE_EQ(opened.ReferenceMacLeadingX, calculated.ReferenceMacLeadingX);
        EXPECT_DOUBLE_EQ(opened.ReferenceMacY, calculated.ReferenceMacY);
        // The stored figures carry two decimals.
        EXPECT_NEAR(*stabilityFigures(opened, 7.5).NeutralPointPercentMac,
                    *stabilityFigures(calculated, 7.5).NeutralPointPercentMac, 0.01);
    }
}

// Moving the whole aircraft moves the reference chord with it and leaves every % MAC as it was.
TEST(PercentMac, MovingTheWholeAircraftKeepsEveryFigureInPercentMac)
{
    const auto calculated = [](int shift) {
        Aircraft ac;
        AircraftTexts texts = defaultAircraftTexts();
        recalculate(ac, texts);
        EXPECT_TRUE(openAircraftFile(AEROBALANCE_SOURCE_DIR "/examples/canard.wk4", ac, texts, Language::English).ok());
        for (int w = 1; w <= MaxWings; ++w)
            texts.wing[w][Role::PosX] = std::to_string(ac.posX[w] + shift);
        SolverData solver;
        EXPECT_FALSE(calculate(ac, texts, solver, Language::English).failed);
        return ac;
    };
    const Aircraft here = calculated(0), there = calculated(-737);
    EXPECT_NEAR(there.ReferenceMacLeadingX, here.ReferenceMacLeadingX - 737, 1e-6);
    EXPECT_NEAR(there.ReferenceMacY, here.ReferenceMacY, 1e-9);
    const StabilityFigures a = stabilityFigures(here, 7.5), b = stabilityFigures(there, 7.5);
    EXPECT_NEAR(*b.NeutralPointPercentMac, *a.NeutralPointPercentMac, 1e-6);
    EXPECT_NEAR(*b.CgAtHighPercentMac, *a.CgAtHighPercentMac, 1e-6);
    EXPECT_NEAR(*b.CgDesiredPercentMac, *a.CgDesiredPercentMac, 1e-6);
}

} // namespace
} // namespace ab
