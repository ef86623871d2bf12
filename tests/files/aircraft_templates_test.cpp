// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft templates kept in the program: each is the file of the templates folder, reads and
// calculates as a starting design should, and names its surfaces.
#include "files/aircraft_templates.h"
#include "files/aircraft_writer.h"
#include "lang/aircraft_template_texts.h"
#include "files/open_aircraft.h"
#include "model/recalculation.h"
#include "solver/calculation.h"
#include "stability/stability.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
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

// A new design speaks the window's language: every wing name and every line of every template's
// remark has its German and Spanish text, and the template read in a language brings those.
TEST(AircraftTemplates, EachTemplatesNamesAndRemarkComeInTheWindowsLanguage)
{
    for (const AircraftTemplate& t : aircraftTemplates()) {
        SCOPED_TRACE(t.id);
        const AircraftFileReading english = readTemplate(t, Language::English);
        ASSERT_TRUE(english.ok());
        ASSERT_TRUE(english.extras.comment.has_value());
        std::vector<std::string> texts;
        for (int w = 1; w <= MaxWings; ++w)
            if (!english.extras.wingName[w].empty())
                texts.push_back(english.extras.wingName[w]);
        std::string line;
        for (std::istringstream remark(*english.extras.comment); std::getline(remark, line);)
            texts.push_back(line);
        for (const std::string& text : texts)
            for (Language l : {Language::German, Language::Spanish}) {
                const std::optional<std::string> translated = templateTextIn(text, l);
                ASSERT_TRUE(translated.has_value()) << text;
                EXPECT_FALSE(translated->empty()) << text;
            }
        const AircraftFileReading german = readTemplate(t, Language::German);
        EXPECT_EQ(german.extras.wingName[1], *templateTextIn(english.extras.wingName[1], Language::German));
        EXPECT_NE(*german.extras.comment, *english.extras.comment);
        EXPECT_EQ(std::count(german.extras.comment->begin(), german.extras.comment->end(), '\n'),
                  std::count(english.extras.comment->begin(), english.extras.comment->end(), '\n'));
    }
    const AircraftFileReading spanish = readTemplate(*findAircraftTemplate("conventional"), Language::Spanish);
    EXPECT_EQ(spanish.extras.wingName[1], "Ala");
    EXPECT_EQ(spanish.extras.wingName[2], "Estabilizador");
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
