// The aircraft templates kept in the program: each is the file of the templates folder, reads and
// calculates as a starting design should, and names its surfaces.
#include "files/aircraft_templates.h"
#include "files/aircraft_writer.h"
#include "files/open_aircraft.h"
#include "model/recalculation.h"
#include "solver/calculation.h"
#include "stability/stability.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace ab {
namespace {

struct Expected {
    const char* objectName;
    int wingCount;
    std::vector<std::string> names;
    double bandLow, bandHigh; // the recommended range in % of the reference chord
    int wingOneTrapezoids;
    std::vector<std::string> angles; // the dihedral texts of wings 1 and 2, trapezoid by trapezoid
};

const Expected kExpected[] = {
    {"NewConventional1", 2, {"Wing", "Tailplane"}, 8, 16, 2, {}},
    {"NewGlider1", 2, {"Wing", "Tailplane"}, 8, 16, 3, {"2", "5", "9", "", "", "", "", ""}},
    {"NewVTailGlider1", 2, {"Wing", "V-tail"}, 8, 16, 2, {"2", "8", "", "", "40", "", "", ""}},
    {"NewFlyingWing1", 1, {"Wing"}, 4, 8, 3, {}},
    {"NewCanard1", 2, {"Wing", "Canard"}, 8, 16, 2, {}},
    {"NewTandem1", 2, {"Front wing", "Rear wing"}, 8, 16, 2, {}},
    {"NewDefault1", 5, {"Lower wing", "Tailplane", "Upper wing", "Fuselage", "Floats"}, 8, 16, 4, {}},
};

TEST(AircraftTemplates, SevenInMenuOrderEachTheFileOfTheTemplatesFolder)
{
    const auto templates = aircraftTemplates();
    ASSERT_EQ(templates.size(), std::size(kExpected));
    std::set<std::string> captions;
    for (std::size_t i = 0; i < templates.size(); ++i) {
        const AircraftTemplate& t = templates[i];
        SCOPED_TRACE(t.id);
        EXPECT_STREQ(t.objectName, kExpected[i].objectName);
        EXPECT_EQ(findAircraftTemplate(t.id), &t);
        EXPECT_EQ(findAircraftTemplate(t.objectName), &t);
        for (Language l : {Language::English, Language::German, Language::Spanish}) {
            EXPECT_FALSE(t.caption.in(l).empty());
            captions.insert(std::string(t.caption.in(l)) + std::to_string(static_cast<int>(l)));
        }
        // The program carries the folder's bytes as they are, CR LF included.
        EXPECT_EQ(t.text, test::readBytes(AEROBALANCE_SOURCE_DIR "/templates/" + std::string(t.id) + ".wk4"));
    }
    EXPECT_EQ(captions.size(), 3 * templates.size()) << "two templates share a caption";
    EXPECT_EQ(findAircraftTemplate("New1"), nullptr);
}

TEST(AircraftTemplates, EachOpensAsANewAircraftCalculatesAndGivesItsBand)
{
    const auto templates = aircraftTemplates();
    for (std::size_t i = 0; i < templates.size(); ++i) {
        const AircraftTemplate& t = templates[i];
        const Expected& e = kExpected[i];
        SCOPED_TRACE(t.id);
        // As the window starts, then the template opened over it as an unnamed aircraft.
        Aircraft ac;
        AircraftTexts texts = defaultAircraftTexts();
        texts.balance = {{"Battery", "180", "-40"}};
        recalculate(ac, texts);
        const OpenOutcome opened = openAircraftText(t.text, "Unknown.wk4", ac, texts, Language::English);
        ASSERT_TRUE(opened.ok()) << opened.message;
        EXPECT_FALSE(ac.ResultsValid);
        EXPECT_TRUE(texts.balance.empty());
        EXPECT_FALSE(texts.comment.empty());
        EXPECT_EQ(texts.wingCount, e.wingCount);
        EXPECT_EQ(texts.wing[1].trapezoidCount, e.wingOneTrapezoids);
        for (int w = 1; w <= MaxWings; ++w)
            EXPECT_EQ(texts.wing[w].name, w <= e.wingCount ? e.names[w - 1] : "") << w;
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(texts.wing[1 + i / 4].dihedral[1 + i % 4], i < e.angles.size() ? e.angles[i] : "") << i;
        // Saved again, a template gives its own bytes: it holds nothing the program would drop.
        EXPECT_EQ(aircraftFileText(texts, ac), t.text);

        SolverData solver;
        const CalculationRun run = calculate(ac, texts, solver, Language::English);
        ASSERT_FALSE(run.failed);
        EXPECT_FALSE(run.memoVisible) << (run.memo.empty() ? "" : run.memo.front());
        EXPECT_TRUE(std::isfinite(ac.NeutralPointX));
        EXPECT_GT(ac.ReferenceArea, 0);
        const StabilityFigures f = stabilityFigures(ac, 7.5);
        EXPECT_EQ(f.StabilityLow, e.bandLow);
        EXPECT_EQ(f.StabilityHigh, e.bandHigh);
        // A starting design balances between its nose and its tail: the recommended centres of
        // gravity lie within the aircraft's length, ahead of the neutral point.
        double front = 1e9, rear = -1e9;
        for (int w = 1; w <= e.wingCount; ++w) {
            front = std::min(front, ac.posX[w] * 1.0);
            rear = std::max(rear, ac.posX[w] + ac.StationChord[0][w]);
        }
        EXPECT_LT(f.CgAtHigh, f.CgAtLow);
        EXPECT_LT(f.CgAtLow, ac.NeutralPointX);
        EXPECT_GT(f.CgAtHigh, front);
        EXPECT_LT(ac.NeutralPointX, rear);
    }
}

TEST(AircraftTemplates, TheFiveWingTemplateIsTheStartingAircraftWithNames)
{
    const AircraftTemplate* t = findAircraftTemplate("default");
    ASSERT_NE(t, nullptr);
    Aircraft fromTemplate, start;
    AircraftTexts texts = defaultAircraftTexts();
    AircraftTexts startTexts = defaultAircraftTexts();
    ASSERT_TRUE(openAircraftText(t->text, "Unknown.wk4", fromTemplate, texts, Language::English).ok());
    recalculate(start, startTexts);
    for (int w = 1; w <= MaxWings; ++w) {
        EXPECT_EQ(texts.wing[w].trapezoidCount, startTexts.wing[w].trapezoidCount);
        EXPECT_EQ(fromTemplate.WingArea[w], start.WingArea[w]) << w;
        EXPECT_EQ(fromTemplate.WingR25[w], start.WingR25[w]) << w;
        EXPECT_EQ(fromTemplate.posX[w], start.posX[w]) << w;
        EXPECT_EQ(fromTemplate.posZ[w], start.posZ[w]) << w;
    }
}

} // namespace
} // namespace ab
