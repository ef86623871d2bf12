// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/aircraft_writer.h"
#include "files/open_aircraft.h"
#include "solver/calculation.h"
#include "../files/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ab {
namespace {

const std::string Examples = AEROBALANCE_SOURCE_DIR "/examples/";

TEST(Examples, DefaultIsTheAircraftTheProgramStartsWith)
{
    AircraftTexts texts = defaultAircraftTexts();
    texts.comment = "The aircraft AeroBalance starts with: five lifting surfaces to start from.";
    EXPECT_EQ(test::readBytes(Examples + "default.wk4"), aircraftFileText(texts, Aircraft{}));
}

TEST(Examples, EveryExampleOpensSavesUnchangedAndCalculates)
{
    for (const char* name : {"default.wk4", "trainer.wk4", "flying_wing.wk4", "canard.wk4", "glider.wk4",
                             "fuselage_gap.wk4", "vtail_glider.wk4", "biplane.da4"}) {
        SCOPED_TRACE(name);
        Aircraft ac;
        AircraftTexts texts = defaultAircraftTexts();
        const OpenOutcome opened = openAircraftFile(Examples + name, ac, texts, Language::English);
        ASSERT_TRUE(opened.ok()) << opened.message;
        if (namesTaggedFile(name)) {
            EXPECT_EQ(aircraftFileText(texts, ac), test::readBytes(Examples + name));
        }
        SolverData solver;
        const CalculationRun run = calculate(ac, texts, solver, Language::English);
        EXPECT_FALSE(run.failed);
        EXPECT_FALSE(run.wingsMoved);
        EXPECT_TRUE(std::isfinite(ac.NeutralPointX));
        EXPECT_GT(ac.ReferenceArea, 0);
    }
}

TEST(Examples, TheGliderWingHasFourTrapezoidsAndTheLegacyBiplaneItsResults)
{
    Aircraft ac;
    AircraftTexts texts = defaultAircraftTexts();
    ASSERT_TRUE(openAircraftFile(Examples + "glider.wk4", ac, texts, Language::English).ok());
    EXPECT_EQ(texts.wing[1].trapezoidCount, 4);
    EXPECT_NEAR(ac.WingSpan[1], 4400, 1e-9);

    ASSERT_TRUE(openAircraftFile(Examples + "biplane.da4", ac, texts, Language::English).ok());
    EXPECT_TRUE(ac.ResultsValid);
    EXPECT_DOUBLE_EQ(ac.NeutralPointX, 122.56);
    EXPECT_EQ(texts.wingCount, 3);
}

} // namespace
} // namespace ab
